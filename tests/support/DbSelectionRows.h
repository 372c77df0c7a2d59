#pragma once
// The database selection panel's window as a user reads and clicks it: its visible rows by their
// text, and its tabs.

#include "WxTestSupport.h"
#include "core/ui/Tabs.h"
#include "core/ui/WxText.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"

#include <string>
#include <wx/checkbox.h>

namespace wx_test {

// The visible row check box showing the text; null when none does.
inline wxCheckBox* FindDbSelectionRow(wxWindow& window, const std::string& text) {
    for (const int id : CDbSelectionPanelWnd::kCheckIds) {
        auto* check = dynamic_cast<wxCheckBox*>(window.FindWindow(id));
        if (check && check->IsShown() && FromWx(check->GetLabel()) == text)
            return check;
    }
    return nullptr;
}

// Ticks or unticks the row showing the text as a user's click does, unless it shows that state.
inline void SetDbSelectionRow(wxWindow& window, const std::string& text, bool ticked) {
    wxCheckBox* check = FindDbSelectionRow(window, text);
    ASSERT_NE(check, nullptr) << "no row " << text;
    if (check->GetValue() != ticked)
        Tick(*check, ticked);
}

// A click on the panel's tab of that index.
inline void ClickDbSelectionTab(wxWindow& window, int tab) {
    auto& tabs = Child<CTabs>(window, CDbSelectionPanelWnd::kTabsId);
    for (int x = 0; x < tabs.GetClientSize().x; ++x)
        if (tabs.HitTest({x, 2}) == tab) {
            wxMouseEvent down(wxEVT_LEFT_DOWN);
            down.SetPosition({x, 2});
            tabs.GetEventHandler()->ProcessEvent(down);
            return;
        }
    FAIL() << "no tab " << tab;
}

} // namespace wx_test
