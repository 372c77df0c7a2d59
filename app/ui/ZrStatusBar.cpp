#include "app/ui/ZrStatusBar.h"

#include "app/StatusPanes.h"
#include "core/ui/WxDrawSurface.h"

#include <wx/dc.h>
#include <wx/utils.h>

CZrStatusBar::CZrStatusBar(wxWindow* parent, std::function<bool()> hasTrainingDb)
    : wxStatusBar(parent, wxID_ANY), hasTrainingDb_(std::move(hasTrainingDb)) {
    const int padding = FromDIP(12);
    const auto width = [this, padding](const char* text) {
        return GetTextExtent(text).x + padding;
    };
    const int widths[kFieldCount] = {-1, width(kTrainingText), width("CAP"), width("NUM"),
                                     width("SCRL")};
    SetFieldsCount(kFieldCount, widths);
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
