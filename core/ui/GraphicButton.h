#pragma once
// An arrow button drawn by the program (the scroll buttons of tab strips and list boxes). An
// auto-repeat button sends its command (a wxEVT_BUTTON with its id) at once when pressed and
// again every 100 ms from the sixth tick on while held; a plain one sends it when released.

#include "core/GraphicButton.h"

#include <wx/control.h>
#include <wx/timer.h>

class CGraphicButton : public wxControl {
public:
    CGraphicButton(wxWindow* parent, wxWindowID id, int glyph, int behaviour, int margin,
                   const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize);

    void SetStyle(int glyph, int behaviour, int margin);
    // Disabling lets go of a held button.
    bool Enable(bool enable = true) override;
    bool IsPressed() const { return state_.IsPressed(); }

protected:
    wxSize DoGetBestSize() const override { return FromDIP(wxSize(16, 16)); }

private:
    void SendCommand();
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnTimer(wxTimerEvent& event);

    int glyph_;
    int margin_;
    CGraphicButtonState state_;
    wxTimer timer_;
};
