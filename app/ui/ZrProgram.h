#pragma once
// The program as a whole: the examination document and the main window with what they stand
// on, put together and started by the start-up sequence (app/Startup.h), whose actions it
// carries out. The application object makes one; window tests make their own.

#include "app/Announcements.h"
#include "app/Help.h"
#include "app/MainFrameCommands.h"
#include "app/ProgramRepository.h"
#include "app/ProxyCredentialsPrompt.h"
#include "app/SearchRunFlow.h"
#include "app/Startup.h"
#include "app/ZrDocManager.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "app/ui/HtmlDlg.h"
#include "app/ui/MainFrame.h"
#include "app/ui/NoNewMarksFoundDlg.h"
#include "app/ui/ProgramReports.h"
#include "app/ui/ProgramSearchWindows.h"
#include "app/ui/ProgramViews.h"
#include "app/ui/ProgramWatch.h"
#include "app/ui/ProgramWebDiff.h"
#include "app/ui/RecentFiles.h"
#include "app/ui/WxFileDialogs.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "report/print/ZrDbsPrintRegisters.h"
#include "report/print/ui/Printing.h"
#include "search/CorbaStringFinder.h"
#include "search/ui/StringFinderDialogs.h"
#include "web/WebClient.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <wx/font.h>
#include <wx/weakref.h>

class CLoginController;

class CZrProgram : public IStartupActions {
public:
    struct Options {
        // The command line after the program's name.
        std::vector<std::string> arguments;
        // Where the system settings are; "" for the program's own folder.
        std::string programDir;
        // The recent-files ini; "" for "ZR2000.ini" in the user's configuration folder.
        std::string recentFilesIni;
        // The file dialogs; null for wxFileDialog.
        IFileDialogs* fileDialogs = nullptr;
        // The printer; null for the desktop's.
        IPrintRunner* printer = nullptr;
    };

    explicit CZrProgram(Options options);
    CZrProgram(const CZrProgram&) = delete;
    CZrProgram& operator=(const CZrProgram&) = delete;
    // Closes the main window and drops the engine sessions; the ORB stays for its owner to end.
    ~CZrProgram() override;

    // The start-up sequence over this program; false ends the program.
    CStartupSequence MakeStartup() { return MakeStartupSequence(*this); }
    // The program's end: the user settings saved, the engine sessions dropped.
    void Exit();

    // Null before start-up made it and after it was closed.
    CMainFrame* GetMainFrame() const;
    CZR2000Doc& GetDocument() { return *document_; }
    CZrDocManager& GetDocManager() { return *docManager_; }
    CProgramViews& GetViews() { return *views_; }
    const CAnnouncements& GetAnnouncements() const { return announcements_; }
    const wxFont& GetAppFont() const { return appFont_; }
    CHelp& GetHelp() { return help_; }
    // The printer choices and the print commands of the views and the details window.
    CZrPrinting& GetPrinting() { return printing_; }
    bool RunSearch(int searchId, bool openDetails);
    bool ShowResults(int searchId, bool force, int found);
    // Dropped files: the first examination file among them opens.
    void OpenDroppedFiles(const std::vector<std::string>& paths);

    // IStartupActions.
    void LoadRecentFiles() override;
    void LoadSystemSettings() override;
    void InitCaches() override;
    void CreateDocuments() override;
    bool InitOrb() override;
    void SetUpHelp(bool showContext) override;
    void MakeAppFont() override;
    bool AutoLogin() override;
    bool ShowLoginDialog() override;
    std::string GetNewVersionInfo() override;
    bool ShowVersionDialog(const std::string& info) override;
    void DisconnectAll() override;
    void LoadUserSettings() override;
    void ChangeToUserDir() override;
    int GetTestSetting(const std::string& key, int defaultValue) override;
    void FetchAnnouncements() override;
    bool ProcessCommandLine() override;
    void SetUserMenuTexts() override;
    void BuildAnnouncementsMenu() override;
    void AddWebDiffMenu() override;
    void ShowMainWindow() override;

private:
    class CFrameHost;
    class CViewPrinting;

    // The login of the start-up, by the saved values or in its dialog.
    CLoginController MakeLogin();
    wxWindow* FrameWindow() const;
    IDocumentHost& Host();
    void BindFrameCommands();
    // The commands that open the option sheets, the diagnostics, the about box and the
    // examination's dialogs (ProgramDialogs.cpp).
    void BindDialogCommands();
    bool CanCloseMainFrame();

    Options options_;
    // The working folder the program was started in, for the file named on its command line.
    std::string startDir_;
    // Every web fetch of the program asks the user through it; it outlives their threads.
    CProxyCredentialsPrompt proxyPrompt_;
    CScopedProxyCredentialsHandler proxyCredentials_{
        [this](const std::string& proxy, const std::function<bool()>& isCancelled) {
            return proxyPrompt_.Ask(proxy, isCancelled);
        }};
    CEngineRegisterTable engineTable_;
    CTableRegisters registers_;
    CProgramRepository repository_;
    wxWeakRef<CMainFrame> frame_;
    CProgramReports reports_{[this] { return FrameWindow(); },
                             [this]() -> IDocumentHost& { return Host(); },
                             [this](int contextId) { help_.ShowHelp(contextId); }};
    CAnnouncementDialogs announcementWindow_{[this] { return FrameWindow(); },
                                             [this](int context) { help_.ShowHelp(context); }};
    CNoNewMarksFoundDlg noNewMarks_{[this] { return FrameWindow(); }};
    CWxFileDialogs wxFileDialogs_{[this] { return FrameWindow(); }};
    IFileDialogs& fileDialogs_;
    CProgramWebDiff webDiff_{[this] { return FrameWindow(); },
                             [this]() -> IDocumentHost& { return Host(); }, fileDialogs_,
                             [this](int contextId) { help_.ShowHelp(contextId); }};
    CRecentFiles recentFiles_;
    CZrDbsPrintRegisters printRegisters_;
    CZrPrinting printing_;
    std::unique_ptr<CViewPrinting> viewPrinting_;
    CHelp help_;
    CAnnouncements announcements_;
    std::unique_ptr<CAnnouncementsFetch> announcementsFetch_;
    wxFont appFont_;
    CRegisterStringFinders registerFinders_{TheZrDbs()};
    CStringFinderDialogs finderDialogs_{
        registerFinders_,
        {TheZrDbs(), appFont_, [this](int contextId) { help_.ShowHelp(contextId); }}};
    std::unique_ptr<CFrameHost> host_;
    std::unique_ptr<CZR2000Doc> document_;
    std::unique_ptr<CProgramSearchWindows> searchWindows_;
    // Goes before the document, as its pending conversion would reach it.
    std::unique_ptr<CProgramWatch> watch_;
    // Before the document goes, the views let go of it.
    std::unique_ptr<CProgramViews> views_;
    std::unique_ptr<CZrDocManager> docManager_;
    std::unique_ptr<CSearchRunFlow> flow_;
    std::unique_ptr<CMainFrameCommands> commands_;
};
