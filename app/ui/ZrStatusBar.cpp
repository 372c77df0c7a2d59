#include "app/ui/ZrStatusBar.h"

#include "app/StatusPanes.h"
#include "app/ui/CommandPrompts.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"

#include <wx/dc.h>
#include <wx/frame.h>
#include <wx/utils.h>

CZrStatusBar::CZrStatusBar(wxFrame* frame, std::function<bool()> hasTrainingDb)
    : wxStatusBar(frame, wxID_ANY), hasTrainingDb_(std::move(hasTrainingDb)) {
    const int padding = FromDIP(12);
    const auto width = [this, padding](const char* text) {
        return GetTextExtent(text).x + padding;
    };
    const int widths[kFieldCount] = {-1, width(kTrainingText), width("CAP"), width("NUM"),
                                     width("SCRL")};
    SetFieldsCount(kFieldCount, widths);
    SetStatusText(kIdleText, kMessage);
    // The prompts come from here; the frame's own help would show the items' empty help texts.
    frame->SetStatusBarPane(-1);
    frame->Bind(wxEVT_MENU_HIGHLIGHT, &CZrStatusBar::OnMenuHighlight, this);
    frame->Bind(wxEVT_MENU_CLOSE, &CZrStatusBar::OnMenuClose, this);
    frame->Bind(wxEVT_TOOL_ENTER, &CZrStatusBar::OnToolEnter, this);
}

void CZrStatusBar::OnMenuHighlight(wxMenuEvent& event) {
    // Between items, and on a submenu, the pane is blank.
    SetStatusText(ToWx(CommandPrompt(event.GetMenuId())), kMessage);
}

void CZrStatusBar::OnMenuClose(wxMenuEvent& event) {
    event.Skip();
    SetStatusText(kIdleText, kMessage);
}

void CZrStatusBar::OnToolEnter(wxCommandEvent& event) {
    // The pointer left the tools when there is no tool.
    const int tool = event.GetSelection();
    SetStatusText(tool == wxID_ANY ? wxString(kIdleText) : ToWx(CommandPrompt(tool)), kMessage);
}

void CZrStatusBar::UpdateLockKeys() {
    const auto show = [this](Field field, wxKeyCode key, const char* text) {
        const wxString wanted = wxGetKeyState(key) ? text : "";
        if (GetStatusText(field) != wanted)
            SetStatusText(wanted, field);
    };
    show(kCapsLock, WXK_CAPITAL, "CAP");
    show(kNumLock, WXK_NUMLOCK, "NUM");
    show(kScrollLock, WXK_SCROLL, "SCRL");
}

void CZrStatusBar::DrawField(wxDC& dc, int i, int textHeight) {
    if (i != kTraining) {
        wxStatusBar::DrawField(dc, i, textHeight);
        return;
    }
    wxRect rect;
    GetFieldRect(i, rect);
    CWxDrawSurface surface(dc);
    DrawTrainingPane(surface, {rect.x, rect.y, rect.GetRight() + 1, rect.GetBottom() + 1},
                     hasTrainingDb_ && hasTrainingDb_());
}
