// The program started as the application starts it, against the local search service, under
// the (virtual) display: logging in, the main window, its files and its closing. Dialogs are
// driven by scripts, message boxes answered from lists and file dialogs from queues.

#include "DbSelectionRows.h"
#include "NewExamScript.h"
#include "WxTestSupport.h"
#include "app/MakerServer.h"
#include "app/controls/ui/HScrollListBox.h"
#include "app/dialogs/ui/DiagnosticsDlg.h"
#include "app/ui/CommandIds.h"
#include "app/ui/HtmlDlg.h"
#include "app/ui/MainFrame.h"
#include "app/ui/ZrProgram.h"
#include "core/IniFile.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "core/ui/WxMessageBoxes.h"
#include "core/ui/WxText.h"
#include "engines/Repository.h"
#include "engines/ZrDbEngineSet.h"
#include "engines/selection/ui/ChangeDatabasesDlg.h"
#include "engines/ui/LoginDlg.h"
#include "registers/ZrDbs.h"
#include "report/ui/ReportSelectDlg.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"
#include "tests/support/QueuedFileDialogs.h"
#include "tests/support/RegisterPageMaker.h"
#include "tests/support/WebServer.h"
#include "web/HtmlUrl.h"
#include "web/ui/DiffDlg.h"

#include <curl/curlver.h>
#include <fstream>
#include <future>
#include <httplib.h>
#include <png.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using Texts = std::vector<std::string>;
using platform::MessageAnswer;

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        workingDir_ = std::filesystem::current_path();
        const TestServiceAddresses& service = local_service::Process().Addresses();
        WriteSettings("Remote1=" + service.remote + "\nLocal=" + service.local + "\n");
        std::filesystem::create_directories(folder_ / "home");
        control_ = local_service::ResetControl();
    }
    void TearDown() override {
        program_.reset();
        wx_test::Pump();
        std::filesystem::current_path(workingDir_);
    }

    // The system settings with this [Repository] section and more sections after it.
    void WriteSettings(const std::string& repository, const std::string& more = "") {
        folder_.Write("prog/ZrSystem.ini", "[Locations]\nHome=" + folder_ / "home" +
                                               "\n[Repository]\n" + repository + more);
    }
    // The test account saved for the automatic login, as the login itself saves it.
    void SaveAutoLogin() {
        CSystemOptions settings;
        settings.Load(folder_ / "prog");
        ASSERT_TRUE(settings.SaveDefaultLogin(local_service::kCompanyId, local_service::kUserId,
                                              local_service::kPassword));
        CIniFile(folder_ / "prog/ZrSystem.ini").WriteBool("DefaultLogin", "AutoLogin", true);
    }
    bool Start(std::vector<std::string> arguments = {}) {
        program_ = std::make_unique<CZrProgram>(CZrProgram::Options{
            std::move(arguments), folder_ / "prog", folder_ / "config/ZR2000.ini", &files_});
        startup_ = program_->MakeStartup();
        return startup_.Run();
    }
    CMainFrame& Frame() { return *program_->GetMainFrame(); }
    void Command(int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        Frame().GetEventHandler()->ProcessEvent(event);
    }
    std::string Title() { return FromWx(Frame().GetTitle()); }

    CTempFolder folder_;
    CScopedEnv config_{"XDG_CONFIG_HOME", folder_ / "config"};
    std::filesystem::path workingDir_;
    ZrTestControl_var control_;
    CQueuedFileDialogs files_;
    std::unique_ptr<CZrProgram> program_;
    CStartupSequence startup_;
};

TEST_F(ProgramTest, AutomaticLoginShowsTheMainWindowOnANewExamination) {
    SaveAutoLogin();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    EXPECT_EQ(scripts.Opened(), (Texts{"New Examination - Standard Details"}));
    EXPECT_TRUE(Frame().IsShown());
    EXPECT_EQ(Title(), "Untitled - RO Vedaridarevu");
    EXPECT_FALSE(local_service::LoggedCalls(control_, "GetAvailableEngines2").empty());
    EXPECT_EQ(TheSystemOptions().GetUserId(), "examiner");
    // The new examination takes the databases ticked in the wizard.
    EXPECT_FALSE(program_->GetDocument().GetDatabaseCodes().empty());
    EXPECT_EQ(FromWx(Frame().GetToolsMenu()->GetLabel(kCmdOptions)), "&Options for examiner");
    EXPECT_EQ(FromWx(Frame().GetToolsMenu()->GetLabel(kCmdUsageStatistics)),
              "TESTCO &Usage Statistics");
    EXPECT_TRUE(messages.Texts().empty()) << ::testing::PrintToString(messages.Texts());
    // Commands whose windows do not exist yet stay disabled; submenus stay open.
    wxMenuBar& menus = *Frame().GetMenuBar();
    menus.UpdateMenus();
    EXPECT_FALSE(menus.IsEnabled(kCmdWatchAll)); // an examination
    EXPECT_TRUE(menus.IsEnabled(wxID_OPEN));
    EXPECT_TRUE(menus.IsEnabled(kCmdMerge));
    EXPECT_TRUE(menus.IsEnabled(kCmdPrintSetup));
    const wxMenuItem* recent =
        Frame().GetFileMenu()->FindChildItem(Frame().GetFileMenu()->FindItem("Recent Files"));
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->IsEnabled());

    // Opening a watch splits the window: the watch view above the main view.
    program_->GetDocument().SetWatchContents(CMarkList(), CSearchList());
    ASSERT_TRUE(program_->GetDocument().OnSaveDocument(folder_ / "home/watch.zre"));
    files_.answers = {folder_ / "home/watch.zre"};
    Command(wxID_OPEN);
    ASSERT_NE(Frame().GetSplitter(), nullptr);
    EXPECT_TRUE(Frame().GetSplitter()->IsSplit());
    EXPECT_EQ(Frame().GetSplitter()->GetSplitMode(), wxSPLIT_HORIZONTAL);
    EXPECT_EQ(Title(), "watch.zre - RO Vedaridarevu (Watching)");
    scripts.Add(FinishNewExamination);
    Command(wxID_NEW);
    EXPECT_EQ(Frame().GetSplitter(), nullptr);
}

TEST_F(ProgramTest, TheOptionsDiagnosticsAboutAndExaminationCommandsOpenTheirWindows) {
    SaveAutoLogin();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    const int commands[] = {kCmdOptions, kCmdKeywords,      kCmdDiagnostics,
                            wxID_ABOUT,  kCmdChangeDetails, kCmdChangeDatabases};
    for (const int id : commands) {
        scripts.Add([](wxDialog& shown) { shown.EndModal(wxID_CANCEL); });
        Command(id);
    }
    EXPECT_EQ(scripts.Opened(),
              (Texts{"New Examination - Standard Details", "Options for examiner",
                     "Keywords for examiner", "Diagnostic Information", "About RO Vedaridarevu",
                     "Change Details", "Change Databases"}));
}

// The engine the EU register has, by where it serves.
std::string EutmEngine() {
    return TheZrDbs().GetDb('c')->GetDbEngine().GetLocationLabel();
}

// The registers without engines, as in a program just started.
void DropRegisterEngines() {
    TheZrDbs().SetEngines(CZrDbEngineSet());
}

TEST_F(ProgramTest, EnginesChangedByTheUserOutliveReopeningAndTheNextLogin) {
    SaveAutoLogin();
    DropRegisterEngines();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    ASSERT_EQ(EutmEngine(), "Lan") << "the discovery's choice";

    // Change Databases, Change Engines: the EU register's Internet engine.
    scripts.Add([](wxDialog& databases) {
        wx_test::Click(wx_test::Child<wxButton>(databases, CChangeDatabasesDlg::kChangeEnginesId));
        wx_test::Click(wx_test::Child<wxButton>(databases, wxID_OK));
    });
    scripts.Add([](wxDialog& engines) { wx_test::ChooseEngine(engines, "EU&TM", 1); });
    Command(kCmdChangeDatabases);
    ASSERT_EQ(EutmEngine(), "Web");

    files_.answers = {folder_ / "home/engines"};
    Command(wxID_SAVEAS);
    files_.answers = {folder_ / "home/engines.zre"};
    Command(wxID_OPEN);
    ASSERT_EQ(Title(), "engines.zre - RO Vedaridarevu");
    EXPECT_EQ(EutmEngine(), "Web") << "the examination reopened";

    // The next start logs in afresh: its new examination starts from the engine chosen.
    program_.reset();
    DropRegisterEngines();
    bool offered = false;
    scripts.Add([&offered](wxDialog& wizard) {
        wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
        offered = wx_test::FindDbSelectionRow(wizard, "EUTM to 3 Mar 2017 (Web)") != nullptr;
        FinishNewExamination(wizard);
    });
    ASSERT_TRUE(Start());
    EXPECT_TRUE(offered);
    EXPECT_EQ(EutmEngine(), "Web") << "after the next login";
    EXPECT_EQ(messages.Texts(), Texts{});
}

TEST_F(ProgramTest, TypedLoginWithAWrongPasswordKeepsTheDialogOpen) {
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    bool stayedOpen = false;
    scripts.Add([&stayedOpen](wxDialog& login) {
        wx_test::Child<wxTextCtrl>(login, CLoginDlg::kCompanyId).SetValue(" TESTCO ");
        wx_test::Child<wxTextCtrl>(login, CLoginDlg::kUserId).SetValue("examiner");
        wx_test::Child<wxTextCtrl>(login, CLoginDlg::kPassword).SetValue("wrong");
        wx_test::Click(wx_test::Child<wxButton>(login, wxID_OK));
        ASSERT_TRUE(wx_test::PumpUntil(
            [&login] { return !static_cast<CLoginDlg&>(login).IsConnecting(); }));
        stayedOpen = login.IsModal();
        wx_test::Child<wxTextCtrl>(login, CLoginDlg::kPassword).SetValue("secret");
        wx_test::Click(wx_test::Child<wxButton>(login, wxID_OK));
    });
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(scripts.Opened(),
              (Texts{"RO Vedaridarevu Login", "New Examination - Standard Details"}));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(Frame().IsShown());
    // The login was saved for the next start, without the password.
    CSystemOptions saved;
    saved.Load(folder_ / "prog");
    EXPECT_EQ(saved.GetDefaultCompId(), "TESTCO");
    EXPECT_EQ(saved.GetDefaultPassword(), "");
}

TEST_F(ProgramTest, CancelAtLoginEndsStartUpWithoutAMainWindow) {
    wx_test::DialogScripts scripts;
    scripts.Add(
        [](wxDialog& login) { wx_test::Click(wx_test::Child<wxButton>(login, wxID_CANCEL)); });
    EXPECT_FALSE(Start());
    EXPECT_EQ(startup_.GetStepsRun().back(), "Login");
    EXPECT_FALSE(Frame().IsShown());
}

TEST_F(ProgramTest, TheLoginDialogStaysLiveWhileTheServiceHangsAndCancelEndsIt) {
    control_->SetRepositoryFault("remote", "slow", "", 2000);
    control_->SetRepositoryFault("local", "slow", "", 2000);
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    scripts.Add([](wxDialog& shown) {
        auto& login = static_cast<CLoginDlg&>(shown);
        wx_test::Child<wxTextCtrl>(login, CLoginDlg::kCompanyId).SetValue("TESTCO");
        wx_test::Child<wxTextCtrl>(login, CLoginDlg::kUserId).SetValue("examiner");
        wx_test::Child<wxTextCtrl>(login, CLoginDlg::kPassword).SetValue("secret");
        wx_test::Click(wx_test::Child<wxButton>(login, wxID_OK));
        // The window goes on handling events while the repository is silent.
        bool handled = false;
        login.CallAfter([&handled] { handled = true; });
        EXPECT_TRUE(wx_test::PumpUntil([&handled] { return handled; }));
        EXPECT_TRUE(login.IsModal());
        EXPECT_TRUE(login.IsConnecting());
        EXPECT_FALSE(wx_test::Child<wxButton>(login, wxID_OK).IsEnabled());
        EXPECT_FALSE(wx_test::Child<wxTextCtrl>(login, CLoginDlg::kPassword).IsEnabled());
        wx_test::Click(wx_test::Child<wxButton>(login, wxID_CANCEL));
        EXPECT_FALSE(login.IsModal());
    });
    EXPECT_FALSE(Start());
    EXPECT_EQ(startup_.GetStepsRun().back(), "Login");
    // The connection left behind asked no further repository and said nothing.
    EXPECT_EQ(local_service::LoggedCalls(control_, "GetAvailableEngines2").size(), 1u);
    EXPECT_EQ(messages.Texts(), Texts{});
    CSystemOptions saved;
    saved.Load(folder_ / "prog");
    EXPECT_EQ(saved.GetDefaultCompId(), "");
}

TEST_F(ProgramTest, TheMakersServerListsTheRepositoriesAndItsAnnouncementsComeLater) {
    LoopbackWebServer maker;
    maker.Page("/repositories/index.html",
               "<repository>" + local_service::Process().Addresses().remote + "</repository>");
    // The announcements page is held back until the program has started.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    maker.Route(CWebAnnouncementSource::kPath,
                [released](const httplib::Request&, httplib::Response& response) {
                    released.wait_for(std::chrono::seconds(10));
                    response.set_content("<table id=announcements>"
                                         "<tr><td>2 Mar 2017<td><a href=/b.htm>Second</a></tr>"
                                         "<tr><td>1 Mar 2017<td><a href=/a.htm>First</a></tr>"
                                         "</table>",
                                         "text/html");
                });
    WriteSettings("", "[WebServers]\nMaker=" + maker.BaseUrl() + "\n");
    SaveAutoLogin();
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    // The newest announcement opens in its window once the page has come.
    scripts.Add([](wxDialog& window) { window.EndModal(wxID_CANCEL); });
    const bool started = Start();
    const bool listedBeforeThePageCame =
        started && Frame().GetHelpMenu()->FindItem("Recent Announcements") != wxNOT_FOUND;
    release.set_value();
    ASSERT_TRUE(started);
    EXPECT_FALSE(listedBeforeThePageCame);
    EXPECT_EQ(local_service::LoggedCalls(control_, "GetAvailableEngines2").size(), 1u);
    EXPECT_EQ(TheSystemOptions().GetUserId(), "examiner");

    wxMenu& help = *Frame().GetHelpMenu();
    ASSERT_TRUE(wx_test::PumpUntil(
        [&help] { return help.FindItem("Recent Announcements") != wxNOT_FOUND; }));
    const wxMenuItem* recent = help.FindItemByPosition(2);
    ASSERT_TRUE(recent->IsSubMenu());
    wxMenu& items = *recent->GetSubMenu();
    ASSERT_EQ(items.GetMenuItemCount(), 2u);
    EXPECT_EQ(FromWx(items.FindItemByPosition(0)->GetItemLabelText()), "Second");
    EXPECT_EQ(FromWx(items.FindItemByPosition(1)->GetItemLabelText()), "First");
    EXPECT_TRUE(help.FindItemByPosition(3)->IsSeparator());
    const Texts log = maker.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(Texts(log.begin(), log.begin() + 2),
              (Texts{"GET /repositories/index.html", "GET /announcements/index.html"}));
    EXPECT_TRUE(wx_test::PumpUntil([&scripts] { return scripts.AllUsed(); }));
}

// The dismissed announcement's date breaks its line and holds other control characters, which
// the settings file cannot keep; the next start still knows it.
TEST_F(ProgramTest, AnAnnouncementDismissedFromADateThatBreaksItsLineStaysDismissed) {
    using namespace std::string_literals;
    LoopbackWebServer maker;
    maker.Page("/repositories/index.html",
               "<repository>" + local_service::Process().Addresses().remote + "</repository>");
    maker.Page(CWebAnnouncementSource::kPath,
               "<table id=announcements>"
               "<tr><td>5 January\n2024\0 \x01<td><a href=/news.htm>News</a></tr>"
               "</table>"s);
    WriteSettings("", "[WebServers]\nMaker=" + maker.BaseUrl() + "\n");
    SaveAutoLogin();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    scripts.Add([](wxDialog& window) {
        wx_test::Tick(wx_test::Child<wxCheckBox>(window, CHtmlDlg::kDontShowAgainId), true);
        wx_test::Click(wx_test::Child<wxButton>(window, wxID_OK));
    });
    ASSERT_TRUE(Start());
    ASSERT_TRUE(wx_test::PumpUntil([&scripts] { return scripts.AllUsed(); }));
    program_->Exit();

    // The next start reads the same page and shows the announcement only in the menu.
    program_.reset();
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(wx_test::PumpUntil(
        [this] { return Frame().GetHelpMenu()->FindItem("Recent Announcements") != wxNOT_FOUND; }));
    wx_test::Pump();
    EXPECT_EQ(scripts.Opened(), (Texts{"New Examination - Standard Details", "Velorin Announcement",
                                       "New Examination - Standard Details"}));
    EXPECT_TRUE(messages.Texts().empty()) << ::testing::PrintToString(messages.Texts());
}

TEST_F(ProgramTest, ARelativeFileOnTheCommandLineIsTakenFromTheFolderStartedIn) {
    SaveAutoLogin();
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(program_->GetDocument().OnSaveDocument(folder_ / "home/Sample.zre"));
    program_.reset();

    wx_test::RecordedMessages messages;
    std::filesystem::current_path(folder_.Path());
    ASSERT_TRUE(Start({"home/Sample.zre"}));
    EXPECT_EQ(program_->GetDocument().GetPathName(), folder_ / "home/Sample.zre");
    EXPECT_TRUE(messages.Texts().empty()) << ::testing::PrintToString(messages.Texts());
}

TEST_F(ProgramTest, DiagnosticsGiveTheVersionsTheLibrariesTell) {
    SaveAutoLogin();
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    Texts lines;
    scripts.Add([&lines](wxDialog& dialog) {
        auto& close = wx_test::Child<wxButton>(dialog, wxID_CLOSE);
        ASSERT_TRUE(wx_test::PumpUntil([&close] { return close.IsEnabled(); }));
        const CHScrollListBox& report = dynamic_cast<CDiagnosticsDlg&>(dialog).GetReport();
        for (int i = 0; i < report.GetCount(); ++i)
            lines.push_back(report.GetString(i));
        wx_test::Click(close);
    });
    Command(kCmdDiagnostics);
    const auto number = [](auto value) { return std::to_string(value); };
    const unsigned long orb = omniORB::versionHex();
    const Texts expected{
        "wxWidgets Version: " + number(wxMAJOR_VERSION) + "." + number(wxMINOR_VERSION) + "." +
            number(wxRELEASE_NUMBER) + ".0",
        "omniORB Version: " + number(orb >> 24) + "." + number(orb >> 16 & 0xFF) + "." +
            number(orb >> 8 & 0xFF) + ".0",
        "libcurl Version: " LIBCURL_VERSION ".0",
        "libpng Version: " PNG_LIBPNG_VER_STRING ".0",
    };
    const auto first = std::find(lines.begin(), lines.end(), "--Operating System--");
    ASSERT_GE(lines.end() - first, 6);
    EXPECT_EQ(Texts(first + 2, first + 6), expected);
}

TEST_F(ProgramTest, TheMakersServerOfTheSettingsIsTheOneTheLoginAndTheDatabaseLinksName) {
    LoopbackWebServer maker;
    maker.Page("/repositories/index.html",
               "<repository>" + local_service::Process().Addresses().remote + "</repository>");
    WriteSettings("Local=" + local_service::Process().Addresses().local + "\n",
                  "[WebServers]\nMaker=" + maker.BaseUrl() + "\n[Test]\nCheckAnnouncements=0\n");
    control_->SetRepositoryFault("local", "commFailure", "", 0);
    SaveAutoLogin();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    std::string trainingPage, noticesPage;
    scripts.Add([&](wxDialog& wizard) {
        wx_test::SetDbSelectionRow(wizard, "Free training databases", true);
        trainingPage =
            wx_test::Child<CHyperLink>(wizard, CDbSelectionPanelWnd::kTrainingId).GetURL();
        wx_test::SetDbSelectionRow(wizard, "Free training databases", false);
        wx_test::ClickDbSelectionTab(wizard, 1);
        wx_test::SetDbSelectionRow(wizard, "Example region", true);
        noticesPage =
            wx_test::Child<CHyperLink>(wizard, CDbSelectionPanelWnd::kFirstNoticeId + 2).GetURL();
        wx_test::SetDbSelectionRow(wizard, "Please confirm that you have read these", true);
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
        if (wizard.IsModal())
            wizard.EndModal(wxID_CANCEL);
    });
    ASSERT_TRUE(Start());
    EXPECT_EQ(messages.Texts(),
              Texts{"|W326 Unable to contact the repository. (ZrAdmin)\n\nBut you may continue "
                    "using the " +
                    CHtmlUrl(maker.BaseUrl()).GetHostName() + " engines."});
    EXPECT_EQ(trainingPage, maker.Url("/Training/ZrTraining.htm"));
    EXPECT_EQ(noticesPage, maker.Url("/du2v/direct/WTM.html"));
    EXPECT_EQ(program_->GetDocument().GetDatabaseCodes(), "w");
}

TEST_F(ProgramTest, SaveAsThenOpenBringsTheExaminationBack) {
    SaveAutoLogin();
    wx_test::RecordedMessages messages;
    wx_test::DialogScripts scripts;
    // The United Kingdom's databases and the register the service defines for itself.
    scripts.Add([](wxDialog& wizard) {
        wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
        wx_test::ClickDbSelectionTab(wizard, 1);
        wx_test::SetDbSelectionRow(wizard, "Example region", true);
        wx_test::SetDbSelectionRow(wizard, "Please confirm that you have read these", true);
        wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
    });
    ASSERT_TRUE(Start());
    CZR2000Doc& document = program_->GetDocument();
    CSearch search(2);
    search.GetCriteria().ResetWithDbIds(document.GetDatabaseCodes());
    document.AddSearch(search);
    document.AddMarks(std::vector<CMark>{{2u, 'w', 0, 0, 0, CMark::kPermanentKeep}}, 1, 0);

    files_.answers = {folder_ / "home/acme"};
    Command(wxID_SAVEAS);
    EXPECT_EQ(Title(), "acme.zre - RO Vedaridarevu");
    EXPECT_FALSE(document.IsModified());
    const std::string selection = document.GetValue(CExamInfo::kDbSelection);
    EXPECT_TRUE(selection.ends_with(" YWT YWT-WTM")) << selection;

    scripts.Add(FinishNewExamination);
    Command(wxID_NEW);
    EXPECT_EQ(document.GetSearchCount(), 0);
    EXPECT_EQ(Title(), "Untitled - RO Vedaridarevu");
    files_.answers = {folder_ / "home/acme.zre"};
    Command(wxID_OPEN);
    ASSERT_EQ(document.GetSearchCount(), 1);
    EXPECT_EQ(document.GetSearch(0).GetSection(), 2);
    ASSERT_EQ(files_.requests.size(), 2u);
    EXPECT_EQ(files_.requests[0].title, "Save As");
    EXPECT_EQ(files_.requests[1].title, "Open");

    // The reopened examination's databases, the direct register among them, pass OK untouched
    // and are saved again.
    const auto untouched = [](wxDialog& databases) {
        wx_test::Click(wx_test::Child<wxButton>(databases, wxID_OK));
        if (databases.IsModal())
            databases.EndModal(wxID_CANCEL);
    };
    scripts.Add(untouched);
    Command(kCmdChangeDatabases);
    EXPECT_NE(document.GetDatabaseCodes().find('w'), std::string::npos);
    Command(wxID_SAVE);
    EXPECT_EQ(document.GetValue(CExamInfo::kDbSelection), selection);
    EXPECT_EQ(messages.Texts(), Texts{});

    // Merged into an examination of the United Kingdom alone, the file brings its direct
    // register along.
    scripts.Add(FinishNewExamination);
    Command(wxID_NEW);
    EXPECT_EQ(document.GetDatabaseCodes().find('w'), std::string::npos);
    files_.answers = {folder_ / "home/acme.zre"};
    Command(kCmdMerge);
    ASSERT_EQ(document.GetSearchCount(), 1);
    scripts.Add(untouched);
    Command(kCmdChangeDatabases);
    EXPECT_NE(document.GetDatabaseCodes().find('w'), std::string::npos);
    EXPECT_EQ(messages.Texts(), Texts{});

    // The recent files survive the program.
    program_.reset();
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    files_.answers.clear();
    Command(wxID_FILE1);
    EXPECT_EQ(Title(), "acme.zre - RO Vedaridarevu");
}

TEST_F(ProgramTest, ClosingAModifiedExaminationAsksAndEscapeStays) {
    SaveAutoLogin();
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    CSearch search(1);
    program_->GetDocument().AddSearch(search);
    {
        // The question as the user meets it, where Escape is Cancel.
        const CWxMessageBoxes boxes;
        Texts asked;
        scripts.Add([&asked](wxDialog& box) {
            for (wxWindow* child : box.GetChildren())
                if (auto* text = dynamic_cast<wxStaticText*>(child))
                    asked.push_back(FromWx(text->GetLabel()));
            EXPECT_TRUE(wx_test::EndsDialog(
                box, [&box] { ASSERT_TRUE(wx_test::PressKey(box, WXK_ESCAPE)); }));
        });
        Frame().Close();
        wx_test::Pump();
        ASSERT_NE(program_->GetMainFrame(), nullptr);
        EXPECT_EQ(asked, Texts{"Save changes to Untitled?"});
        EXPECT_TRUE(program_->GetDocument().IsModified());
    }
    wx_test::RecordedMessages yes({MessageAnswer::Yes});
    files_.answers = {folder_ / "home/closing.zre"};
    Frame().Close();
    EXPECT_TRUE(wx_test::PumpUntil([this] { return program_->GetMainFrame() == nullptr; }));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "home/closing.zre"));
}

TEST_F(ProgramTest, ReportWritesTheExaminationThroughTheChosenTemplate) {
    SaveAutoLogin();
    folder_.Write("home/template/default.rtf", "{\\rtf1 [[CLIENT]]}");
    folder_.Write("home/template/marks.txt",
                  "[[CLIENT]]\n[[STARTMARK]][[DATABASE]] [[WORDMARK]]\n[[ENDMARK]]");
    std::filesystem::create_directories(folder_ / "home/reports");
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    CZR2000Doc& document = program_->GetDocument();
    document.SetClient("Client & Co");
    const EngineInfoSeq_var engines = local_service::Logon(local_service::Remote(), "");
    const std::vector<CORBA::ULong> found =
        local_service::Search(local_service::Find(engines.in(), 'u'), "TMARK=\"ZENITH\"");
    ASSERT_FALSE(found.empty());
    const CMark mark(found.front(), 'u', 0, 0, 0, CMark::kPermanentKeep | CMark::kKept);
    document.MergeMark(mark);
    CZrDb& uk = *TheZrDbs().GetDb('u');
    const RecordPtr record = uk.FetchTextRecord(mark);
    ASSERT_NE(record, nullptr);

    Texts offered;
    scripts.Add([&offered](wxDialog& chooser) {
        auto& list = wx_test::Child<wxListBox>(chooser, CReportSelectDlg::kTemplateList);
        for (unsigned i = 0; i < list.GetCount(); ++i)
            offered.push_back(FromWx(list.GetString(i)));
        list.SetSelection(1);
        wxCommandEvent pick(wxEVT_LISTBOX_DCLICK, list.GetId());
        pick.SetEventObject(&list);
        list.GetEventHandler()->ProcessEvent(pick);
    });
    files_.answers = {folder_ / "home/reports/zenith"};
    Command(kCmdReport);
    EXPECT_EQ(offered, (Texts{"default.rtf", "marks.txt"}));
    EXPECT_EQ(folder_.Read("home/reports/zenith.txt"),
              "Client & Co\n" + uk.GetShortName() + " " +
                  std::string(record->GetField("WORDMARK")) + "\n");
    EXPECT_EQ(TheUserOptions().GetReportTemplate(), "marks.txt");

    // The next time that template is chosen at first; a folder that is not there is told.
    wx_test::RecordedMessages messages;
    scripts.Add(
        [](wxDialog& chooser) { wx_test::Click(wx_test::Child<wxButton>(chooser, wxID_OK)); });
    files_.answers = {folder_ / "home/missing/zenith"};
    Command(kCmdReport);
    const std::string expected = "|W306 Cannot write: " + folder_ / "home/missing/zenith.txt";
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].substr(0, expected.size()), expected);
}

TEST_F(ProgramTest, WebDiffChecksTheKeptMarksAgainstTheirRegistersPages) {
    LoopbackWebServer server;
    CRegisterPageMaker pages(server);
    std::ofstream(folder_ / "prog/ZrSystem.ini", std::ios::app)
        << "[Test]\nShowWebDiff=1\n[WebServers]\nUK=" << server.BaseUrl() << "\n";
    SaveAutoLogin();
    wx_test::DialogScripts scripts;
    scripts.Add(FinishNewExamination);
    ASSERT_TRUE(Start());
    const EngineInfoSeq_var engines = local_service::Logon(local_service::Remote(), "");
    const std::vector<CORBA::ULong> found =
        local_service::Search(local_service::Find(engines.in(), 'u'), "TMARK=\"ZENITH\"");
    ASSERT_FALSE(found.empty());
    const CMark mark(found.front(), 'u', 0, 0, 0, CMark::kPermanentKeep | CMark::kKept);
    program_->GetDocument().MergeMark(mark);
    const RecordPtr record = TheZrDbs().GetDb('u')->FetchTextRecord(mark);
    ASSERT_NE(record, nullptr);
    pages.Add('u', *record, PageChange::WordMark);

    Texts lines;
    scripts.Add([&lines](wxDialog& dialog) {
        auto& status = wx_test::Child<wxStaticText>(dialog, CDiffDlg::kStatusText);
        ASSERT_TRUE(wx_test::PumpUntil([&] { return status.GetLabel().StartsWith("1 out of"); }));
        const auto& list = wx_test::Child<CHScrollListBox>(dialog, CDiffDlg::kReportList);
        for (int i = 0; i < list.GetCount(); ++i)
            lines.push_back(list.GetString(i));
        wx_test::Click(wx_test::Child<wxButton>(dialog, wxID_CANCEL));
    });
    control_->ClearCallLog();
    Command(kCmdWebDiff);
    EXPECT_TRUE(scripts.AllUsed());
    // In front of the dialog, which a click cannot put over it.
    EXPECT_EQ(scripts.Modeless(), Texts{"Running... over Differences from PTO site"});
    EXPECT_EQ(lines, (Texts{"Differences for UK AppNum: " + std::string(record->GetField("APPNUM")),
                            "  Word mark", "    Have:\t\tZENITH", "    Should be:\tZENITH PLUS"}));
    EXPECT_EQ(local_service::LoggedCalls(control_, "FlagSuspectSGEs").size(), 1u);
}

} // namespace
