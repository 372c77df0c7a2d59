#include "core/ui/GraphicButton.h"

#include "core/ui/WxDrawSurface.h"

#include <wx/dcclient.h>

CGraphicButton::CGraphicButton(wxWindow* parent, wxWindowID id, int glyph, int behaviour,
                               int margin, const wxPoint& position, const wxSize& size)
    : wxControl(parent, id, position, size, wxBORDER_NONE), glyph_(glyph), margin_(margin),
      state_(behaviour), timer_(this, CGraphicButtonState::kTimerId) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CGraphicButton::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CGraphicButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CGraphicButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGraphicButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGraphicButton::OnCaptureLost, this);
    Bind(wxEVT_TIMER, &CGraphicButton::OnTimer, this, CGraphicButtonState::kTimerId);
}

void CGraphicButton::SetStyle(int glyph, int behaviour, int margin) {
    glyph_ = glyph;
    margin_ = margin;
    state_.SetBehaviour(behaviour);
    Refresh();
}

bool CGraphicButton::Enable(bool enable) {
    if (!enable) {
        if (HasCapture())
            ReleaseMouse();
        timer_.Stop();
        state_.Disable();
    }
    return wxControl::Enable(enable);
}

void CGraphicButton::SendCommand() {
    wxCommandEvent command(wxEVT_BUTTON, GetId());
    command.SetEventObject(this);
    HandleWindowEvent(command);
}

void CGraphicButton::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    CWxDrawSurface surface(dc);
    const wxSize size = GetClientSize();
    DrawGraphicButton(surface, {0, 0, size.x, size.y}, glyph_, margin_, state_.IsPressed(),
                      IsEnabled());
}

void CGraphicButton::OnLeftDown(wxMouseEvent&) {
    if (!HasCapture())
        CaptureMouse();
    const bool send = state_.Press();
    Refresh();
    Update();
    if (state_.IsTimerRunning())
        timer_.Start(CGraphicButtonState::kTimerPeriodMs);
    if (send)
        SendCommand();
}

void CGraphicButton::OnLeftUp(wxMouseEvent&) {
    if (HasCapture())
        ReleaseMouse();
    timer_.Stop();
    const bool send = state_.Release();
    Refresh();
    if (send)
        SendCommand();
}

void CGraphicButton::OnCaptureLost(wxMouseCaptureLostEvent&) {
    timer_.Stop();
    state_.Disable();
    Refresh();
}

void CGraphicButton::OnTimer(wxTimerEvent&) {
    if (state_.Tick())
        SendCommand();
}
