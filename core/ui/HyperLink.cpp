#include "core/ui/HyperLink.h"

#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/utils.h>

CHyperLink::CHyperLink(wxWindow* parent, wxWindowID id, const wxString& text,
                       const std::string& target, long style, Opener opener)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, style | wxBORDER_NONE),
      target_(target.empty() ? FromWx(text) : target),
      opener_(opener ? std::move(opener) : Opener(platform::OpenUrl)),
      hoverTimer_(this, kHoverTimerId) {
    SetLabel(text.empty() ? ToWx(target_) : text);
    SetCursor(wxCursor(wxCURSOR_HAND));
    SetToolTip(ToWx(target_));
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    FitToText();
    Bind(wxEVT_PAINT, &CHyperLink::OnPaint, this);
    Bind(wxEVT_MOTION, &CHyperLink::OnMotion, this);
    Bind(wxEVT_ENTER_WINDOW, &CHyperLink::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CHyperLink::OnLeftUp, this);
    Bind(wxEVT_TIMER, &CHyperLink::OnHoverTimer, this, kHoverTimerId);
}

void CHyperLink::SetURL(const std::string& target) {
    target_ = target;
    SetToolTip(ToWx(target_));
    FitToText();
}

void CHyperLink::SetVisited(bool visited) {
    visited_ = visited;
    Refresh();
}

void CHyperLink::SetUnderline(int mode) {
    if (mode == underline_)
        return;
    underline_ = mode;
    Refresh();
}

// One pixel below the text for the underline.
wxSize CHyperLink::DoGetBestSize() const {
    return GetTextExtent(GetLabel()) + wxSize(0, 1);
}

void CHyperLink::FitToText() {
    InvalidateBestSize();
    const wxRect old = GetRect();
    const wxSize best = GetBestSize();
    wxRect fitted(old.GetPosition(), best);
    if (HasFlag(wxALIGN_CENTRE_HORIZONTAL))
        fitted.x = old.x + (old.width - best.x) / 2;
    else if (HasFlag(wxALIGN_RIGHT))
        fitted.x = old.GetRight() + 1 - best.x;
    SetMinSize(best);
    SetSize(fitted);
}

void CHyperLink::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    CWxDrawSurface surface(dc);
    const wxSize size = GetClientSize();
    surface.FillRect({0, 0, size.x, size.y}, surface.GetSystemColour(ESystemColour::ButtonFace));
    const CHyperLinkLook look = GetLook();
    wxFont font = GetFont();
    font.SetUnderlined(look.underlined);
    dc.SetFont(font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(wxColour(look.colour.red, look.colour.green, look.colour.blue));
    dc.DrawText(GetLabel(), 0, 0);
}

void CHyperLink::OnMotion(wxMouseEvent& event) {
    event.Skip();
    if (hovering_)
        return;
    hovering_ = true;
    Refresh();
    hoverTimer_.Start(kHoverPeriodMs);
}

void CHyperLink::OnHoverTimer(wxTimerEvent&) {
    if (GetScreenRect().Contains(wxGetMousePosition()))
        return;
    hovering_ = false;
    hoverTimer_.Stop();
    Refresh();
}

void CHyperLink::OnLeftUp(wxMouseEvent&) {
    Open();
}

void CHyperLink::Open() {
    hovering_ = false;
    hoverTimer_.Stop();
    const int result = opener_(target_);
    if (result > 32) {
        SetVisited(true);
        return;
    }
    Refresh();
    wxBell();
    platform::ShowMessageBox(
        {"W307 Unable to open hyperlink:\n\n" + platform::OpenUrlErrorText(result), "",
         platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}
