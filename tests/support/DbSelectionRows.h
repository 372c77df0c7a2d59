#pragma once
// The database selection panel's window as a user reads and clicks it: its visible rows by their
// text, and its tabs (any strip of tabs alike); and the "Change Engines" dialog it opens.

#include "WxTestSupport.h"
#include "core/ui/Tabs.h"
#include "core/ui/WxText.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"
#include "engines/ui/ChangeEnginesDlg.h"

#include <set>
#include <string>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>

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

// One notch of the wheel over the window, as wxGTK reports it: over a scroll bar as a sideways
// turn, positive toward the bottom.
inline void TurnWheel(wxWindow& over, bool down) {
    const bool bar = dynamic_cast<wxScrollBar*>(&over) != nullptr;
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelAxis = bar ? wxMOUSE_WHEEL_HORIZONTAL : wxMOUSE_WHEEL_VERTICAL;
    wheel.m_wheelDelta = 120;
    wheel.m_wheelRotation = down == bar ? 120 : -120;
    wheel.SetEventObject(&over);
    over.GetEventHandler()->ProcessEvent(wheel);
}

// Ticks every row of the panel's current tab but the one showing the text (and so the rows it
// would open), scrolling down through them; a row that will not stay ticked is tried once.
inline void TickEveryRow(wxWindow& window, const std::string& skipped) {
    auto& firstRow = Child<wxCheckBox>(window, CDbSelectionPanelWnd::kCheckIds[0]);
    std::set<std::string> tried = {skipped};
    for (wxString top; top != firstRow.GetLabel(); TurnWheel(firstRow, true)) {
        top = firstRow.GetLabel();
        for (const int id : CDbSelectionPanelWnd::kCheckIds) {
            auto* check = dynamic_cast<wxCheckBox*>(window.FindWindow(id));
            if (check && check->IsShown() && check->IsEnabled() && !check->GetValue() &&
                tried.insert(FromWx(check->GetLabel())).second)
                Tick(*check, true);
        }
    }
}

// A click on the strip's tab of that index.
inline void ClickTab(CTabs& tabs, int tab) {
    for (int x = 0; x < tabs.GetClientSize().x; ++x)
        if (tabs.HitTest({x, 2}) == tab) {
            wxMouseEvent down(wxEVT_LEFT_DOWN);
            down.SetPosition({x, 2});
            tabs.GetEventHandler()->ProcessEvent(down);
            return;
        }
    FAIL() << "no tab " << tab;
}

// A click on the panel's tab of that index.
inline void ClickDbSelectionTab(wxWindow& window, int tab) {
    ClickTab(Child<CTabs>(window, CDbSelectionPanelWnd::kTabsId), tab);
}

// Picks the entry of a list as a user does: the selection, then its command event.
inline void Pick(wxChoice& list, int entry) {
    list.SetSelection(entry);
    wxCommandEvent pick(wxEVT_CHOICE, list.GetId());
    pick.SetEventObject(&list);
    pick.SetInt(entry);
    list.GetEventHandler()->ProcessEvent(pick);
}

// In "Change Engines": the entry of the row labelled so ("EU&TM"), then the button (OK or Cancel).
inline void ChooseEngine(wxWindow& engines, const std::string& label, int entry,
                         int button = wxID_OK) {
    for (int row = 0; row < CEngineDlgHelper::kVisibleRows; ++row) {
        auto& shown = Child<wxStaticText>(engines, CChangeEnginesDlg::kFirstLabelId + row);
        if (shown.IsShown() && FromWx(shown.GetLabel()) == label) {
            Pick(Child<wxChoice>(engines, CChangeEnginesDlg::kListIds[row]), entry);
            Click(Child<wxButton>(engines, button));
            return;
        }
    }
    FAIL() << "no row " << label;
}

} // namespace wx_test
