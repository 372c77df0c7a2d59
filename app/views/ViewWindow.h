#pragma once
// What a view asks of the window it draws in: the area, its scroll bar, repainting, a surface to
// measure fonts on, a beep and the wait cursor. The views' windows implement it over wxWidgets;
// tests implement it over plain data.

#include "core/DrawSurface.h"

#include <memory>

class IViewWindow {
public:
    virtual ~IViewWindow() = default;

    // The area the displays draw in.
    virtual CRect GetDrawRect() const = 0;
    // Moves what the area shows down by dy pixels (up when negative); the part uncovered is
    // painted again.
    virtual void ScrollDrawArea(int dy) = 0;
    // The vertical scroll bar: positions 0 to maximum, the page, the position.
    virtual void SetScrollBar(int maximum, int page, int position) = 0;
    virtual void InvalidateDrawArea(bool erase) = 0;
    // A surface of the window's device, for measuring fonts.
    virtual std::unique_ptr<IDrawSurface> MeasuringSurface() = 0;
    virtual void Beep() = 0;
    virtual void TakeFocus() = 0;
    // The wait cursor on or off.
    virtual void SetBusy(bool busy) = 0;
};

// The wait cursor for as long as the object lives.
class CBusyWindow {
public:
    explicit CBusyWindow(IViewWindow& window) : window_(window) { window_.SetBusy(true); }
    ~CBusyWindow() { window_.SetBusy(false); }
    CBusyWindow(const CBusyWindow&) = delete;
    CBusyWindow& operator=(const CBusyWindow&) = delete;

private:
    IViewWindow& window_;
};
