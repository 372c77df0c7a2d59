// The icon display: a grid of cells drawn by the marks' registers.

#include "app/views/SubViews.h"
#include "app/views/ZrView.h"
#include "registers/ZrDbs.h"

#include <algorithm>

void CZrIconView::ComputeGrid() {
    const CRect area = view_.GetWindow().GetDrawRect();
    columns_ = std::max(1, area.Width() / kCellWidth);
    gridRows_ = (count_ + columns_ - 1) / columns_;
}

int CZrIconView::VisibleGridRows() const {
    return std::max(1, view_.GetWindow().GetDrawRect().Height() / kCellHeight);
}

int CZrIconView::Maximum() const {
    return std::max(0, gridRows_ - VisibleGridRows());
}

void CZrIconView::Draw(IDrawSurface& surface, const CRect& clip) {
    if (clip.Width() <= 0 || clip.Height() <= 0)
        return;
    const CRect area = view_.GetWindow().GetDrawRect();
    const CColour window = surface.GetSystemColour(ESystemColour::Window);
    surface.SetFont(info_.GetFont(CDisplayInfo::kMain));
    int top = area.top;
    for (int gridRow = first_; gridRow < gridRows_ && top < clip.bottom;
         ++gridRow, top += kCellHeight) {
        if (top + kCellHeight <= clip.top)
            continue;
        int x = area.left;
        for (int index = gridRow * columns_; index < std::min(count_, (gridRow + 1) * columns_);
             ++index, x += kCellWidth) {
            CMark mark = view_.GetShownMark(index);
            const CRect cell{x, top, x + kCellWidth - 1, top + kCellHeight - 1};
            if (CZrDb* db = view_.GetRegisters().GetDbOfMark(mark)) {
                db->DrawLongForm(mark, surface, cell, view_.GetBoxType(),
                                 view_.IsRowSelected(index), info_);
                if (cell.bottom <= clip.bottom)
                    mark.SetFlags(mark.GetFlags() | CMark::kSeenInIcons);
                view_.SetMarkQuiet(mark, index);
            } else {
                DrawUnknownRegisterMark(surface, cell, mark);
            }
        }
        surface.FillRect({x, top, area.right, top + kCellHeight}, window);
    }
    if (top < clip.bottom)
        surface.FillRect({clip.left, std::max(top, clip.top), clip.right, clip.bottom}, window);
}

void CZrIconView::PrefetchVisible() {
    const int firstIndex = first_ * columns_;
    view_.PrefetchSummaries(firstIndex,
                            std::min(firstIndex + (VisibleGridRows() + 1) * columns_, count_ - 1));
}

void CZrIconView::ScrollTo(int first) {
    first = std::clamp(first, 0, Maximum());
    if (first == first_)
        return;
    view_.GetWindow().ScrollDrawArea((first_ - first) * kCellHeight);
    first_ = first;
    UpdateScrollBar();
}

void CZrIconView::UpdateScrollBar() {
    FirstRowChanged(gridRows_, Maximum(), first_, first_ * columns_);
}

void CZrIconView::EnsureVisible(int index) {
    const int visible = VisibleGridRows();
    if (index < first_ * columns_)
        ScrollTo(std::min(index / columns_, Maximum()));
    else if (index > (first_ + visible) * columns_ - 1)
        ScrollTo(std::min(index / columns_ - visible + 1, Maximum()));
}

void CZrIconView::OnVScroll(EScrollCode code, int pos) {
    const int page = VisibleGridRows();
    if (const std::optional<int> target =
            ScrollTarget(code, pos, first_, first_ - page, first_ + page, Maximum()))
        ScrollTo(*target);
}

void CZrIconView::OnMouseWheel(int keyFlags, int delta) {
    if (const int lines = WheelLines(keyFlags, delta, VisibleGridRows()))
        ScrollTo(first_ + lines);
}

void CZrIconView::OnSize() {
    const int oldColumns = columns_;
    ComputeGrid();
    if (columns_ != oldColumns) {
        // The mark in the middle of the old top row stays in view.
        const int middle = std::min(oldColumns * first_ + oldColumns / 2, std::max(count_ - 1, 0));
        first_ = std::min(middle / columns_, Maximum());
        view_.GetWindow().InvalidateDrawArea(false);
    } else if (Maximum() < first_) {
        ScrollTo(Maximum());
    }
    UpdateScrollBar();
}

int CZrIconView::HitTest(CPoint point, CRect* rowRect) const {
    const CRect area = view_.GetWindow().GetDrawRect();
    const int x = point.x - area.left;
    const int y = point.y - area.top;
    if (x < 0 || y < 0)
        return -1;
    const int gridRow = first_ + y / kCellHeight;
    const int column = x / kCellWidth;
    const int index = gridRow * columns_ + column;
    if (gridRow >= gridRows_ || column >= columns_ || index >= count_)
        return -1;
    if (rowRect) {
        const int left = area.left + column * kCellWidth;
        const int top = area.top + (gridRow - first_) * kCellHeight;
        *rowRect = {left, top, left + kCellWidth, top + kCellHeight};
    }
    return index;
}

bool CZrIconView::HitTestBox(const CMark& mark, const CRect& rowRect, CPoint point) const {
    return view_.GetRegisters().GetDbOfMark(mark) && CZrDb::HitTestLongBox(rowRect, point, info_);
}

void CZrIconView::Recalculate(bool) {
    CreateFonts();
    count_ = view_.GetMarkCount();
    first_ = 0;
    ComputeGrid();
    view_.GetWindow().InvalidateDrawArea(false);
    UpdateScrollBar();
}

std::optional<int> CZrIconView::KeyTarget(EViewKey key, int focus) const {
    switch (key) {
    case EViewKey::Left:
        return focus - 1;
    case EViewKey::Right:
        return focus + 1;
    case EViewKey::Up:
        return focus - columns_;
    case EViewKey::Down:
        return focus < 0 ? 0 : focus + columns_;
    default:
        return std::nullopt;
    }
}
