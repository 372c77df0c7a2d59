#pragma once
// A web-style link: link colours, underline on hover, a hand cursor, a tool tip with the target,
// and on a click the target is opened in the user's browser. A failure is told in a warning
// ("W307 Unable to open hyperlink: ...").

#include "core/HyperLinkLook.h"

#include <functional>
#include <string>
#include <wx/control.h>
#include <wx/timer.h>

class CHyperLink : public wxControl {
public:
    static constexpr int kHoverTimerId = 100;
    static constexpr int kHoverPeriodMs = 100;
    // Opens a target; above 32 means it was handed over (platform/OpenUrl.h).
    using Opener = std::function<int(const std::string& target)>;

    // An empty target is taken from the text, an empty text from the target. Without an opener
    // platform::OpenUrl serves. wxALIGN_CENTRE_HORIZONTAL or wxALIGN_RIGHT keep the middle or
    // the right edge when the link resizes to its text.
    CHyperLink(wxWindow* parent, wxWindowID id, const wxString& text, const std::string& target,
               long style = 0, Opener opener = {});

    void SetURL(const std::string& target);
    const std::string& GetURL() const { return target_; }
    void SetVisited(bool visited);
    bool IsVisited() const { return visited_; }
    // kUnderlineAlways, kUnderlineNever or kUnderlineOnHover (the default).
    void SetUnderline(int mode);
    bool IsHovering() const { return hovering_; }
    // The colour and underline it is drawn with now.
    CHyperLinkLook GetLook() const { return GetHyperLinkLook(hovering_, visited_, underline_); }

    // A click: opens the target.
    void Open();

protected:
    wxSize DoGetBestSize() const override;

private:
    void FitToText();
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnHoverTimer(wxTimerEvent& event);

    std::string target_;
    Opener opener_;
    int underline_ = kUnderlineOnHover;
    bool hovering_ = false;
    bool visited_ = false;
    wxTimer hoverTimer_;
};
