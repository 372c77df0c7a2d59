#pragma once
// The main window: menus, tool bar and status bar around the examination's views, the watch
// layout (the watch view above the main view) and the commands that belong to the whole
// window. Closing it waits for the background jobs and the save question. The views come from
// a factory; until the views exist the client area stays empty.

#include "app/MainFrameCommands.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>
#include <wx/frame.h>

class CZrStatusBar;
class wxFileHistory;
class wxMenu;
class wxSplitterWindow;

// The watch view shows one section of the watch at a time.
class IWatchSectionView {
public:
    virtual ~IWatchSectionView() = default;
    virtual void ShowSection(int section) = 0;
};

// Makes the views of the main window; null while a view does not exist yet. A watch view
// implements IWatchSectionView.
class IMainViewFactory {
public:
    virtual ~IMainViewFactory() = default;
    virtual wxWindow* CreateMainView(wxWindow* parent) = 0;
    virtual wxWindow* CreateWatchView(wxWindow* parent) = 0;
};

// What the frame asks of the rest of the program.
struct CMainFrameServices {
    // True when the window may close (background jobs, the save question).
    std::function<bool()> canClose;
    std::function<bool()> hasTrainingDb;
    std::function<std::string()> documentTitle;
    std::function<bool()> isWatch;
    std::function<void(int contextId)> showHelp;
};

class CMainFrame : public wxFrame, public IMainFramePanes {
public:
    static constexpr int kHelpId = 128;

    CMainFrame(IMainViewFactory& views, CMainFrameServices services);

    // A command of a menu or the tool bar; its items stay disabled until a handler is bound.
    // An enabler, when given, is asked on each menu update.
    void BindCommand(int id, std::function<void()> run, std::function<bool()> enabled = {});
    // A command that opens dialogs over the window they belong to: this one, or another frame
    // that runs the command for itself, named as the command event's object.
    void BindDialogCommand(int id, std::function<void(wxWindow& owner)> run);

    // The examination layout (one main view) or the watch layout (the watch view above it).
    void SetWatchMode(bool watch);
    bool IsWatchMode() const { return watchMode_; }
    wxSplitterWindow* GetSplitter() const { return splitter_; }

    void SetMessageText(const std::string& text);
    void RepaintStatusBar();
    void UpdateTitle();

    // Start-up's menu texts: "%s &Usage Statistics" with the company id, "&Options for %s" and
    // "&Keywords for %s" with the user id.
    void SetUserMenuTexts(const std::string& companyId, const std::string& userId);
    // The Recent Announcements menu of the Help menu, after a separator; none without titles.
    void SetAnnouncementsMenu(const std::vector<std::string>& titles);
    void AddWebDiffMenu();
    wxMenu* GetFileMenu() const { return fileMenu_; }
    wxMenu* GetRecentFilesMenu() const { return recentMenu_; }
    wxMenu* GetToolsMenu() const { return toolsMenu_; }
    wxMenu* GetHelpMenu() const { return helpMenu_; }

    // IMainFramePanes.
    bool HasMainView() const override { return mainView_ != nullptr; }
    void RefreshMainView() override;
    bool ShowWatchSection(int section) override;

private:
    struct CMenuItem {
        int id;
        const char* text;
    };

    // A menu of the items; their commands wait for handlers.
    wxMenu* MakeMenu(std::initializer_list<CMenuItem> items);
    void BuildMenus();
    void BuildToolBar();
    void OnClose(wxCloseEvent& event);
    void OnIdle(wxIdleEvent& event);
    void OnHelp(wxHelpEvent& event);
    void OnHelpKey(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);
    // The window whose dialogs the command opens.
    wxWindow& CommandOwner(const wxCommandEvent& event);

    IMainViewFactory& views_;
    CMainFrameServices services_;
    CZrStatusBar* statusBar_ = nullptr;
    wxMenu* fileMenu_ = nullptr;
    wxMenu* recentMenu_ = nullptr;
    wxMenu* toolsMenu_ = nullptr;
    wxMenu* helpMenu_ = nullptr;
    wxSplitterWindow* splitter_ = nullptr;
    wxWindow* mainView_ = nullptr;
    wxWindow* watchView_ = nullptr;
    bool watchMode_ = false;
    bool layoutMade_ = false;
    // The commands of the menus and the tool bar, and those of them with handlers.
    std::set<int> commands_;
    std::set<int> bound_;
    std::map<int, std::function<bool()>> enablers_;
};
