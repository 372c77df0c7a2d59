#pragma once
// A fixed number of visible rows over a longer list, as a column of check boxes with its own
// scroll bar shows it: moved by a line, a window, the thumb or to either end, and by mouse-wheel
// notches times the system's wheel lines (at most a window per wheel message), never past the
// last full window.

class CRowWindow {
public:
    enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbTrack, Top, Bottom };

    // One notch of the mouse wheel.
    static constexpr int kWheelDelta = 120;

    CRowWindow(int visibleRows, int wheelLines)
        : visibleRows_(visibleRows), wheelLines_(wheelLines) {}

    void SetVisibleRows(int rows);
    int GetVisibleRows() const { return visibleRows_; }
    // The first row is held within the new count.
    void SetRowCount(int rows);
    int GetRowCount() const { return rowCount_; }
    int GetFirstRow() const { return firstRow_; }
    // Back to the first row, with no wheel movement pending.
    void Reset();

    bool NeedsScrollBar() const { return rowCount_ > visibleRows_; }
    void Scroll(ScrollCode code, int trackPosition = 0);
    // Ignored while Shift or Ctrl is held.
    void OnMouseWheel(bool shiftOrControl, int delta);

private:
    int LastFirstRow() const;
    void MoveFirstRow(int row);

    int visibleRows_;
    int wheelLines_;
    int rowCount_ = 0;
    int firstRow_ = 0;
    int wheelRemainder_ = 0;
};
