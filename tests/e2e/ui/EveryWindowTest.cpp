// Every window of the program laid out as the user would have it: the program run over the local
// search service and the registers' sites on loopback opens each dialog, each page of its books
// and tabs, each frame and details tab, the start-up notices and the printing windows; every one
// must show its labels, buttons and list texts whole, no control over another and no warning of
// the toolkit, up to the program's end. The test lists every fault by window and control. With
// ZR_SCREENS_DIR set it also writes a picture of each window there.

#include "DbSelectionRows.h"
#include "LayoutCheck.h"
#include "LoopbackPorts.h"
#include "ProgramOverService.h"
#include "Screens.h"
#include "app/MakerServer.h"
#include "app/details/ui/DetailsTabbedView.h"
#include "app/dialogs/ui/SmallDialogs.h"
#include "app/options/ui/MacroComboBox.h"
#include "app/ui/CommandIds.h"
#include "app/ui/HtmlDlg.h"
#include "app/ui/ProxyCredentialsDlg.h"
#include "app/views/ui/ViewCommandIds.h"
#include "core/IniFile.h"
#include "core/UserOptions.h"
#include "core/ui/Tabs.h"
#include "core/ui/WxText.h"
#include "engines/BgrJobs.h"
#include "engines/selection/ui/ChangeDatabasesDlg.h"
#include "engines/ui/LoginDlg.h"
#include "report/ui/ProgressDlg.h"
#include "search/ui/GeneralPageWindow.h"
#include "search/ui/NewExamPageWindows.h"
#include "search/ui/SelectionPageWindow.h"
#include "web/ui/DiffDlg.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <tuple>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/prntbase.h>
#include <wx/textctrl.h>
#include <wx/webview.h>

namespace {

using Texts = std::vector<std::string>;

// The repository's notice of a new version: its version, address, warning and features.
constexpr const char* kNewVersion = "4\t4.6.0\thttp://127.0.0.1:9/setup.exe\tThe new version "
                                    "needs the search service of May 2017 or later.\tSound marks "
                                    "on every register\tFaster searches over all databases";

// The words of a caption in lower case ("IR-Desgntd": ir, desgntd); one empty word if none.
Texts Words(const wxString& caption) {
    std::string text = FromWx(wxControl::RemoveMnemonics(caption).Lower());
    std::ranges::replace_if(
        text, [](unsigned char c) { return !std::isalnum(c); }, ' ');
    std::istringstream in(text);
    Texts words{std::istream_iterator<std::string>(in), {}};
    return words.empty() ? Texts(1) : words;
}

// A page is named by the last word of its caption ("IR-Desgntd": desgntd), or by the first where
// two captions end alike ("Velorin Databases", "Patent Office Direct Databases": velorin, patent).
std::string PageName(const std::vector<wxString>& captions, std::size_t page) {
    const Texts words = Words(captions[page]);
    const auto endsAlike = [&words](const wxString& other) {
        return Words(other).back() == words.back();
    };
    return std::count_if(captions.begin(), captions.end(), endsAlike) > 1 ? words.front()
                                                                          : words.back();
}

// A book or a strip of owner-drawn tabs: its pages' captions, and how one is shown.
struct CPages {
    wxWindow* window;
    std::vector<wxString> captions;
    std::function<void(int page)> select;
};

// The first book or strip of tabs of more than one page, depth first among the windows shown,
// that is not yet walked; of a book's pages only the current one is shown.
std::optional<CPages> FirstPages(wxWindow& window, const std::set<wxWindow*>& walked) {
    CPages pages{&window, {}, {}};
    auto* book = dynamic_cast<wxBookCtrlBase*>(&window);
    if (book) {
        pages.select = [book](int page) { book->SetSelection(page); };
        for (std::size_t page = 0; page < book->GetPageCount(); ++page)
            pages.captions.push_back(book->GetPageText(page));
    } else if (auto* tabs = dynamic_cast<CTabs*>(&window)) {
        pages.select = [tabs](int tab) { wx_test::ClickTab(*tabs, tab); };
        for (int tab = 0; tab < tabs->GetLayout().GetCount(); ++tab)
            pages.captions.push_back(ToWx(tabs->GetLayout().GetName(tab)));
    }
    if (pages.captions.size() > 1 && !walked.contains(&window))
        return pages;
    if (book)
        return book->GetCurrentPage() ? FirstPages(*book->GetCurrentPage(), walked) : std::nullopt;
    for (wxWindow* child : window.GetChildren())
        if (child->IsShown() && !child->IsTopLevel())
            if (std::optional<CPages> found = FirstPages(*child, walked))
                return found;
    return std::nullopt;
}

wxBookCtrlBase* BookOf(wxWindow& window) {
    for (wxWindow* child : window.GetChildren())
        if (auto* book = dynamic_cast<wxBookCtrlBase*>(child))
            return book;
    return nullptr;
}

class EveryWindow : public ProgramOverService {
protected:
    void SetUp() override {
        ProgramOverService::SetUp();
        ClearProxyEnvironment();
        wx_test::TakeToolkitWarnings();
        folder_.Write("home/template/plain.rtf", "{\\rtf1\\ansi [[CLIENT]]}");
        // The details window with its Quick Compare tab; the maker's server, whose repository
        // list names the service and whose newest announcement opens at start-up.
        CIniFile system(folder_ / "prog/ZrSystem.ini");
        system.WriteString("Test", "DetailTabs", "3");
        system.WriteString("WebServers", "Maker", web_.BaseUrl());
        web_.Page("/repositories/index.html",
                  "<repository>" + local_service::Process().Addresses().remote + "</repository>");
        web_.Page(CWebAnnouncementSource::kPath,
                  "<table id=announcements><tr><td>1 Mar 2017<td><a href=/news.htm>Faster "
                  "searches</a></tr></table>");
        web_.Page("/news.htm", "<h1>Faster searches</h1><p>Every register is searched at once.");
    }

    // The window as shown: its layout faults, and what the toolkit warned of since the last
    // look, go into the list under its name; its picture goes beside the others.
    void Look(wxWindow& window, const std::string& name) {
        window.Raise();
        EXPECT_TRUE(wx_test::PumpUntil([&window] { return window.IsShownOnScreen(); })) << name;
        // The toolkit allocates sizes and draws only once the window is on the display.
        wx_test::PumpUntil([] { return false; }, std::chrono::milliseconds(150));
        for (const std::string& fault : wx_test::LayoutFaults(window))
            faults_.push_back(name + ": " + fault);
        for (const std::string& warning : wx_test::TakeToolkitWarnings())
            faults_.push_back(name + ": " + warning);
        SaveScreen(window, name);
    }
    // Each page of the window's books and strips of tabs, those within a page for each page of
    // the book they lie in; the window itself when it has none.
    void LookAtPages(wxWindow& window, const std::string& name, std::set<wxWindow*> walked = {}) {
        const std::optional<CPages> pages = FirstPages(window, walked);
        if (!pages) {
            Look(window, name);
            return;
        }
        walked.insert(pages->window);
        // A sheet keeps one size, that of its largest page.
        wxSize size = window.GetSize();
        for (std::size_t page = 0; page < pages->captions.size(); ++page) {
            pages->select(static_cast<int>(page));
            const std::string pageName = name + "-" + PageName(pages->captions, page);
            LookAtPages(window, pageName, walked);
            if (window.GetSize() != size)
                faults_.push_back(pageName + ": the sheet changed its size");
            size = window.GetSize();
        }
    }
    // Each tab of a details window: the mark's image; its register's page, fetched through a
    // proxy that asks who the user is; and the page compared with the mark's record.
    void LookAtDetailsTabs(CDetailsFrame& details, const CMark& mark) {
        Look(details, "details-device");
        const RecordPtr record = TheZrDbs().GetDb(mark.GetRegisterCode())->FetchTextRecord(mark);
        ASSERT_NE(record, nullptr);
        LoopbackWebServer proxy;
        proxy.ActAsProxy("examiner", "secret",
                         CRegisterPageMaker::Render(static_cast<char>(mark.GetRegisterCode()),
                                                    *record, PageChange::WordMark));
        const CScopedEnv viaProxy("http_proxy", proxy.BaseUrl());
        wx_test::DialogScripts dialogs;
        dialogs.Add([this](wxDialog& credentials) {
            wx_test::Child<wxTextCtrl>(credentials, CProxyCredentialsDlg::kUserName)
                .SetValue("examiner");
            wx_test::Child<wxTextCtrl>(credentials, CProxyCredentialsDlg::kPassword)
                .SetValue("secret");
            Look(credentials, "proxy-credentials");
            wx_test::Click(*credentials.FindWindow(wxID_OK));
        });
        CDetailsTabbedView& pane = details.GetTabbedView();
        pane.GetModel().SelectTab(CDetailsTabsModel::kPto);
        ASSERT_TRUE(wx_test::PumpUntil([&pane] {
            return pane.GetModel().GetPageState() == EPageState::Complete;
        })) << FromWx(pane.GetInfoLine()->GetLabel());
        EXPECT_EQ(dialogs.Opened(), Texts{"Enter Network Password"});
        Look(details, "details-pto");
        pane.GetModel().SelectTab(CDetailsTabsModel::kQuickCompare);
        Look(details, "details-compare");
    }

    Texts faults_;
};

// A dialog a command of the main window opens, looked at page by page and cancelled; or, with a
// button (of a page, when named: pages may have buttons of the same id), the dialog that button
// opens.
struct CDialogRow {
    std::string name;
    int command;
    wxString page = {};
    int button = 0;
    // Makes the button work: what is typed or chosen before it is pressed.
    std::function<void(wxDialog&)> prepare = {};
};

const std::vector<CDialogRow>& DialogRows() {
    static const std::vector<CDialogRow> rows = {
        {"about", wxID_ABOUT},
        {"new-examination", wxID_NEW},
        {"options", kCmdOptions},
        {"section-names", kCmdOptions, "Examination", 1197},
        {"keywords", kCmdKeywords},
        {"keyword-definition", kCmdKeywords, "Keywords", 1227,
         [](wxDialog& sheet) { wx_test::Child<CMacroComboBox>(sheet, 1229).SetValue("NEWKEY"); }},
        {"diagnostics", kCmdDiagnostics},
        {"change-details", kCmdChangeDetails},
        {"change-databases", kCmdChangeDatabases},
        {"change-engines", kCmdChangeDatabases, {}, CChangeDatabasesDlg::kChangeEnginesId},
        {"search", kCmdSearch},
        {"word-index", kCmdSearch, "General", CGeneralPageWindow::kIndex,
         [](wxDialog& sheet) {
             wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kLocate).SetValue("ZEN");
         }},
        {"string-finder", kCmdSearch, "General", CGeneralPageWindow::kFinder},
        {"owner-finder", kCmdSearch, "Owners", CSelectionPageWindow::kBrowse},
        {"agent-finder", kCmdSearch, "Agents", CSelectionPageWindow::kBrowse},
        {"device-finder", kCmdSearch, "Devices", CSelectionPageWindow::kBrowse},
        {"vienna-finder", kCmdSearch, "Devices", CSelectionPageWindow::kCodeFinder},
        {"design-finder", kCmdSearch, "Locarno", CSelectionPageWindow::kBrowse},
        {"locarno-finder", kCmdSearch, "Locarno", CSelectionPageWindow::kCodeFinder},
        {"identical-search", kCmdIdent},
        {"enquiry", kCmdEnquiry},
        {"caveat-set", kCmdCaveat},
        {"search-information", kCmdSearchInfo},
        {"section-information", kCmdSectionInfo},
        {"section-name", kCmdChangeSectionName},
        {"report-choice", kCmdReport},
        {"convert-to-watch", kCmdConvertToWatch},
    };
    return rows;
}

TEST_F(EveryWindow, ShowsEveryLabelWholeAndNoControlOverAnother) {
    wx_test::RecordedMessages messages;
    // Logged in by typing, told of a new version; the new examination through every page of the
    // wizard, on the United Kingdom's databases; then the maker's newest announcement.
    {
        control_->SetRepositoryFault("remote", "newVersion", kNewVersion, 0);
        wx_test::DialogScripts dialogs;
        dialogs.Add([this](wxDialog& login) {
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kCompanyId).SetValue("TESTCO");
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kUserId).SetValue("examiner");
            wx_test::Child<wxTextCtrl>(login, CLoginDlg::kPassword).SetValue("secret");
            Look(login, "login");
            wx_test::Click(wx_test::Child<wxButton>(login, wxID_OK));
        });
        dialogs.Add([this](wxDialog& notice) {
            Look(notice, "new-version");
            notice.EndModal(wxID_CANCEL);
        });
        dialogs.Add([this](wxDialog& wizard) {
            wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
            LookAtPages(wizard, "wizard-standard");
            wx_test::Tick(wx_test::Child<wxCheckBox>(wizard, CStandardPageWindow::kAutoDesign),
                          true);
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
            wx_test::Child<wxTextCtrl>(wizard, CAutoPageWindow::kPrimaryClasses).SetValue("9");
            wx_test::Child<wxTextCtrl>(wizard, CAutoPageWindow::kWordMark).SetValue("Zenith");
            Look(wizard, "wizard-auto-design");
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
            Look(wizard, "wizard-terms");
            wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
            if (wizard.IsModal()) {
                ADD_FAILURE() << "the wizard stayed open";
                wizard.EndModal(wxID_CANCEL);
            }
        });
        dialogs.Add([this](wxDialog& announcement) {
            const wxWebView& page =
                dynamic_cast<CHtmlDlg&>(announcement).GetHtmlCtrl().GetBrowser();
            EXPECT_TRUE(wx_test::PumpUntil(
                [&page] { return !page.IsBusy() && page.GetCurrentURL().EndsWith("/news.htm"); }));
            Look(announcement, "announcement");
            announcement.EndModal(wxID_CANCEL);
        });
        program_ = std::make_unique<CZrProgram>(CZrProgram::Options{
            {}, folder_ / "prog", folder_ / "config/ZR2000.ini", &files_, &printer_});
        ASSERT_TRUE(program_->MakeStartup().Run());
        // The announcement comes once start-up is over.
        EXPECT_TRUE(wx_test::PumpUntil([&dialogs] { return dialogs.AllUsed(); }));
        ASSERT_EQ(dialogs.Opened(),
                  (Texts{"RO Vedaridarevu Login", "New version of RO Vedaridarevu available",
                         "New Examination - Standard Details", "Velorin Announcement"}));
        control_->SetRepositoryFault("remote", "none", "", 0);
    }
    Look(Frame(), "main-window");
    // A search run: its progress window, then the results window; the details window of a mark
    // kept there.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& sheet) {
            wx_test::Child<wxTextCtrl>(sheet, CGeneralPageWindow::kGroupIds[0]).SetValue("A-");
            wx_test::Click(*sheet.FindWindow(wxID_OK));
        });
        dialogs.Add([this](wxDialog& progress) { Look(progress, "searching"); });
        // Searches that take a few seconds, so that their progress is there to be looked at.
        control_->SetEngineFault("*", "polls", "", 20);
        Command(kCmdSearch);
        control_->SetEngineFault("*", "none", "", 0);
        EXPECT_EQ(dialogs.Opened(), (Texts{"Search Criteria", "Searching"}));
    }
    ASSERT_NE(Results(), nullptr) << ::testing::PrintToString(messages.Texts());
    Look(*Results(), "results");
    Command(*Results(), kCmdKeepAll);
    Command(*Results(), kCmdCloseResults);
    ASSERT_TRUE(wx_test::PumpUntil([this] { return Results() == nullptr; }));
    MainView().ShowKeptMarks(true);
    MainView().ClearSelection();
    MainView().SelectRow(0, 0);
    MainView().CompleteClick(false);
    Command(kCmdDetails);
    CDetailsFrame* details = Details();
    ASSERT_NE(details, nullptr);
    LookAtDetailsTabs(*details, MainView().GetShownMark(0));
    details->Close();
    wx_test::Pump();

    // Printing the kept marks: with a mark selected, the choice of the marks to print; without,
    // the preview of them all.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([this](wxDialog& range) {
            Look(range, "print-range");
            range.EndModal(wxID_CANCEL);
        });
        Command(wxID_PRINT);
        EXPECT_EQ(dialogs.Opened(), Texts{"Print"});
    }
    MainView().ClearSelection();
    Command(wxID_PREVIEW);
    wxPreviewFrame* preview = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* frame = dynamic_cast<wxPreviewFrame*>(window))
            preview = frame;
    ASSERT_NE(preview, nullptr) << ::testing::PrintToString(messages.Texts());
    Look(*preview, "print-preview");
    preview->Close(true);
    wx_test::Pump();
    // The progress windows of a report and of a print run, at their first mark.
    for (const auto& [name, caption, text] :
         {std::tuple{"report-progress", "Report Progress", "Reporting mark 1 of 12"},
          std::tuple{"print-progress", "Print", "Reading mark 1 of 12"}}) {
        CProgressDlg progress(&Frame(), caption);
        progress.SetRange(12, 0, 100);
        progress.SetProgress(text, 0);
        Look(progress, name);
    }

    // Saved, and the same file the answer to the caveat search, which reads it; the searches'
    // list, its search current.
    files_.answers = {folder_ / "home/exam.zre", folder_ / "home/exam.zre"};
    Command(wxID_SAVEAS);
    MainView().ShowKeptMarks(false);
    MainView().SelectSearchRow(0);

    // Every database of the maker's, chosen in Change Databases: the Locarno and IR-Desgntd
    // pages are there, and the finders list each entry with the flags of every register that
    // holds it.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& change) {
            wx_test::TickEveryRow(change, "Free training databases");
            wx_test::Click(*change.FindWindow(wxID_OK));
        });
        Command(kCmdChangeDatabases);
        EXPECT_TRUE(wx_test::PumpUntil([&dialogs] { return dialogs.AllUsed(); }));
    }

    for (const CDialogRow& row : DialogRows()) {
        wx_test::DialogScripts dialogs;
        dialogs.Add([this, &row](wxDialog& dialog) {
            if (!row.button) {
                LookAtPages(dialog, row.name);
            } else {
                wxWindow* scope = &dialog;
                if (!row.page.empty()) {
                    wxBookCtrlBase* book = BookOf(dialog);
                    ASSERT_NE(book, nullptr) << row.name;
                    for (std::size_t page = 0; page < book->GetPageCount(); ++page)
                        if (book->GetPageText(page) == row.page)
                            book->SetSelection(page);
                    ASSERT_EQ(book->GetPageText(book->GetSelection()), row.page) << row.name;
                    scope = book->GetCurrentPage();
                }
                if (row.prepare)
                    row.prepare(dialog);
                wxWindow* button = scope->FindWindow(row.button);
                ASSERT_NE(button, nullptr) << row.name;
                EXPECT_TRUE(button->IsEnabled()) << row.name;
                wx_test::Click(*button);
            }
            dialog.EndModal(wxID_CANCEL);
        });
        if (row.button)
            dialogs.Add([this, &row](wxDialog& inner) {
                LookAtPages(inner, row.name);
                inner.EndModal(wxID_CANCEL);
            });
        Command(row.command);
        // Some commands open their dialog once the command's event is over.
        EXPECT_TRUE(
            wx_test::PumpUntil([&dialogs] { return dialogs.AllUsed(); }, std::chrono::seconds(10)))
            << row.name << " opened " << ::testing::PrintToString(dialogs.Opened());
    }

    // The question of a search sheet's OK on criteria that could find too many marks.
    {
        CConfirmSearchDlg question(&Frame());
        question.Show();
        Look(question, "confirm-search");
    }

    // The differences dialog over the kept marks.
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([this](wxDialog& dialog) {
            auto& runAgain = wx_test::Child<wxButton>(dialog, CDiffDlg::kRunAgainButton);
            EXPECT_TRUE(wx_test::PumpUntil([&] { return runAgain.IsEnabled(); }));
            Look(dialog, "differences");
            dialog.EndModal(wxID_CANCEL);
        });
        Command(kCmdWebDiff);
        EXPECT_TRUE(dialogs.AllUsed());
    }

    // The kept marks made into a watch: the watch view above the main view, and the results
    // window of its first mark.
    TheUserOptions().SetWatchSet("");
    {
        wx_test::DialogScripts dialogs;
        dialogs.Add([](wxDialog& convert) { wx_test::Click(*convert.FindWindow(wxID_OK)); });
        dialogs.Add([](wxDialog&) {});
        Command(kCmdConvertToWatch);
        ASSERT_TRUE(wx_test::PumpUntil([&] { return dialogs.AllUsed(); }));
    }
    ASSERT_TRUE(wx_test::PumpUntil([this] { return Results() != nullptr; }));
    Look(*Results(), "watch-results");
    Look(Frame(), "watch");

    // The exit waits in the exit tasks for the background work still running.
    {
        class CWaitingJob : public CBgrJob {
        public:
            std::string GetName() const override { return "Waiting job"; }
        };
        auto job = std::make_shared<CWaitingJob>();
        TheBgrJobManager().AddJob(job);
        wx_test::DialogScripts dialogs;
        dialogs.Add([this, job](wxDialog& tasks) {
            Look(tasks, "exit-tasks");
            TheBgrJobManager().RemoveJob(*job);
        });
        wx_test::RecordedMessages answers({platform::MessageAnswer::No});
        Frame().Close();
        EXPECT_TRUE(wx_test::PumpUntil([this] { return program_->GetMainFrame() == nullptr; }));
    }
    // What the toolkit warns of until the program has gone.
    program_.reset();
    wx_test::Pump();
    for (const std::string& warning : wx_test::TakeToolkitWarnings())
        faults_.push_back("exit: " + warning);

    EXPECT_EQ(faults_, Texts{});
}

} // namespace
