// The examiner's main road through the whole program, under the (virtual) display, against the
// local search service and the registers' sites on a loopback web server: log in, a new
// examination from the wizard, searches typed into the Search sheet and run through the progress
// window, marks kept and discarded in the results window, the kept marks in the main view's
// sections, the details window with its register page, a search of a word ticked in the string
// finder, a report read back by LibreOffice, the examination printed and read back, saved,
// reopened and compared, the difference check, the kept marks turned into a watch and run, and
// the exit through the exit tasks. Each step checks what the user sees: window titles, labels,
// counts, rows, files.

#include "DbSelectionRows.h"
#include "LibreOffice.h"
#include "PostScriptPrinter.h"
#include "PrintedPages.h"
#include "ProgramOverService.h"
#include "Screens.h"
#include "WxTestSupport.h"
#include "app/controls/ui/HScrollListBox.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/details/ui/DetailsTabbedView.h"
#include "app/details/ui/DetailsTextView.h"
#include "app/ui/CommandIds.h"
#include "app/ui/ZrProgram.h"
#include "app/views/ui/MainViewWindow.h"
#include "app/views/ui/ResultsFrame.h"
#include "app/views/ui/ViewCommandIds.h"
#include "core/IniFile.h"
#include "core/UserOptions.h"
#include "core/ui/MyRichEditCtrl.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"
#include "engines/BgrJobs.h"
#include "engines/ui/ExitTasksDlg.h"
#include "engines/ui/LoginDlg.h"
#include "registers/ZrDbs.h"
#include "report/ui/ReportSelectDlg.h"
#include "search/ui/GeneralPageWindow.h"
#include "search/ui/NewExamPageWindows.h"
#include "search/ui/StatusCheckBoxes.h"
#include "search/ui/StringFinderListBox.h"
#include "search/ui/WatchViewWindow.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"
#include "tests/support/RegisterPageMaker.h"
#include "tests/support/WebServer.h"
#include "web/ui/DiffDlg.h"

#include <algorithm>
#include <deque>
#include <sstream>
#include <thread>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/webview.h>

void PrintTo(const CResultsLabels& labels, std::ostream* out) {
    *out << labels.section << '|' << labels.search << '|' << labels.marks;
}

namespace {

using Texts = std::vector<std::string>;
using platform::MessageAnswer;

// Every field of every mark and search that the examination file keeps, one line each.
Texts Describe(const CZR2000Doc& document) {
    Texts lines;
    for (int i = 0; i < document.GetMarkCount(); ++i) {
        const CMark& mark = document.GetMark(i);
        std::ostringstream line;
        line << "mark " << mark.GetRecordNumber() << '|' << char(mark.GetRegisterCode()) << '|'
             << mark.GetAppNumber() << '|' << mark.GetSearchId() << '|' << mark.GetSection() << '|'
             << std::hex << mark.GetFlags();
        lines.push_back(line.str());
    }
    for (int i = 0; i < document.GetSearchCount(); ++i) {
        const CSearch& search = document.GetSearch(i);
        std::ostringstream line;
        line << "search " << search.GetSearchId() << '|' << search.GetSection() << '|'
             << search.GetFound() << '|' << search.GetMarkCount() << '|' << search.GetOrder() << '|'
             << search.GetRunDatabases() << '|' << search.GetCriteria().WriteCriteriaText(true)
             << '|' << std::hex << search.GetFlags();
        lines.push_back(line.str());
    }
    lines.push_back("exam " + document.GetClient() + '|' + document.GetExamId() + '|' +
                    document.GetDatabaseCodes());
    return lines;
}

// A job of the program's background work that ends by itself after a while.
class TimedJob : public CBgrJob {
public:
    std::string GetName() const override { return "Road job"; }
};

class MainRoad : public ProgramOverService {
protected:
    void SetUp() override {
        ProgramOverService::SetUp();
        folder_.Write("home/template/road.rtf",
                      "{\\rtf1\\ansi Client: [[CLIENT]]\\par\n[[STARTSECTION]]Section "
                      "[[SECTION]]\\par\n[[STARTMARK]][[DATABASE]] [[WORDMARK]]\\par\n"
                      "[[ENDMARK]][[ENDSECTION]]}");
        std::filesystem::create_directories(folder_ / "home/reports");
    }

    std::string Title() { return FromWx(Frame().GetTitle()); }
    // What the details window's title shows for the mark: its register and application number.
    static std::string DetailsTitle(const CMark& mark) {
        CZrDb& db = *TheZrDbs().GetDb(mark.GetRegisterCode());
        return db.GetShortName() + " " + db.GetMarkAppNum(mark);
    }
    CResultsLabels ResultsLabels() {
        CResultsFrame& results = *Results();
        return {
            FromWx(
                wx_test::Child<wxStaticText>(results, CResultsFrame::kSectionLabelId).GetLabel()),
            FromWx(wx_test::Child<wxStaticText>(results, CResultsFrame::kSearchLabelId).GetLabel()),
            FromWx(wx_test::Child<wxStaticText>(results, CResultsFrame::kMarkLabelId).GetLabel())};
    }
    // The number of marks the service finds for the criteria over the examination's registers,
    // the international one aside (its databases are parts of it, cut by designation). The UK
    // database of the United Kingdom's group takes the register's Madrid marks too.
    int ServiceCount(const std::string& criteria) {
        const EngineInfoSeq_var engines = local_service::Logon(local_service::Remote(), "");
        std::string counted = "i";
        int count = 0;
        for (const char code : Document().GetDatabaseCodes()) {
            if (counted.find(code) != std::string::npos)
                continue;
            counted += code;
            count += static_cast<int>(local_service::Search(local_service::Find(engines.in(), code),
                                                            criteria.c_str(),
                                                            code == 'u' ? "BaseMadrid" : "")
                                          .size());
        }
        return count;
    }
    // The marks of the search in the examination, the international register's aside.
    int MarksOfSearch(int searchId) {
        int count = 0;
        for (int i = 0; i < Document().GetMarkCount(); ++i)
            count += Document().GetMark(i).GetSearchId() == searchId &&
                     Document().GetMark(i).GetRegisterCode() != 'i';
        return count;
    }
    // The Search sheet over the main view's section, filled in and run.
    // The Search sheet over the section, its word ticked in the Word Index of the text typed
    // into Locate; the run closes its results window. Returns the word ticked.
    std::string SearchFromWordIndex(int section, const std::string& locate) {
        MainView().SetSection(section);
        std::string ticked;
        wx_test::DialogScripts dialogs;
        dialogs.Add([&](wxDialog& sheet) {
            wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kLocate).SetValue(locate);
            wx_test::Click(*sheet.FindWindow(CGeneralPageWindow::kIndex));
            EXPECT_EQ(
                FromWx(
                    wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kGroupIds[0]).GetValue()),
                ticked);
            wx_test::Click(*sheet.FindWindow(wxID_OK));
        });
        dialogs.Add([&](wxDialog& index) {
            auto& list = wx_test::Child<CStringFinderListBox>(index, CStringFinderListBox::kId);
            ticked = list.GetSelection().GetLine(list.GetFirstLine()).GetText();
            // The mouse on the middle of the first line shown, once the lines are laid out,
            // ticks it.
            index.Raise();
            EXPECT_TRUE(wx_test::PumpUntil(
                [&list] { return list.IsShownOnScreen() && list.GetVisibleLines() > 0; }));
            // The display places the dialog a moment after it is shown.
            wx_test::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
            SaveScreen(index, "string-finder");
            wxClientDC dc(&list);
            dc.SetFont(list.GetFont());
            const int lineHeight = CWxDrawSurface(dc).GetFontMetrics().LineHeight();
            wxUIActionSimulator mouse;
            mouse.MouseMove(list.ClientToScreen({40, lineHeight / 2}));
            wx_test::Pump();
            mouse.MouseClick();
            EXPECT_TRUE(wx_test::PumpUntil([&] { return list.GetSelected() == Texts{ticked}; }))
                << ::testing::PrintToString(list.GetSelected());
            wx_test::Click(*index.FindWindow(wxID_OK));
        });
        dialogs.Add([](wxDialog&) {});
        Command(kCmdSearch);
        EXPECT_EQ(dialogs.Opened(), (Texts{"Search Criteria", "Word Index", "Searching"}));
        if (Results())
            Command(*Results(), kCmdCloseResults);
        EXPECT_TRUE(wx_test::PumpUntil([this] { return Results() == nullptr; }));
        return ticked;
    }
    void TypeSearch(int section, const std::string& word, const std::string& classes,
                    bool withdrawnToo, const std::string& screen = {}) {
        MainView().SetSection(section);
        wx_test::DialogScripts dialogs;
        dialogs.Add([&](wxDialog& sheet) {
            wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kGroupIds[0]).SetValue(word);
            auto& classList = wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kClasses);
            classList.SetValue(classes);
            wxFocusEvent left(wxEVT_KILL_FOCUS, classList.GetId());
            classList.GetEventHandler()->ProcessEvent(left);
            for (const int status : {CStatusCheckBoxes::kLapsed, CStatusCheckBoxes::kAbandoned})
                wx_test::Tick(wx_test::Child<wxCheckBox>(sheet, status), withdrawnToo);
            if (!screen.empty())
                SaveScreen(sheet, screen);
            wx_test::Click(*sheet.FindWindow(wxID_OK));
        });
        dialogs.Add([](wxDialog&) {}); // the progress window ends with the run
        Command(kCmdSearch);
        EXPECT_EQ(dialogs.Opened(), (Texts{"Search Criteria", "Searching"}));
    }
};

TEST_F(MainRoad, AnExaminationFromLoginToExit) {
    wx_test::RecordedMessages messages;

    // Start and log in by typing; the wizard makes the new examination.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& login) {
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kCompanyId).SetValue("TESTCO");
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kUserId).SetValue("examiner");
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kPassword).SetValue("secret");
            wx_test::Click(wx_test::Child<wxButton>(login, wxID_OK));
        });
        dialogs.Add([](wxDialog& wizard) {
            wx_test::Child<wxTextCtrl>(wizard, CStandardPageWindow::kClient)
                .SetValue("Road Client & Co");
            wx_test::Child<wxTextCtrl>(wizard, CStandardPageWindow::kExamId).SetValue("ROAD-1");
            wx_test::Tick(wx_test::Child<wxCheckBox>(wizard, CStandardPageWindow::kOneClassOnly),
                          false);
            wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
            SaveScreen(wizard, "wizard");
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        });
        program_ = std::make_unique<CZrProgram>(CZrProgram::Options{
            {}, folder_ / "prog", folder_ / "config/ZR2000.ini", &files_, &printer_});
        ASSERT_TRUE(program_->MakeStartup().Run());
        EXPECT_EQ(dialogs.Opened(),
                  (Texts{"RO Vedaridarevu Login", "New Examination - Standard Details"}));
    }
    ASSERT_TRUE(Frame().IsShown());
    EXPECT_EQ(Title(), "Untitled - RO Vedaridarevu");
    EXPECT_EQ(Document().GetClient(), "Road Client & Co");
    EXPECT_EQ(Document().GetExamId(), "ROAD-1");
    const std::string databases = Document().GetDatabaseCodes();
    ASSERT_NE(databases.find('u'), std::string::npos);

    // Two searches typed into the sheet, each in its section, run over every database.
    TypeSearch(0, "A-", "9, 25", false, "search-sheet");
    ASSERT_EQ(Document().GetSearchCount(), 1);
    const int wildcard = Document().GetSearch(0).GetSearchId();
    const std::string wildcardText =
        Document().FindSearch(wildcard).GetCriteria().WriteCriteriaText(true);
    EXPECT_EQ(wildcardText,
              "DBIDS=\"" + databases + "\" AND CLASS=\"9,25\" AND WORDM=\"A-\" AND STATS=\"rp\"");
    const int wildcardFound = Document().FindSearch(wildcard).GetFound();
    EXPECT_EQ(MarksOfSearch(wildcard),
              ServiceCount("WORDM=\"A-\" AND CLASS=\"9,25\" AND STATS=\"rp\""));
    ASSERT_GE(wildcardFound, 4) << ::testing::PrintToString(messages.Texts());
    ASSERT_NE(Results(), nullptr);
    EXPECT_EQ(Results()->GetView().GetMarkCount(), wildcardFound);
    EXPECT_EQ(ResultsLabels(), (CResultsLabels{"Section 1 of 4", "Search 1 of 1",
                                               "Marks 1 to " + std::to_string(wildcardFound) +
                                                   " of " + std::to_string(wildcardFound)}));
    EXPECT_EQ(FromWx(Results()->GetTitle()), "Search Results");
    SaveScreen(*Results(), "results");

    // Rows 1 to 3 kept, the middle one discarded again.
    CResultsView& results = Results()->GetView();
    const auto click = [&results](int row, int keys) {
        results.SelectRow(row, keys);
        results.CompleteClick(false);
    };
    click(0, 0);
    click(1, CRowSelection::kControl);
    click(2, CRowSelection::kControl);
    Command(*Results(), kCmdKeepSelection);
    click(1, 0);
    Command(*Results(), kCmdDiscardSelection);
    const std::vector<CMark> keptFirst = {results.GetShownMark(0), results.GetShownMark(2)};
    EXPECT_TRUE(keptFirst[0].IsKept());
    EXPECT_FALSE(results.GetShownMark(1).IsKept());
    EXPECT_TRUE(keptFirst[1].IsKept());

    TypeSearch(0, "ZENITH", "1-45", true);
    ASSERT_EQ(Document().GetSearchCount(), 2);
    const int exact = Document().GetSearch(1).GetSearchId();
    const int exactFound = Document().FindSearch(exact).GetFound();
    EXPECT_EQ(results.GetShownSearchId(), exact);
    EXPECT_EQ(MarksOfSearch(exact), ServiceCount("WORDM=\"ZENITH\" AND STATS=\"rpla\""));
    ASSERT_GE(exactFound, 1);
    EXPECT_EQ(ResultsLabels().search, "Search 2 of 2");
    Command(*Results(), kCmdKeepAll);
    // Back to the first search: what was kept there still is.
    Command(*Results(), kCmdPreviousSearch);
    EXPECT_EQ(ResultsLabels().search, "Search 1 of 2");
    EXPECT_EQ(results.GetShownSearchId(), wildcard);
    EXPECT_TRUE(results.GetShownMark(0).IsKept());
    EXPECT_FALSE(results.GetShownMark(1).IsKept());
    EXPECT_TRUE(results.GetShownMark(2).IsKept());
    Command(*Results(), kCmdNextSearch);
    EXPECT_EQ(ResultsLabels().search, "Search 2 of 2");
    Command(*Results(), kCmdCloseResults);
    ASSERT_TRUE(wx_test::PumpUntil([this] { return Results() == nullptr; }));

    // The main view shows the kept marks by section; the second search's are cut and pasted
    // into the second section.
    CMainView& view = MainView();
    view.ShowKeptMarks(true);
    view.SetSection(0);
    ASSERT_EQ(view.GetMarkCount(), 2 + exactFound);
    view.ClearSelection();
    for (int row = 0; row < view.GetMarkCount(); ++row)
        if (view.GetShownMark(row).GetSearchId() == exact) {
            view.SelectRow(row, CRowSelection::kControl);
            view.CompleteClick(false);
        }
    ASSERT_EQ(view.GetSelectionCount(), exactFound);
    Command(wxID_CUT);
    EXPECT_EQ(view.GetMarkCount(), 2);
    view.SetSection(1);
    Command(wxID_PASTE);
    EXPECT_EQ(view.GetMarkCount(), exactFound);
    view.SetSection(0);
    SaveScreen(Frame(), "main-window");
    // What the report, the printout and the difference check show: each section's kept marks.
    std::vector<Texts> sectionLines(2);
    for (int section = 0; section < 2; ++section) {
        view.SetSection(section);
        for (int row = 0; row < view.GetMarkCount(); ++row) {
            const CMark& mark = view.GetShownMark(row);
            CZrDb& db = *TheZrDbs().GetDb(mark.GetRegisterCode());
            const RecordPtr record = db.FetchTextRecord(mark);
            ASSERT_NE(record, nullptr);
            sectionLines[section].push_back(db.GetShortName() + " " +
                                            std::string(record->GetField("WORDMARK")));
        }
    }

    // The details window over the first section's kept marks: the text of each, Next and
    // Previous, and the first one's page from its register's site on loopback.
    view.SetSection(0);
    view.ClearSelection();
    view.SelectRow(0, 0);
    view.CompleteClick(false);
    const CMark firstKept = view.GetShownMark(0);
    const CMark secondKept = view.GetShownMark(1);
    const RecordPtr firstRecord =
        TheZrDbs().GetDb(firstKept.GetRegisterCode())->FetchTextRecord(firstKept);
    ASSERT_NE(firstRecord, nullptr);
    const std::string firstWord(firstRecord->GetField("WORDMARK"));
    pages_.Add(char(firstKept.GetRegisterCode()), *firstRecord);
    Command(kCmdDetails);
    CDetailsFrame* details = Details();
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(FromWx(details->GetTitle()), DetailsTitle(firstKept));
    EXPECT_NE(FromWx(details->GetTextView().GetText().ToText()).find(firstWord), std::string::npos);
    Command(*details, CDetailsFrame::kCmdNext);
    EXPECT_EQ(FromWx(details->GetTitle()), DetailsTitle(secondKept));
    Command(*details, CDetailsFrame::kCmdPrevious);
    EXPECT_EQ(FromWx(details->GetTitle()), DetailsTitle(firstKept));
    CDetailsTabbedView& tabs = details->GetTabbedView();
    tabs.GetModel().SelectTab(CDetailsTabsModel::kPto);
    ASSERT_TRUE(wx_test::PumpUntil([&] {
        return tabs.GetModel().GetPageState() == EPageState::Complete;
    })) << FromWx(tabs.GetInfoLine()->GetLabel());
    EXPECT_TRUE(
        wx_test::PumpUntil([&] { return tabs.GetBrowser()->GetPageText().Contains(firstWord); }));
    SaveScreen(*details, "details");
    details->Close();
    ASSERT_TRUE(wx_test::PumpUntil([] { return Details() == nullptr; }));

    // A search of the word ticked in the string finder, in the second section; nothing of it
    // kept.
    const std::string ticked = SearchFromWordIndex(1, "ZEN");
    ASSERT_FALSE(ticked.empty());
    ASSERT_EQ(Document().GetSearchCount(), 3);
    // The sheet starts from the last search's classes and statuses.
    EXPECT_EQ(Document().GetSearch(2).GetCriteria().WriteCriteriaText(true),
              "DBIDS=\"" + databases + "\" AND CLASS=\"1-45\" AND WORDM=\"" + ticked +
                  "\" AND STATS=\"rpla\"");
    EXPECT_EQ(MarksOfSearch(Document().GetSearch(2).GetSearchId()),
              ServiceCount("WORDM=\"" + ticked + "\" AND STATS=\"rpla\""));

    // A report through the RTF template, read back by LibreOffice.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& chooser) {
            auto& list = wx_test::Child<wxListBox>(chooser, CReportSelectDlg::kTemplateList);
            ASSERT_EQ(list.GetCount(), 1u);
            EXPECT_EQ(FromWx(list.GetString(0)), "road.rtf");
            // A click on the template, then a double click.
            list.SetSelection(0);
            for (const wxEventType type : {wxEVT_LISTBOX, wxEVT_LISTBOX_DCLICK}) {
                wxCommandEvent pick(type, list.GetId());
                pick.SetEventObject(&list);
                pick.SetInt(0);
                list.GetEventHandler()->ProcessEvent(pick);
                if (type == wxEVT_LISTBOX) {
                    EXPECT_TRUE(chooser.FindWindow(wxID_OK)->IsEnabled());
                    SaveScreen(chooser, "report-choice");
                }
            }
        });
        files_.answers = {folder_ / "home/reports/road"};
        Command(kCmdReport);
        EXPECT_EQ(dialogs.Opened(), (Texts{"Report"}));
    }
    const std::string soffice = FindSoffice();
    ASSERT_FALSE(soffice.empty());
    const auto converted =
        ConvertRtf(soffice, folder_.Read("home/reports/road.rtf"), "txt:Text (encoded):UTF8");
    ASSERT_EQ(converted.count("sample.txt"), 1u);
    Texts expectedReport = {"Client: Road Client & Co"};
    for (int section = 0; section < 2; ++section) {
        expectedReport.push_back("Section " + std::to_string(section + 1));
        expectedReport.insert(expectedReport.end(), sectionLines[section].begin(),
                              sectionLines[section].end());
    }
    EXPECT_EQ(TextLines(converted.at("sample.txt")), expectedReport);

    // The examination printed, a page a section, read back.
    view.ClearSelection();
    Command(wxID_PRINT);
    ASSERT_EQ(printer_.GetRuns(), 1);
    CPrintedPages printed(folder_ / "printed.ps");
    ASSERT_TRUE(printed.IsOk());
    std::string printedText;
    for (int page = 1; page <= printed.PageCount(); ++page)
        printedText += printed.Text(page);
    for (int section = 0; section < 2; ++section)
        for (const std::string& line : sectionLines[section]) {
            const std::string word = line.substr(line.find(' ') + 1);
            EXPECT_NE(printedText.find(word), std::string::npos) << word;
        }

    // Saved, closed for a new examination, reopened: every mark and search as it was.
    files_.answers = {folder_ / "home/road"};
    Command(wxID_SAVEAS);
    EXPECT_EQ(Title(), "road.zre - RO Vedaridarevu");
    const Texts saved = Describe(Document());
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& wizard) {
            wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        });
        Command(wxID_NEW);
    }
    EXPECT_EQ(Title(), "Untitled - RO Vedaridarevu");
    EXPECT_EQ(Document().GetMarkCount(), 0);
    files_.answers = {folder_ / "home/road.zre"};
    Command(wxID_OPEN);
    EXPECT_EQ(Title(), "road.zre - RO Vedaridarevu");
    const Texts reopened = Describe(Document());
    ASSERT_EQ(reopened.size(), saved.size());
    for (std::size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(reopened[i], saved[i]);

    // The difference check over the kept marks against their registers' pages on the loopback
    // site: one UK page shows another word mark.
    std::string changedNumber;
    for (int i = 0; i < Document().GetMarkCount(); ++i) {
        const CMark& mark = Document().GetMark(i);
        if (!mark.IsKept())
            continue;
        const RecordPtr record = TheZrDbs().GetDb(mark.GetRegisterCode())->FetchTextRecord(mark);
        ASSERT_NE(record, nullptr);
        const bool change = changedNumber.empty() && mark.GetRegisterCode() == 'u';
        if (change)
            changedNumber = std::string(record->GetField("APPNUM"));
        pages_.Add(char(mark.GetRegisterCode()), *record,
                   change ? PageChange::WordMark : PageChange::None);
    }
    ASSERT_FALSE(changedNumber.empty());
    Texts differences;
    // Marks of registers whose pages are not compared are counted, not checked.
    const std::string allChecked = " out of " + std::to_string(2 + exactFound) + " marks checked";
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([&differences](wxDialog& dialog) {
            auto& status = wx_test::Child<wxStaticText>(dialog, CDiffDlg::kStatusText);
            auto& runAgain = wx_test::Child<wxButton>(dialog, CDiffDlg::kRunAgainButton);
            EXPECT_TRUE(wx_test::PumpUntil([&] { return runAgain.IsEnabled(); }));
            SaveScreen(dialog, "differences");
            differences.push_back(FromWx(status.GetLabel()));
            const auto& list = wx_test::Child<CHScrollListBox>(dialog, CDiffDlg::kReportList);
            for (int i = 0; i < list.GetCount(); ++i)
                differences.push_back(list.GetString(i));
            wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_CANCEL));
        });
        Command(kCmdWebDiff);
        EXPECT_TRUE(dialogs.AllUsed());
    }
    ASSERT_GE(differences.size(), 5u);
    differences.resize(5);
    EXPECT_TRUE(differences[0].ends_with(allChecked + " of which 1 had differences"))
        << differences[0];
    EXPECT_EQ(std::vector(differences.begin() + 1, differences.end()),
              (Texts{"Differences for UK AppNum: " + changedNumber, "  Word mark",
                     "    Have:\t\tACME", "    Should be:\tACME PLUS"}));

    // The kept marks converted into a watch over every register: the watch view lists them,
    // and the first one's section runs into the results window.
    TheUserOptions().SetWatchSet("");
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& convert) { wx_test::Click(*convert.FindWindow(wxID_OK)); });
        dialogs.Add([](wxDialog&) {});
        Command(kCmdConvertToWatch);
        ASSERT_TRUE(wx_test::PumpUntil(
            [&] { return dialogs.AllUsed() && Document().GetCurrentSearch() > 0; }));
        EXPECT_EQ(dialogs.Opened(), (Texts{"Convert To Watch", "Searching"}));
    }
    ASSERT_TRUE(Frame().IsWatchMode());
    CWatchView& watch = program_->GetViews().GetWatchViewWindow()->GetWatchView();
    EXPECT_EQ(watch.GetMarkCount(), 2 + exactFound);
    const int watched = watch.GetShownMark(0).GetSection();
    EXPECT_EQ(Document().GetCurrentSearch(), watched);
    ASSERT_TRUE(wx_test::PumpUntil([this] { return Results() != nullptr; }))
        << ::testing::PrintToString(messages.Texts());
    EXPECT_EQ(ResultsLabels().search,
              "Watch " + std::to_string(watched) + " of " + std::to_string(2 + exactFound));
    SaveScreen(*program_->GetViews().GetWatchViewWindow(), "watch");

    // The exit waits in the exit tasks for the background work still running.
    auto job = std::make_shared<TimedJob>();
    TheBgrJobManager().AddJob(job);
    std::thread ending([job] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        TheBgrJobManager().RemoveJob(*job);
    });
    Texts tasks;
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([&tasks](wxDialog& dialog) {
            for (const wxString& line :
                 wx_test::Child<wxListBox>(dialog, CExitTasksDlg::kTaskList).GetStrings())
                tasks.push_back(FromWx(line));
        });
        wx_test::RecordedMessages answers({MessageAnswer::No});
        Frame().Close();
        EXPECT_TRUE(wx_test::PumpUntil([this] { return program_->GetMainFrame() == nullptr; }));
        EXPECT_EQ(dialogs.Opened(), (Texts{"Exit RO Vedaridarevu"}));
    }
    ending.join();
    EXPECT_EQ(tasks.size(), 1u);
    EXPECT_TRUE(messages.Texts().empty()) << ::testing::PrintToString(messages.Texts());
}

} // namespace
