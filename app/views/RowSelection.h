#pragma once
// The selected rows of a mark display, as mouse clicks and keys change them: a plain click
// selects one row, Ctrl toggles a row, Shift selects a range from the anchor. A plain click on a
// row that is already selected waits for the button's release (CompleteClick), so that a drag
// can start from a multiple selection.

#include <set>

class CRowSelection {
public:
    // Key flags of mouse messages.
    static constexpr int kShift = 4;
    static constexpr int kControl = 8;

    void Select(int row, int keyFlags);
    // The button is released, or a drag ended: without a drag a pending row becomes the whole
    // selection. True when the selection changed.
    bool CompleteClick(bool dragged);
    void Clear();
    // Rows 0 to count - 1.
    void SelectAll(int count);

    bool IsSelected(int row) const { return rows_.contains(row); }
    int GetCount() const { return static_cast<int>(rows_.size()); }
    const std::set<int>& GetRows() const { return rows_; }
    // -1 when none.
    int GetFocus() const { return focus_; }
    int GetAnchor() const { return anchor_; }
    int GetPending() const { return pending_; }

private:
    void AddRange(int from, int to);

    std::set<int> rows_;
    int focus_ = -1;
    int anchor_ = -1;
    int pending_ = -1;
};
