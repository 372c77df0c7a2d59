#pragma once
// The display modes of a view, without a window: marks as rows of their registers' short form
// (CZrListView), marks as a grid of icon cells (CZrIconView), and searches as rows of two lines
// (CZrSearchView). Each draws into the view's draw area, scrolls it, answers hit tests and
// handles the mouse, the wheel and the keys; the view routes its window's input to the active
// one.

#include "core/DrawSurface.h"
#include "core/Mark.h"
#include "registers/DisplayInfo.h"

#include <optional>

class CZrView;

enum class EViewKey { Enter, Up, Down, Left, Right, PageUp, PageDown, Home, End, Other };
enum class EScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbTrack,
    ThumbPosition,
    Top,
    Bottom
};

// The first row a scroll code asks for, given where a page up and a page down lead; nothing for
// the end of a thumb drag, which leaves the position where tracking put it.
std::optional<int> ScrollTarget(EScrollCode code, int pos, int first, int pageUp, int pageDown,
                                int maximum);

class CZrSubView {
public:
    explicit CZrSubView(CZrView& view) : view_(view) {}
    CZrSubView(const CZrSubView&) = delete;
    CZrSubView& operator=(const CZrSubView&) = delete;
    virtual ~CZrSubView() = default;

    // The mouse on a mark display: a click selects, and on a mark's box keeps or discards it
    // (results) or makes it long or short (main view); a double click opens its details.
    virtual void OnLButtonDown(int keyFlags, CPoint point);
    virtual void OnRButtonDown(int keyFlags, CPoint point);
    virtual void OnLButtonDblClk(int keyFlags, CPoint point);
    // Enter opens the details of the one selected row; the arrows move the selection (with
    // Shift a range). False for keys the display leaves to the view.
    virtual bool OnKeyDown(EViewKey key, int keyFlags);

    virtual void Draw(IDrawSurface& surface, const CRect& clip) = 0;
    // Fetches the summary records of the rows about to be shown.
    virtual void PrefetchVisible() {}
    virtual void EnsureVisible(int row) = 0;
    // pos is the thumb's position for ThumbTrack.
    virtual void OnVScroll(EScrollCode code, int pos) = 0;
    // Ignored while Shift or Control is held; at most a page either way.
    virtual void OnMouseWheel(int keyFlags, int delta) = 0;
    virtual void OnSize() = 0;
    // The row under the point, with its rectangle; -1 for none.
    virtual int HitTest(CPoint point, CRect* rowRect) const = 0;
    virtual bool HitTestBox(const CMark& mark, const CRect& rowRect, CPoint point) const = 0;
    // The first visible mark (or search) row, and how many rows are visible.
    virtual int GetFirstVisible() const = 0;
    virtual int GetVisibleCount() const = 0;
    // The fonts made again and the rows counted again; back to the top when asked.
    virtual void Recalculate(bool resetToTop) = 0;
    void Reset() { Recalculate(true); }

    // Lines to scroll for a wheel delta: none until the deltas add up to a notch (120), then
    // the wheel lines per notch, negative (up) for forward turns.
    int WheelDeltaToLines(int delta);
    void SetWheelLines(int lines) { wheelLines_ = lines; }
    const CDisplayInfo& GetDisplayInfo() const { return info_; }

protected:
    void CreateFonts();
    // A mark whose letter names no register (pasted, or loaded from a file) shows that in its
    // row or cell; no register is asked.
    void DrawUnknownRegisterMark(IDrawSurface& surface, const CRect& rect, const CMark& mark) const;
    // The scroll bar after the first row changed, then the view is told and the rows about to
    // be shown fetched.
    void FirstRowChanged(int count, int maximum, int first, int firstIndex);
    // Where an arrow key moves the focus from; nothing for keys that move nothing.
    virtual std::optional<int> KeyTarget(EViewKey key, int focus) const = 0;
    // The wheel's lines limited to a page either way.
    int WheelLines(int keyFlags, int delta, int page);

    CZrView& view_;
    CDisplayInfo info_;

private:
    int wheelAccumulator_ = 0;
    int wheelLines_ = 3;
};

// Rows of marks drawn by their registers; rows differ in height.
class CZrListView : public CZrSubView {
public:
    using CZrSubView::CZrSubView;

    void Draw(IDrawSurface& surface, const CRect& clip) override;
    void PrefetchVisible() override;
    void EnsureVisible(int row) override;
    void OnVScroll(EScrollCode code, int pos) override;
    void OnMouseWheel(int keyFlags, int delta) override;
    void OnSize() override;
    int HitTest(CPoint point, CRect* rowRect) const override;
    bool HitTestBox(const CMark& mark, const CRect& rowRect, CPoint point) const override;
    int GetFirstVisible() const override { return first_; }
    int GetVisibleCount() const override { return VisibleCountFrom(first_); }
    void Recalculate(bool resetToTop) override;

    int GetCount() const { return count_; }
    // The largest first row that still shows row n - 1 at the bottom: rows n - 1, n - 2, ...
    // as long as they fit the draw height (row n - 1 always).
    int FirstForBottom(int n) const;
    // Rows from f that end within the draw height, at least one.
    int VisibleCountFrom(int f) const;
    int RowHeight(int row) const;

protected:
    std::optional<int> KeyTarget(EViewKey key, int focus) const override;

private:
    int Maximum() const { return FirstForBottom(count_); }
    void ScrollTo(int first);
    void UpdateScrollBar();

    int count_ = 0;
    int first_ = 0;
};

// A grid of 99 x 128 cells of icons, as many columns as fit.
class CZrIconView : public CZrSubView {
public:
    static constexpr int kCellWidth = 99;
    static constexpr int kCellHeight = 128;

    using CZrSubView::CZrSubView;

    void Draw(IDrawSurface& surface, const CRect& clip) override;
    void PrefetchVisible() override;
    void EnsureVisible(int index) override;
    void OnVScroll(EScrollCode code, int pos) override;
    void OnMouseWheel(int keyFlags, int delta) override;
    // A new column count keeps the mark in the middle of the old top row in view.
    void OnSize() override;
    int HitTest(CPoint point, CRect* rowRect) const override;
    bool HitTestBox(const CMark& mark, const CRect& rowRect, CPoint point) const override;
    int GetFirstVisible() const override { return first_ * columns_; }
    int GetVisibleCount() const override { return VisibleGridRows() * columns_; }
    // Always back to the top.
    void Recalculate(bool resetToTop) override;

    int GetColumns() const { return columns_; }
    int GetFirstGridRow() const { return first_; }

protected:
    std::optional<int> KeyTarget(EViewKey key, int focus) const override;

private:
    void ComputeGrid();
    int VisibleGridRows() const;
    int Maximum() const;
    void ScrollTo(int first);
    void UpdateScrollBar();

    int count_ = 0;
    int columns_ = 1;
    int gridRows_ = 0;
    int first_ = 0;
};

// The searches of the view, two lines each, with a tick for those that ran.
class CZrSearchView : public CZrSubView {
public:
    using CZrSubView::CZrSubView;

    void OnLButtonDown(int keyFlags, CPoint point) override;
    void OnRButtonDown(int keyFlags, CPoint point) override;
    void OnLButtonDblClk(int keyFlags, CPoint point) override;
    // Enter opens the current search; Up and Down move it.
    bool OnKeyDown(EViewKey key, int keyFlags) override;
    void Draw(IDrawSurface& surface, const CRect& clip) override;
    void EnsureVisible(int row) override;
    void OnVScroll(EScrollCode code, int pos) override;
    void OnMouseWheel(int keyFlags, int delta) override;
    void OnSize() override;
    int HitTest(CPoint point, CRect* rowRect) const override;
    bool HitTestBox(const CMark&, const CRect&, CPoint) const override { return false; }
    int GetFirstVisible() const override { return first_; }
    int GetVisibleCount() const override;
    void Recalculate(bool resetToTop) override;

    int RowHeight() const;

protected:
    std::optional<int> KeyTarget(EViewKey, int) const override { return std::nullopt; }

private:
    int Maximum() const;
    void ScrollTo(int first);
    void UpdateScrollBar();
    void DrawRow(IDrawSurface& surface, int row, const CRect& rect) const;

    int count_ = 0;
    int first_ = 0;
};
