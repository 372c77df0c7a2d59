// The "Change Databases" and "Change Engines" dialogs under the display, over the service's
// registers: the checks OK makes, the direct database's notice and the engine choice.

#include "engines/selection/ui/ChangeDatabasesDlg.h"

#include "ConnectedFixture.h"
#include "DbSelectionRows.h"
#include "WxTestSupport.h"
#include "core/ui/WxText.h"
#include "engines/selection/ChangeDatabases.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"
#include "engines/ui/ChangeEnginesDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/scrolbar.h>

namespace {

using Texts = std::vector<std::string>;

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
        logic.GetPanel().SetMakerSite({"http://127.0.0.1:8080", "127.0.0.1"});
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
        wx_test::SetDbSelectionRow(dialog, "Ireland", true);
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
        wx_test::SetDbSelectionRow(dialog, "United Kingdom", true);
        wx_test::ClickDbSelectionTab(dialog, 1);
        wx_test::SetDbSelectionRow(dialog, "Webtown", true);
        auto& notice = wx_test::Child<CHyperLink>(dialog, CDbSelectionPanelWnd::kFirstNoticeId + 2);
        EXPECT_EQ(FromWx(notice.GetLabel()), "important notices about WT Direct");
        notice.Open();
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
        wx_test::SetDbSelectionRow(dialog, "Please confirm that you have read these", true);
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_OK));
    });
    EXPECT_TRUE(Run());
    EXPECT_EQ(messages_.Texts(),
              (Texts{"|U203 You must select at least one database",
                     "|U211 You must select the UK database as you already have searches or kept "
                     "marks from that database.",
                     "|You must read and understand the important notices about WT Direct if you "
                     "wish to use that database."}));
    EXPECT_EQ(opened_, Texts{"http://127.0.0.1:8080/du2v/direct/WT.html"});
    EXPECT_EQ(settings_.User().GetConfirmedDirectDbs(), "w");
    const std::string connected = table_.GetConnectedDatabaseCodes();
    for (char code : std::string("uiw"))
        EXPECT_NE(connected.find(code), std::string::npos) << code << " of " << connected;
}

TEST_F(ChangeDatabasesDlgTest, ChangeEnginesRelabelsTheRowsWithItsChoiceAndCancelKeepsThem) {
    scripts_.Add([](wxDialog& dialog) {
        wx_test::SetDbSelectionRow(dialog, "United Kingdom", true);
        ASSERT_NE(wx_test::FindDbSelectionRow(dialog, "EUTM to 3 Mar 2017 (Lan)"), nullptr);
        auto& changeEngines =
            wx_test::Child<wxButton>(dialog, CChangeDatabasesDlg::kChangeEnginesId);
        wx_test::Click(changeEngines);
        EXPECT_NE(wx_test::FindDbSelectionRow(dialog, "EUTM to 3 Mar 2017 (Lan)"), nullptr)
            << "Cancel applied the choice";
        wx_test::Click(changeEngines);
        EXPECT_NE(wx_test::FindDbSelectionRow(dialog, "EUTM to 3 Mar 2017 (Web)"), nullptr);
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_CANCEL));
    });
    scripts_.Add([](wxDialog& engines) {
        // Fewer than ten rows: no scroll bar.
        EXPECT_FALSE(
            wx_test::Child<wxScrollBar>(engines, CChangeEnginesDlg::kScrollBarId).IsShown());
        wx_test::ChooseEngine(engines, "EU&TM", 1, wxID_CANCEL);
    });
    scripts_.Add([](wxDialog& engines) { wx_test::ChooseEngine(engines, "EU&TM", 1); });
    EXPECT_FALSE(Run());
    EXPECT_EQ(scripts_.Opened(), (Texts{"Change Databases", "Change Engines", "Change Engines"}));
}

TEST_F(ChangeDatabasesDlgTest, TheWheelOverTheRowsOrTheScrollBarMovesBothThreeRowsANotch) {
    scripts_.Add([](wxDialog& dialog) {
        wx_test::SetDbSelectionRow(dialog, "United Kingdom", true);
        wx_test::SetDbSelectionRow(dialog, "Ireland", true);
        auto& bar = wx_test::Child<wxScrollBar>(dialog, CDbSelectionPanelWnd::kScrollBarId);
        auto& firstRow = wx_test::Child<wxCheckBox>(dialog, CDbSelectionPanelWnd::kCheckIds[0]);
        const std::string topRow = FromWx(firstRow.GetLabel());
        const std::string fourthRow = FromWx(
            wx_test::Child<wxCheckBox>(dialog, CDbSelectionPanelWnd::kCheckIds[3]).GetLabel());
        for (const auto& [over, down, first, thumb] :
             {std::tuple<wxWindow*, bool, std::string, int>{&firstRow, true, fourthRow, 3},
              {&bar, false, topRow, 0},
              {&bar, true, fourthRow, 3}}) {
            wx_test::TurnWheel(*over, down);
            EXPECT_EQ(FromWx(firstRow.GetLabel()), first) << over->GetName();
            EXPECT_EQ(bar.GetThumbPosition(), thumb) << over->GetName();
        }
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_CANCEL));
    });
    EXPECT_FALSE(Run());
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
        wx_test::Pick(last, 1);
        wx_test::Click(wx_test::Child<wxButton>(engines, wxID_OK));
    });
    CChangeEnginesDlg dialog(nullptr, helper);
    ASSERT_EQ(dialog.ShowModal(), wxID_OK);
    helper.Apply(set);
    EXPECT_EQ(set.Find('n')->GetChosenIndex(), 1);
    EXPECT_EQ(set.Find('t')->GetChosenIndex(), 0);
}

} // namespace
