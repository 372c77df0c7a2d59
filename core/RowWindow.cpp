#include "core/RowWindow.h"

#include <algorithm>
#include <cstdlib>

void CRowWindow::SetVisibleRows(int rows) {
    visibleRows_ = rows;
    MoveFirstRow(firstRow_);
}

void CRowWindow::SetRowCount(int rows) {
    rowCount_ = rows;
    MoveFirstRow(firstRow_);
}

void CRowWindow::Reset() {
    firstRow_ = 0;
    wheelRemainder_ = 0;
}

int CRowWindow::LastFirstRow() const {
    return std::max(rowCount_ - visibleRows_, 0);
}

void CRowWindow::MoveFirstRow(int row) {
    firstRow_ = std::clamp(row, 0, LastFirstRow());
}

void CRowWindow::Scroll(ScrollCode code, int trackPosition) {
    switch (code) {
    case ScrollCode::LineUp:
        MoveFirstRow(firstRow_ - 1);
        break;
    case ScrollCode::LineDown:
        MoveFirstRow(firstRow_ + 1);
        break;
    case ScrollCode::PageUp:
        MoveFirstRow(firstRow_ - visibleRows_);
        break;
    case ScrollCode::PageDown:
        MoveFirstRow(firstRow_ + visibleRows_);
        break;
    case ScrollCode::ThumbTrack:
        MoveFirstRow(trackPosition);
        break;
    case ScrollCode::Top:
        MoveFirstRow(0);
        break;
    case ScrollCode::Bottom:
        MoveFirstRow(LastFirstRow());
        break;
    }
}

void CRowWindow::OnMouseWheel(bool shiftOrControl, int delta) {
    if (shiftOrControl)
        return;
    wheelRemainder_ += delta;
    if (std::abs(wheelRemainder_) < kWheelDelta)
        return;
    const int lines = -(wheelRemainder_ / kWheelDelta) * wheelLines_;
    wheelRemainder_ %= kWheelDelta;
    MoveFirstRow(firstRow_ + std::clamp(lines, -visibleRows_, visibleRows_));
}
