#include "app/ui/ZrProgram.h"

#include "app/MakerServer.h"
#include "app/dialogs/ui/DocumentDialogs.h"
#include "app/ui/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "app/ui/ProxyCredentialsDlg.h"
#include "core/FilePath.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "core/ui/WindowInUse.h"
#include "core/ui/WxText.h"
#include "core/ui/ZrDialog.h"
#include "engines/BgrJobs.h"
#include "engines/Login.h"
#include "engines/Orb.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "engines/VersionInfo.h"
#include "engines/ui/ExitTasksDlg.h"
#include "engines/ui/LoginDlg.h"
#include "engines/ui/VersionInfoDlg.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"
#include "platform/Paths.h"
#include "registers/ZrDbs.h"
#include "report/ui/ProgressDlg.h"

#include <ctime>
#include <filesystem>
#include <wx/app.h>
#include <wx/settings.h>

namespace {

std::string WorkingFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

CZrDate Today() {
    CZrDate today;
    today.SetTime(std::time(nullptr));
    return today;
}

void PostToWindowThread(std::function<void()> task) {
    wxTheApp->CallAfter(std::move(task));
}

} // namespace

// The document's windows: the main frame's layout and status line, its file dialogs, questions
// and messages.
class CZrProgram::CFrameHost : public IDocumentHost {
public:
    explicit CFrameHost(CZrProgram& program) : program_(program) {}

    void ShowMessage(const std::string& text) override {
        platform::ShowMessageBox(
            {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
    }
    bool AskYesNo(const std::string& text) override {
        return platform::ShowMessageBox({text, "", platform::MessageButtons::YesNo,
                                         platform::MessageIcon::Question, true}) ==
               platform::MessageAnswer::Yes;
    }
    void ChangeEngines(const std::string& codes) override {
        RunChangeEngines(program_.FrameWindow(), codes, GetRegisterTable(), TheRepository(),
                         program_.registers_);
    }
    void SetWatchMode(bool watch) override {
        if (CMainFrame* frame = program_.GetMainFrame())
            frame->SetWatchMode(watch);
    }
    void SetStatusText(const std::string& text) override {
        if (CMainFrame* frame = program_.GetMainFrame())
            frame->SetMessageText(text);
    }
    void SaveAs(const std::string& folder) override { program_.docManager_->FileSaveAs(folder); }
    // Over the window the user works in, so that a click on it cannot hide Cancel.
    std::unique_ptr<IProgress> OpenProgress(const std::string& caption) override {
        return std::make_unique<CProgressDlg>(WindowInUse(), caption);
    }

private:
    CZrProgram& program_;
};

// The main view's print commands on the program's printing.
class CZrProgram::CViewPrinting : public IMarkPrinting {
public:
    explicit CViewPrinting(CZrProgram& program) : program_(program) {}

    void Print(const CZrDocData& document, const CZrDocData* selection, bool preview) override {
        program_.printing_.PrintExamination(program_.FrameWindow(), document, selection,
                                            preview ? EPrintAction::Preview : EPrintAction::Dialog);
    }

private:
    CZrProgram& program_;
};

CZrProgram::CZrProgram(Options options)
    : options_(std::move(options)), startDir_(WorkingFolder()),
      proxyPrompt_(
          [this](const std::string& proxy) { return AskProxyCredentials(FrameWindow(), proxy); },
          PostToWindowThread),
      engineTable_(TheZrDbs()), registers_(TheZrDbs()), repository_(TheRepository()),
      fileDialogs_(options_.fileDialogs ? *options_.fileDialogs : wxFileDialogs_),
      recentFiles_(options_.recentFilesIni.empty() ? AppendPath(platform::ConfigDir(), "ZR2000.ini")
                                                   : options_.recentFilesIni),
      printRegisters_(TheZrDbs()),
      printing_(
          printRegisters_, TheUserOptions(), Today,
          [this](const std::string& caption) { return host_->OpenProgress(caption); },
          options_.printer),
      viewPrinting_(std::make_unique<CViewPrinting>(*this)), help_("", platform::OpenUrl),
      announcements_(announcementWindow_, TheUserOptions()) {
    InstallRegisterTable(&engineTable_);
    // Every engine a register takes after the login is the user's choice for its database: an
    // examination opened later, and the next login, find it again.
    RecordEngineChoices(TheZrDbs(), TheRepository());
}

CZrProgram::~CZrProgram() {
    // The fetches still running are waited for below; nobody is left to answer them.
    proxyPrompt_.Close();
    if (CMainFrame* frame = GetMainFrame())
        frame->Destroy();
    TheRepository().DisconnectAll();
    TheZrDbs().SetEngineChoiceHook({});
    InstallRegisterTable(nullptr);
    InstallActiveExamination(nullptr);
}

CMainFrame* CZrProgram::GetMainFrame() const {
    return frame_.get();
}

wxWindow* CZrProgram::FrameWindow() const {
    return frame_.get();
}

IDocumentHost& CZrProgram::Host() {
    return *host_;
}

void CZrProgram::Exit() {
    TheUserOptions().Save();
    TheRepository().DisconnectAll();
}

bool CZrProgram::RunSearch(int searchId, bool openDetails) {
    return flow_->RunSearch(*document_, searchId, openDetails);
}

bool CZrProgram::ShowResults(int searchId, bool force, int found) {
    return flow_->ShowResults(*document_, searchId, force, found);
}

void CZrProgram::OpenDroppedFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (FileExtOfPath(path) == "zre") {
            docManager_->OpenDocumentFile(path);
            if (CMainFrame* frame = GetMainFrame())
                frame->UpdateTitle();
            return;
        }
    }
}

void CZrProgram::LoadRecentFiles() {
    recentFiles_.Load();
}

void CZrProgram::LoadSystemSettings() {
    if (options_.programDir.empty())
        TheSystemOptions().Load();
    else
        TheSystemOptions().Load(options_.programDir);
    UseMakerRepositoryList(TheSystemOptions());
}

void CZrProgram::InitCaches() {
    TheZrDbs().InitCaches();
}

void CZrProgram::CreateDocuments() {
    host_ = std::make_unique<CFrameHost>(*this);
    document_ = std::make_unique<CZR2000Doc>(registers_, repository_, *host_);
    // Search runs record their run order in the active examination.
    InstallActiveExamination(document_.get());
    searchWindows_ = std::make_unique<CProgramSearchWindows>(
        CSearchWindows::Services{TheZrDbs(), engineTable_, TheRepository(), TheUserOptions(),
                                 TheSystemOptions(), [this] { return FrameWindow(); },
                                 [this](int contextId) { help_.ShowHelp(contextId); }, appFont_,
                                 &finderDialogs_, MakerSite(TheSystemOptions())},
        *document_);
    watch_ = std::make_unique<CProgramWatch>(CProgramWatch::Services{
        *document_, *host_, [this]() -> wxWindow* { return GetMainFrame(); },
        [this] {
            const bool saved = docManager_->FileSave();
            GetMainFrame()->UpdateTitle();
            return saved;
        },
        [this] { views_->ShowWatch(); }, [this](int contextId) { help_.ShowHelp(contextId); }});
    views_ = std::make_unique<CProgramViews>(CProgramViews::Services{
        *document_, fileDialogs_,
        [this](int searchId, bool openDetails) { return RunSearch(searchId, openDetails); },
        [this](int searchId, bool force, int found) { return ShowResults(searchId, force, found); },
        [this]() -> wxWindow* { return GetMainFrame(); },
        [] { return TheZrDbs().HasConnectedTrainingDb(); },
        [this](int contextId) { help_.ShowHelp(contextId); }, *viewPrinting_,
        [this](wxWindow* parent, const CMark& mark, bool longForm) {
            printing_.PrintMark(parent, mark, longForm);
        },
        &webDiff_, watch_.get(), searchWindows_.get()});
    docManager_ = std::make_unique<CZrDocManager>(*document_, TheSystemOptions(), fileDialogs_,
                                                  recentFiles_, *searchWindows_, [this] {
                                                      views_->GetResultsWindow().Close();
                                                      views_->CloseAll();
                                                  });
    flow_ = std::make_unique<CSearchRunFlow>(
        CSearchRunWindows{*views_, *watch_, views_->GetResultsWindow(), *views_, noNewMarks_},
        TheUserOptions());

    CMainFrameServices services;
    services.canClose = [this] { return CanCloseMainFrame(); };
    services.hasTrainingDb = [] { return TheZrDbs().HasConnectedTrainingDb(); };
    services.documentTitle = [this] { return docManager_->GetTitle(); };
    services.isWatch = [this] { return document_->IsWatch(); };
    services.showHelp = [this](int contextId) { help_.ShowHelp(contextId); };
    auto* frame = new CMainFrame(*views_, std::move(services));
    frame_ = frame;
    commands_ = std::make_unique<CMainFrameCommands>(
        *document_, CMainFrameCommands::Services{*flow_, *watch_, *frame, reports_, fileDialogs_,
                                                 TheUserOptions(), TheSystemOptions()});
    recentFiles_.UseMenu(frame->GetRecentFilesMenu());
    BindFrameCommands();
}

void CZrProgram::BindFrameCommands() {
    CMainFrame& frame = *GetMainFrame();
    CZrDocManager& files = *docManager_;
    // The title names the document's file.
    const auto thenTitle = [&frame](auto action) {
        return [&frame, action] {
            action();
            frame.UpdateTitle();
        };
    };
    frame.BindCommand(wxID_NEW, thenTitle([&files] { files.FileNew(); }));
    frame.BindCommand(wxID_OPEN, thenTitle([&files] { files.FileOpen(); }));
    frame.BindCommand(wxID_SAVE, thenTitle([&files] { files.FileSave(); }));
    frame.BindCommand(wxID_SAVEAS, thenTitle([&files] { files.FileSaveAs(); }));
    frame.BindCommand(kCmdQuickSave, thenTitle([&files] { files.QuickSave(); }));
    frame.BindCommand(
        kCmdMerge, [&files] { files.FileMerge(); }, [&files] { return files.CanMerge(); });
    for (int i = 0; i < CRecentFiles::kCount; ++i) {
        frame.BindCommand(wxID_FILE1 + i, thenTitle([this, i] {
                              const std::string path = recentFiles_.GetFile(wxID_FILE1 + i);
                              if (!path.empty())
                                  docManager_->OpenRecentFile(path);
                          }));
    }
    CMainFrameCommands& commands = *commands_;
    frame.BindCommand(kCmdReport, [&commands] { commands.Report(); });
    frame.BindCommand(kCmdPrintSetup, [this, &frame] { printing_.PrintSetup(&frame); });
    frame.BindCommand(
        kCmdWatchAll, [&commands] { commands.WatchAll(); },
        [&commands] { return commands.CanWatchAll(); });
    frame.BindCommand(
        kCmdNext, [&commands] { commands.Next(); }, [&frame] { return frame.HasMainView(); });
    frame.BindCommand(
        kCmdPrevious, [&commands] { commands.Previous(); },
        [&frame] { return frame.HasMainView(); });
    frame.BindCommand(kCmdHelpTopics, [this] { help_.ShowHelpTopic(""); });
    frame.BindCommand(kCmdAboutDatabases, [this] { help_.ShowHelp(kAboutDatabasesHelpContext); });
    for (int i = 0; i < CAnnouncements::kMaxMenuItems; ++i)
        frame.BindCommand(kCmdFirstAnnouncement + i,
                          [this, i] { announcements_.ShowAnnouncement(i, false); });
    BindDialogCommands();
    frame.DragAcceptFiles(true);
    frame.Bind(wxEVT_DROP_FILES, [this](wxDropFilesEvent& event) {
        std::vector<std::string> paths;
        for (int i = 0; i < event.GetNumberOfFiles(); ++i)
            paths.push_back(FromWx(event.GetFiles()[i]));
        OpenDroppedFiles(paths);
    });
}

bool CZrProgram::CanCloseMainFrame() {
    const bool jobsDone = CheckExitTasks(TheBgrJobManager(), [this] {
        CExitTasksDlg dialog(FrameWindow(), TheBgrJobManager());
        return dialog.ShowModal() == wxID_OK;
    });
    return jobsDone && docManager_->SaveModified();
}

bool CZrProgram::InitOrb() {
    return ::InitOrb();
}

void CZrProgram::SetUpHelp(bool showContext) {
    // The help file is named after the program, as the desktop's help would name it.
    help_ = CHelp(ChmHelpPath(platform::ExecutablePath() + ".hlp"), platform::OpenUrl);
    help_.SetShowContext(showContext);
    SetHelpShower([this](int contextId) { help_.ShowHelp(contextId); });
}

void CZrProgram::MakeAppFont() {
    appFont_ = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    appFont_.SetFaceName("Tahoma");
}

CLoginController CZrProgram::MakeLogin() {
    return {TheRepository(), TheSystemOptions(), MakerSite(TheSystemOptions())};
}

bool CZrProgram::AutoLogin() {
    return MakeLogin().AutoLogin();
}

bool CZrProgram::ShowLoginDialog() {
    CLoginController login = MakeLogin();
    CLoginDlg dialog(nullptr, login);
    if (dialog.ShowModal() == wxID_OK)
        return true;
    // The program ends: a connection the user left behind is waited for, not answered.
    proxyPrompt_.Close();
    return false;
}

std::string CZrProgram::GetNewVersionInfo() {
    return TheRepository().GetNewVersionInfo();
}

bool CZrProgram::ShowVersionDialog(const std::string& info) {
    const CVersionNotice notice{CVersionInfo(info)};
    CVersionInfoDlg dialog(nullptr, notice);
    return dialog.ShowModal() == wxID_OK;
}

void CZrProgram::DisconnectAll() {
    TheRepository().DisconnectAll();
}

void CZrProgram::LoadUserSettings() {
    TheUserOptions().Load();
}

void CZrProgram::ChangeToUserDir() {
    std::error_code ignored;
    std::filesystem::current_path(TheSystemOptions().GetUserDir(), ignored);
}

int CZrProgram::GetTestSetting(const std::string& key, int defaultValue) {
    return TheSystemOptions().GetTestSetting(key, defaultValue);
}

void CZrProgram::FetchAnnouncements() {
    const std::optional<CHtmlUrl> maker = NamedMakerServer(TheSystemOptions());
    if (!maker)
        return;
    announcementsFetch_ = std::make_unique<CAnnouncementsFetch>(
        std::make_unique<CWebAnnouncementSource>(*maker, MakerPageOptions()), PostToWindowThread,
        [this](std::vector<CAnnouncementItem> fetched, const std::string& error) {
            announcements_.Take(std::move(fetched), error);
            if (CMainFrame* frame = GetMainFrame())
                frame->SetAnnouncementsMenu(announcements_.GetMenuTitles());
        });
}

bool CZrProgram::ProcessCommandLine() {
    const std::string file = CommandLineFile(options_.arguments, startDir_);
    return file.empty() ? docManager_->FileNew() : docManager_->OpenDocumentFile(file);
}

void CZrProgram::SetUserMenuTexts() {
    GetMainFrame()->SetUserMenuTexts(TheSystemOptions().GetCompanyId(),
                                     TheSystemOptions().GetUserId());
}

void CZrProgram::BuildAnnouncementsMenu() {
    if (announcementsFetch_)
        announcementsFetch_->Deliver();
}

void CZrProgram::AddWebDiffMenu() {
    GetMainFrame()->AddWebDiffMenu();
}

void CZrProgram::ShowMainWindow() {
    CMainFrame& frame = *GetMainFrame();
    frame.UpdateTitle();
    frame.Show();
    frame.Raise();
}
