#include "app/views/ui/MarkCanvas.h"

#include "app/views/ZrView.h"
#include "app/views/ui/ScrollCodes.h"
#include "core/ui/WxDrawSurface.h"

#include <wx/dcbuffer.h>
#include <wx/utils.h>

namespace {

EViewKey ToViewKey(int keyCode) {
    switch (keyCode) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return EViewKey::Enter;
    case WXK_UP:
        return EViewKey::Up;
    case WXK_DOWN:
        return EViewKey::Down;
    case WXK_LEFT:
        return EViewKey::Left;
    case WXK_RIGHT:
        return EViewKey::Right;
    case WXK_PAGEUP:
        return EViewKey::PageUp;
    case WXK_PAGEDOWN:
        return EViewKey::PageDown;
    case WXK_HOME:
        return EViewKey::Home;
    case WXK_END:
        return EViewKey::End;
    default:
        return EViewKey::Other;
    }
}

} // namespace

CMarkCanvas::CMarkCanvas(wxWindow* parent, wxWindowID id)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize,
               wxVSCROLL | wxALWAYS_SHOW_SB | wxWANTS_CHARS | wxBORDER_NONE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CMarkCanvas::OnPaint, this);
    Bind(wxEVT_SIZE, &CMarkCanvas::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &CMarkCanvas::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CMarkCanvas::OnLeftUp, this);
    Bind(wxEVT_MOTION, &CMarkCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& event) {
        view_->OnLButtonDblClk(KeyFlags(event), {event.GetX(), event.GetY()});
    });
    Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent& event) {
        SetFocus();
        view_->OnRButtonDown(KeyFlags(event), {event.GetX(), event.GetY()});
    });
    Bind(wxEVT_RIGHT_UP, [this](wxMouseEvent& event) { OnContextMenu(event.GetPosition()); });
    Bind(wxEVT_KEY_DOWN, &CMarkCanvas::OnKeyDown, this);
    Bind(wxEVT_MOUSEWHEEL, &CMarkCanvas::OnWheel, this);
    for (const wxEventTypeTag<wxScrollWinEvent>& type :
         {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
          wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
          wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        Bind(type, &CMarkCanvas::OnScroll, this);
}

int CMarkCanvas::KeyFlags(const wxKeyboardState& state) {
    return (state.ShiftDown() ? CRowSelection::kShift : 0) |
           (state.ControlDown() ? CRowSelection::kControl : 0);
}

CRect CMarkCanvas::GetDrawRect() const {
    const wxSize size = GetClientSize();
    return {0, 0, size.x, size.y};
}

void CMarkCanvas::ScrollDrawArea(int dy) {
    ScrollWindow(0, dy);
}

void CMarkCanvas::SetScrollBar(int maximum, int page, int position) {
    if (maximum < 0)
        SetScrollbar(wxVERTICAL, 0, 0, 0);
    else
        SetScrollbar(wxVERTICAL, position, page, maximum + 1);
}

void CMarkCanvas::InvalidateDrawArea(bool erase) {
    Refresh(erase);
}

std::unique_ptr<IDrawSurface> CMarkCanvas::MeasuringSurface() {
    return MakeMeasuringSurface(GetFont());
}

void CMarkCanvas::Beep() {
    wxBell();
}

void CMarkCanvas::SetBusy(bool busy) {
    if (busy)
        wxBeginBusyCursor();
    else
        wxEndBusyCursor();
}

void CMarkCanvas::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    if (!view_)
        return;
    CWxDrawSurface surface(dc);
    const wxRect box = GetUpdateClientRect();
    view_->Draw(surface, {box.x, box.y, box.GetRight() + 1, box.GetBottom() + 1});
}

void CMarkCanvas::OnSize(wxSizeEvent& event) {
    event.Skip();
    if (view_)
        view_->OnSize();
}

void CMarkCanvas::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    view_->OnLButtonDown(KeyFlags(event), {event.GetX(), event.GetY()});
}

void CMarkCanvas::OnLeftUp(wxMouseEvent& event) {
    event.Skip();
    view_->CompleteClick(false);
}

void CMarkCanvas::OnScroll(wxScrollWinEvent& event) {
    view_->OnVScroll(ToScrollCode(event.GetEventType()), event.GetPosition());
}

void CMarkCanvas::OnKeyDown(wxKeyEvent& event) {
    if (!view_->OnKeyDown(ToViewKey(event.GetKeyCode()), KeyFlags(event)))
        event.Skip();
}

void CMarkCanvas::OnWheel(wxMouseEvent& event) {
    view_->OnMouseWheel(KeyFlags(event), event.GetWheelRotation(), event.GetLinesPerAction());
}
