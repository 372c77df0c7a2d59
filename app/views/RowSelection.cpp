#include "app/views/RowSelection.h"

#include <algorithm>

void CRowSelection::AddRange(int from, int to) {
    for (int row = std::min(from, to); row <= std::max(from, to); ++row)
        rows_.insert(row);
}

void CRowSelection::Select(int row, int keyFlags) {
    pending_ = -1;
    const bool shift = (keyFlags & kShift) != 0;
    const bool control = (keyFlags & kControl) != 0;
    if (shift && control) {
        AddRange(anchor_ < 0 ? row : anchor_, row);
    } else if (control) {
        if (!rows_.erase(row))
            rows_.insert(row);
        anchor_ = row;
    } else if (shift) {
        rows_.clear();
        AddRange(anchor_ < 0 ? row : anchor_, row);
    } else if (rows_.contains(row)) {
        pending_ = row;
    } else {
        rows_ = {row};
        anchor_ = row;
    }
    focus_ = row;
}

bool CRowSelection::CompleteClick(bool dragged) {
    const int pending = pending_;
    pending_ = -1;
    if (dragged || pending < 0)
        return false;
    rows_ = {pending};
    anchor_ = focus_ = pending;
    return true;
}

void CRowSelection::Clear() {
    rows_.clear();
    focus_ = anchor_ = pending_ = -1;
}

void CRowSelection::SelectAll(int count) {
    Clear();
    for (int row = 0; row < count; ++row)
        rows_.insert(row);
}
