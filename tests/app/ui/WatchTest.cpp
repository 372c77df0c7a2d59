// The watch in the program, against the local search service, under the (virtual) display:
// Convert to Watch through its dialog into the watch layout, whose first row runs its section in
// the search progress window into the results window; a click on another row and Next run the
// other sections; Watch Mark and Watch All run them again; a search row of the main view opens
// the search sheet.

#include "LoggedInProgram.h"
#include "app/DefaultNewExamination.h"
#include "app/ProgramRepository.h"
#include "app/ui/CommandIds.h"
#include "app/views/ui/SectionTabs.h"
#include "core/UserOptions.h"
#include "core/ui/WxText.h"
#include "engines/Repository.h"
#include "registers/ZrDbs.h"
#include "search/ui/GeneralPageWindow.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/WatchDlg.h"
#include "search/ui/WatchViewWindow.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

namespace {

using Texts = std::vector<std::string>;

// An examination of the service's databases, whose kept marks are the UK marks ACME and ACME
// ZENITH, with the watch searches run over the whole register: each finds the marks of its
// classes that share its words.
class WatchTest : public LoggedInProgram {
protected:
    void SetUp() override {
        LoggedInProgram::SetUp();
        const CProgramRepository repository(TheRepository());
        Document().NewExamination(
            MakeDefaultExamination(TheUserOptions(), repository, TheZrDbs().GetDbSelection()));
        TheUserOptions().SetWatchSet("");
        const std::vector<std::uint32_t> kept = {RecordOf("ACME"), RecordOf("ACME ZENITH")};
        Document().AddFoundMarks(kept, 'u', 0, 0, true, false);
        Document().SetModifiedFlag(false);
    }

    // The service's UK mark of that word mark.
    static std::uint32_t RecordOf(const std::string& wordMark) {
        const EngineInfoSeq_var engines = local_service::Logon(local_service::Remote(), "");
        for (const CORBA::ULong id : local_service::Search(local_service::Find(engines.in(), 'u'),
                                                           ("TMARK=\"" + wordMark + "\"").c_str()))
            if (const RecordPtr record =
                    TheZrDbs().GetDb('u')->FetchTextRecord(CMark(id, 'u', 0, 0));
                record && record->GetField("WORDMARK") == wordMark)
                return id;
        ADD_FAILURE() << "no UK mark " << wordMark;
        return 0;
    }
    CWatchViewWindow& WatchWindow() { return *program_->GetViews().GetWatchViewWindow(); }
    CWatchView& Watch() { return WatchWindow().GetWatchView(); }
    // Converted with the dialog's options as they are; the first row's section run.
    void Convert(wx_test::DialogScripts& dialogs) {
        MainView().GetView().Run(EMainCommand::ConvertToWatch);
        ASSERT_TRUE(wx_test::PumpUntil(
            [this, &dialogs] { return dialogs.AllUsed() && Document().GetCurrentSearch() > 0; }));
    }
    static void Ok(wxDialog& dialog) { wx_test::Click(*dialog.FindWindow(wxID_OK)); }
    // The section's found marks: of the section as their search, beside the watched mark.
    std::set<std::uint32_t> FoundIn(int section) {
        std::set<std::uint32_t> found;
        for (int i = 0; i < Document().GetMarkCount(); ++i) {
            const CMark& mark = Document().GetMark(i);
            // The watched mark found again is its duplicate.
            if (mark.GetSection() == section && mark.GetSearchId() != 0 && !mark.IsDuplicate()) {
                EXPECT_EQ(mark.GetSearchId(), section);
                found.insert(mark.GetRecordNumber());
            }
        }
        return found;
    }
    std::set<std::uint32_t> ShownInResults() {
        std::set<std::uint32_t> shown;
        const CResultsView& results = Results()->GetView();
        for (int row = 0; row < results.GetMarkCount(); ++row)
            shown.insert(results.GetShownMark(row).GetRecordNumber());
        return shown;
    }
};

} // namespace

TEST_F(WatchTest, ConvertToWatchShowsTheWatchAndRunsItsFirstSection) {
    wx_test::DialogScripts dialogs;
    Texts labels;
    dialogs.Add([&labels](wxDialog& dialog) {
        for (const int id : {CWatchDlg::kCrossClassesId, CWatchDlg::kDevicesId,
                             CWatchDlg::kExactMatchId, CWatchDlg::kSubstringMatchId})
            labels.push_back(FromWx(dialog.FindWindow(id)->GetLabel()));
        labels.push_back(FromWx(dialog.FindWindow(wxID_OK)->GetLabel()));
        EXPECT_TRUE(wx_test::Child<wxRadioButton>(dialog, CWatchDlg::kSubstringMatchId).GetValue());
        wx_test::Child<wxCheckBox>(dialog, CWatchDlg::kDevicesId).SetValue(false);
        Ok(dialog);
    });
    dialogs.Add([](wxDialog&) {});
    ASSERT_NO_FATAL_FAILURE(Convert(dialogs));
    EXPECT_EQ(dialogs.Opened(), (Texts{"Convert To Watch", "Searching"}));
    EXPECT_EQ(labels,
              (Texts{"Include cross classes", "Watch devices in addition to wordmarks",
                     "Exact term match", "Any substring match", "Generate Watch Criteria"}));
    EXPECT_FALSE(TheUserOptions().GetWatchDevices());

    ASSERT_TRUE(Document().IsWatch());
    ASSERT_TRUE(program_->GetMainFrame()->IsWatchMode());
    EXPECT_FALSE(MainView().GetView().IsKeptDisplay());
    ASSERT_EQ(Watch().GetMarkCount(), 2);
    // The first row is selected and its section ran.
    const int section = Watch().GetShownMark(0).GetSection();
    EXPECT_EQ(Document().GetCurrentSearch(), section);
    EXPECT_EQ(Watch().GetSelectedRows(), std::set<int>{0});
    // The main view below reviews the section's searches.
    const int searches = Document().CountSearches(MakeSearchMarksFilter(section, true));
    EXPECT_GT(searches, 0);
    EXPECT_EQ(MainView().GetView().GetSearchRowCount(), searches);

    // The results window shows what the section found: more than the watched mark.
    ASSERT_NE(Results(), nullptr);
    EXPECT_EQ(Results()->GetView().GetLabels().search,
              "Watch " + std::to_string(section) + " of 2");
    EXPECT_EQ(ShownInResults(), FoundIn(section));
    EXPECT_FALSE(FoundIn(section).empty());
}

TEST_F(WatchTest, AClickOnARowAndNextRunTheirSectionsAndWatchAllRunsThemAgain) {
    wx_test::DialogScripts dialogs;
    dialogs.Add(Ok);
    dialogs.Add([](wxDialog&) {});
    ASSERT_NO_FATAL_FAILURE(Convert(dialogs));
    const int first = Watch().GetShownMark(0).GetSection();
    const int second = Watch().GetShownMark(1).GetSection();

    // A click on the second row runs its section.
    dialogs.Add([](wxDialog&) {});
    CWatchViewWindow& window = WatchWindow();
    window.Raise();
    ASSERT_TRUE(wx_test::PumpUntil([&window] { return window.IsShownOnScreen(); }));
    const int secondRowTop = dynamic_cast<CZrListView&>(Watch().GetSubView()).RowHeight(0);
    wxUIActionSimulator simulator;
    simulator.MouseMove(window.ClientToScreen({window.GetClientSize().x / 2, secondRowTop + 4}));
    wx_test::Pump();
    simulator.MouseClick();
    ASSERT_TRUE(
        wx_test::PumpUntil([this, second] { return Document().GetCurrentSearch() == second; }));
    EXPECT_EQ(Watch().GetSelectedRows(), std::set<int>{1});
    EXPECT_EQ(Results()->GetView().GetLabels().search, "Watch " + std::to_string(second) + " of 2");
    EXPECT_EQ(ShownInResults(), FoundIn(second));

    // Next or Previous steps to the first section; its searches ran, so no window opens.
    const auto command = [this](int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        program_->GetMainFrame()->GetEventHandler()->ProcessEvent(event);
    };
    command(Document().GetNextSearch(second) == first ? kCmdNext : kCmdPrevious);
    EXPECT_EQ(Document().GetCurrentSearch(), first);
    EXPECT_EQ(Watch().GetSelectedRows(), std::set<int>{0});
    EXPECT_EQ(ShownInResults(), FoundIn(first));

    // Watch Mark runs the current section again: nothing is left to run in it. Without a
    // current section it is disabled.
    wxCommandEvent watchMark(wxEVT_MENU, CWatchViewWindow::kWatchMarkId);
    window.GetEventHandler()->ProcessEvent(watchMark);
    EXPECT_EQ(dialogs.Opened().size(), 3u);
    EXPECT_EQ(Document().GetCurrentSearch(), first);
    Document().SetCurrentSearch(0);
    wxUpdateUIEvent enabler(CWatchViewWindow::kWatchMarkId);
    window.GetEventHandler()->ProcessEvent(enabler);
    EXPECT_FALSE(enabler.GetEnabled());
    EXPECT_EQ(Watch().GetSelectionCount(), 0);

    // Watch All runs every search again over the watched marks alone.
    const std::set<std::uint32_t> firstFound = FoundIn(first);
    const std::set<std::uint32_t> secondFound = FoundIn(second);
    dialogs.Add([](wxDialog&) {});
    command(kCmdWatchAll);
    EXPECT_EQ(dialogs.Opened().size(), 4u);
    EXPECT_EQ(FoundIn(first), firstFound);
    EXPECT_EQ(FoundIn(second), secondFound);
}

// The main view reviews the watch's searches: a double click or Enter on one edits it in the
// search sheet, which replaces it on OK; nothing runs.
TEST_F(WatchTest, ASearchRowOfTheWatchOpensTheSheetAndOkReplacesTheSearch) {
    wx_test::DialogScripts dialogs;
    dialogs.Add(Ok);
    dialogs.Add([](wxDialog&) {});
    ASSERT_NO_FATAL_FAILURE(Convert(dialogs));
    CMainView& main = MainView().GetView();
    ASSERT_GT(main.GetSearchRowCount(), 0);
    const CSearch before = main.GetShownSearch(0);
    const int searches = Document().GetSearchCount();

    CSectionView& rows = MainView().GetSectionView();
    program_->GetMainFrame()->Raise();
    ASSERT_TRUE(wx_test::PumpUntil([&rows] { return rows.IsShownOnScreen(); }));
    dialogs.Add([](wxDialog& sheet) {
        auto& page = *static_cast<CSearchDlg&>(sheet).GetPages().at(0);
        wx_test::Child<wxTextCtrl>(page, CGeneralPageWindow::kGroupIds[0]).SetValue("zenith");
        wx_test::Click(*sheet.FindWindow(wxID_OK));
    });
    wxUIActionSimulator simulator;
    simulator.MouseMove(rows.ClientToScreen({rows.GetClientSize().x / 2, 4}));
    wx_test::Pump();
    simulator.MouseDblClick();
    ASSERT_TRUE(wx_test::PumpUntil([&dialogs] { return dialogs.AllUsed(); }));
    EXPECT_EQ(dialogs.Opened(), (Texts{"Convert To Watch", "Searching", "Search Criteria"}));
    const CSearch& after = Document().FindSearch(before.GetSearchId());
    EXPECT_NE(after.GetCriteria().WriteCriteriaText(true).find("\"zenith\""), std::string::npos);
    EXPECT_EQ(after.GetSection(), before.GetSection());
    EXPECT_EQ(Document().GetSearchCount(), searches);

    // Enter on the row: the sheet again.
    dialogs.Add([](wxDialog& sheet) { sheet.EndModal(wxID_CANCEL); });
    main.SelectSearchRow(0);
    simulator.Char(WXK_RETURN);
    ASSERT_TRUE(wx_test::PumpUntil([&dialogs] { return dialogs.AllUsed(); }));
    EXPECT_EQ(dialogs.Opened().back(), "Search Criteria");
}
