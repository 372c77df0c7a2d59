// The "Change Databases" and "Change Engines" dialogs under the display, over the service's
// registers: the checks OK makes, the direct database's notice and the engine choice.

#include "engines/selection/ui/ChangeDatabasesDlg.h"

#include "ConnectedFixture.h"
#include "WxTestSupport.h"
#include "core/ui/Tabs.h"
#include "core/ui/WxText.h"
#include "engines/selection/ChangeDatabases.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"
#include "engines/ui/ChangeEnginesDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>

namespace {

using Texts = std::vector<std::string>;

// The visible row check box showing the text; null when none does.
wxCheckBox* Row(wxWindow& dialog, const std::string& text) {
    for (int id : CDbSelectionPanelWnd::kCheckIds) {
        auto* check = dynamic_cast<wxCheckBox*>(dialog.FindWindow(id));
        if (check && check->IsShown() && FromWx(check->GetLabel()) == text)
            return check;
    }
    return nullptr;
}

void Tick(wxWindow& dialog, const std::string& text) {
    wxCheckBox* check = Row(dialog, text);
    ASSERT_NE(check, nullptr) << text;
    check->SetValue(!check->GetValue());
    wxCommandEvent click(wxEVT_CHECKBOX, check->GetId());
    click.SetEventObject(check);
    click.SetInt(check->GetValue());
    check->GetEventHandler()->ProcessEvent(click);
}

// A click on the tab strip's tab of that index.
void ClickTab(wxWindow& dialog, int tab) {
    auto& tabs = wx_test::Child<CTabs>(dialog, CDbSelectionPanelWnd::kTabsId);
    for (int x = 0; x < tabs.GetClientSize().x; ++x)
        if (tabs.HitTest({x, 2}) == tab) {
            wxMouseEvent down(wxEVT_LEFT_DOWN);
            down.SetPosition({x, 2});
            tabs.GetEventHandler()->ProcessEvent(down);
            return;
        }
    FAIL() << "no tab " << tab;
}

void Pick(wxChoice& list, int entry) {
    list.SetSelection(entry);
    wxCommandEvent pick(wxEVT_CHOICE, list.GetId());
    pick.SetEventObject(&list);
    pick.SetInt(entry);
    list.GetEventHandler()->ProcessEvent(pick);
}

void Scroll(wxScrollBar& bar, wxEventType type, int position) {
    bar.SetThumbPosition(position);
    wxScrollEvent event(type, bar.GetId(), position, wxVERTICAL);
    event.SetEventObject(&bar);
    bar.GetEventHandler()->ProcessEvent(event);
}

class ChangeDatabasesDlgTest : public ConnectedFixture {
protected:
    bool Run(bool fixUsedEngines = false) {
        CChangeDatabases logic(document_, table_, repository_, settings_.User(), fixUsedEngines,
                               {CChangeDatabases::kVisibleRows, true, true, true});
        logic.Init();
        CChangeDatabasesDlg dialog(nullptr, logic, [this](const std::string& address) {
            opened_.push_back(address);
            return 42;
        });
        return dialog.ShowModal() == wxID_OK;
    }

    wx_test::RecordedMessages messages_;
    wx_test::DialogScripts scripts_;
    Texts opened_;
};

TEST_F(ChangeDatabasesDlgTest, OkHoldsTheChoiceUntilUsedDatabasesAndNoticesAreThere) {
    document_.AddSearchOfAll("u");
    document_.Catalogue().AddGroup(
        {"WT", "Webtown", false, true, false, {{"WT", 'w', "Webtown marks", "", true}}});
    scripts_.Add([this](wxDialog& dialog) {
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
        Tick(dialog, "Ireland");
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
        Tick(dialog, "United Kingdom");
        ClickTab(dialog, 1);
        Tick(dialog, "Webtown");
        auto& notice = wx_test::Child<CHyperLink>(dialog, CDbSelectionPanelWnd::kFirstNoticeId + 2);
        EXPECT_EQ(FromWx(notice.GetLabel()), "important notices about WT Direct");
        notice.Open();
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
        Tick(dialog, "Please confirm that you have read these");
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
    });
    EXPECT_TRUE(Run());
    EXPECT_EQ(messages_.Texts(),
              (Texts{"|U203 You must select at least one database",
                     "|U211 You must select the UK database as you already have searches or kept "
                     "marks from that database.",
                     "|You must read and understand the important notices about WT Direct if you "
                     "wish to use that database."}));
    EXPECT_EQ(opened_, Texts{"http://www.velorin.example/du2v/direct/WT.html"});
    EXPECT_EQ(settings_.User().GetConfirmedDirectDbs(), "w");
    const std::string connected = table_.GetConnectedDatabaseCodes();
    for (char code : std::string("uiw"))
        EXPECT_NE(connected.find(code), std::string::npos) << code << " of " << connected;
}

TEST_F(ChangeDatabasesDlgTest, ChangeEnginesRelabelsTheRowsWithItsChoice) {
    scripts_.Add([](wxDialog& dialog) {
        Tick(dialog, "United Kingdom");
        ASSERT_NE(Row(dialog, "EUTM to 3 Mar 2017 (Lan)"), nullptr);
        wx_test::Click(wx_test::Child<wxButton>(dialog, CChangeDatabasesDlg::kChangeEnginesId));
        EXPECT_NE(Row(dialog, "EUTM to 3 Mar 2017 (Web)"), nullptr);
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_CANCEL));
    });
    scripts_.Add([](wxDialog& engines) {
        // Fewer than ten rows: no scroll bar.
        EXPECT_FALSE(
            wx_test::Child<wxScrollBar>(engines, CChangeEnginesDlg::kScrollBarId).IsShown());
        auto& label = wx_test::Child<wxStaticText>(engines, CChangeEnginesDlg::kFirstLabelId + 1);
        EXPECT_EQ(FromWx(label.GetLabel()), "EU&TM");
        Pick(wx_test::Child<wxChoice>(engines, CChangeEnginesDlg::kListIds[1]), 1);
        wx_test::Click(wx_test::Child<wxButton>(engines, wxID_OK));
    });
    EXPECT_FALSE(Run());
    EXPECT_EQ(scripts_.Opened(), (Texts{"Change Databases", "Change Engines"}));
}

TEST(ChangeEnginesDlg, TenDatabasesScrollNineRowsAtATimeOneRowPerLine) {
    CDbEngineSelectionSet set;
    for (char code : std::string("aucsideptn"))
        set.Add(
            {code,
             0,
             {CZrDbEngine(code), CZrDbEngine(code, 0x80000, CZrDate(), code + std::string("-web"),
                                             ZrEngine::_nil(), 0)}});
    CEngineDlgHelper helper(set, GetRegisterTable());
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& engines) {
        auto& bar = wx_test::Child<wxScrollBar>(engines, CChangeEnginesDlg::kScrollBarId);
        EXPECT_TRUE(bar.IsShown());
        EXPECT_EQ(bar.GetRange(), 10);
        EXPECT_EQ(bar.GetThumbSize(), 9);
        auto& last = wx_test::Child<wxChoice>(engines, CChangeEnginesDlg::kListIds[8]);
        EXPECT_EQ(FromWx(last.GetString(1)), "Web(t-web)");
        Scroll(bar, wxEVT_SCROLL_LINEDOWN, 1);
        EXPECT_EQ(FromWx(last.GetString(1)), "Web(n-web)");
        Scroll(bar, wxEVT_SCROLL_LINEDOWN, 2); // no row after the tenth
        EXPECT_EQ(FromWx(last.GetString(1)), "Web(n-web)");
        // The lists pick for the rows they show.
        Pick(last, 1);
        wx_test::Click(wx_test::Child<wxButton>(engines, wxID_OK));
    });
    CChangeEnginesDlg dialog(nullptr, helper);
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    helper.Apply(set);
    EXPECT_EQ(set.Find('n')->GetChosenIndex(), 1);
    EXPECT_EQ(set.Find('t')->GetChosenIndex(), 0);
}

} // namespace
