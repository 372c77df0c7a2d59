#pragma once
// The window a view draws its displays in, with its own vertical scroll bar: it paints only
// what the update region asks for and hands the mouse, the keys, the wheel and the scroll bar
// to its view. The results window and the main view's section area are canvases.

#include "app/views/ViewWindow.h"

#include <wx/window.h>

class CZrView;

class CMarkCanvas : public wxWindow, public IViewWindow {
public:
    CMarkCanvas(wxWindow* parent, wxWindowID id);

    // The view it serves; set once, before the canvas is shown.
    void SetView(CZrView& view) { view_ = &view; }
    // The view is going: nothing more is drawn.
    void DetachView() { view_ = nullptr; }
    CZrView& GetView() const { return *view_; }

    // IViewWindow.
    CRect GetDrawRect() const override;
    void ScrollDrawArea(int dy) override;
    void SetScrollBar(int maximum, int page, int position) override;
    void InvalidateDrawArea(bool erase) override;
    std::unique_ptr<IDrawSurface> MeasuringSurface() override;
    void Beep() override;
    void TakeFocus() override { SetFocus(); }
    void SetBusy(bool busy) override;

    // Shift and Control as the views' key flags.
    static int KeyFlags(const wxKeyboardState& state);

protected:
    virtual void OnLeftDown(wxMouseEvent& event);
    virtual void OnLeftUp(wxMouseEvent& event);
    virtual void OnMotion(wxMouseEvent& event) { event.Skip(); }
    // The context menu of the view.
    virtual void OnContextMenu(const wxPoint& point) = 0;

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnWheel(wxMouseEvent& event);

    CZrView* view_ = nullptr;
};
