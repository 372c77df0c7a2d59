#include "app/ui/MainFrame.h"

#include "app/ui/CommandIds.h"
#include "app/ui/FrameKeys.h"
#include "app/ui/ZrStatusBar.h"
#include "core/AppTitle.h"
#include "core/ui/WxText.h"

#include <wx/artprov.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/toolbar.h>

namespace {

wxRect InitialRect() {
    const wxRect area = wxDisplay(0u).GetClientArea();
    const CRect rect = MainWindowRect({area.x, area.y, area.GetRight() + 1, area.GetBottom() + 1});
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace

wxMenu* CMainFrame::MakeMenu(std::initializer_list<CMenuItem> items) {
    auto* menu = new wxMenu;
    for (const CMenuItem& item : items) {
        if (item.id == wxID_SEPARATOR) {
            menu->AppendSeparator();
        } else {
            menu->Append(item.id, item.text);
            commands_.insert(item.id);
        }
    }
    return menu;
}

CMainFrame::CMainFrame(IMainViewFactory& views, CMainFrameServices services)
    : wxFrame(nullptr, wxID_ANY, kAppTitle, InitialRect().GetPosition(), InitialRect().GetSize()),
      views_(views), services_(std::move(services)) {
    BuildMenus();
    BuildToolBar();
    statusBar_ = new CZrStatusBar(this, services_.hasTrainingDb);
    SetStatusBar(statusBar_);
    SetSizer(new wxBoxSizer(wxVERTICAL));

    // Beside the menus' keys, the main view's second keys for Undo, Cut, Copy and Paste.
    SetAcceleratorTable(MakeFrameKeys({{wxACCEL_NORMAL, WXK_F9, kCmdSearchReview},
                                       {wxACCEL_ALT, WXK_BACK, wxID_UNDO},
                                       {wxACCEL_SHIFT, WXK_DELETE, wxID_CUT},
                                       {wxACCEL_CTRL, WXK_INSERT, wxID_COPY},
                                       {wxACCEL_SHIFT, WXK_INSERT, wxID_PASTE}}));

    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
    Bind(wxEVT_HELP, &CMainFrame::OnHelp, this);
    Bind(wxEVT_MENU, &CMainFrame::OnHelpKey, this, wxID_HELP);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCommand, this);
    BindCommand(wxID_EXIT, [this] { Close(); });
    SetWatchMode(false);
}

void CMainFrame::BuildMenus() {
    fileMenu_ = MakeMenu({{wxID_NEW, "&New\tCtrl+N"},
                          {wxID_OPEN, "&Open...\tCtrl+O"},
                          {wxID_SAVE, "&Save\tCtrl+S"},
                          {wxID_SAVEAS, "Save &As..."},
                          {kCmdMerge, "&Merge..."},
                          {wxID_SEPARATOR, ""},
                          {kCmdReport, "&Report..."},
                          {kCmdPrintSetup, "Print Set&up..."},
                          {wxID_SEPARATOR, ""}});
    recentMenu_ = new wxMenu;
    fileMenu_->AppendSubMenu(recentMenu_, "Recent &Files");
    fileMenu_->AppendSeparator();
    fileMenu_->Append(wxID_EXIT, "E&xit");
    commands_.insert(wxID_EXIT);
    auto* viewMenu = MakeMenu({{kCmdKeptMarks, "&Kept Trademarks"},
                               {kCmdSearchReview, "&Search Review\tF9"},
                               {wxID_SEPARATOR, ""},
                               {kCmdNext, "&Next"},
                               {kCmdPrevious, "&Previous"},
                               {kCmdNextSection, "Next Sec&tion"},
                               {kCmdPreviousSection, "Previous Se&ction"}});
    auto* examMenu = MakeMenu({{kCmdChangeDetails, "Change &Details...\tShift+F4"},
                               {kCmdChangeDatabases, "Change Data&bases..."}});
    toolsMenu_ = MakeMenu({{kCmdUsageStatistics, "&Usage Statistics"},
                           {kCmdWatchAll, "&Watch All"},
                           {wxID_SEPARATOR, ""},
                           {kCmdOptions, "&Options..."},
                           {kCmdKeywords, "&Keywords..."}});
    helpMenu_ = MakeMenu({{kCmdHelpTopics, "&Help Topics"},
                          {kCmdDiagnostics, "&Diagnostic Information..."},
                          {kCmdAboutDatabases, "About the &Databases"},
                          {wxID_ABOUT, "&About RO Vedaridarevu..."}});
    auto* bar = new wxMenuBar;
    bar->Append(fileMenu_, "&File");
    bar->Append(viewMenu, "&View");
    bar->Append(examMenu, "E&xamination");
    bar->Append(toolsMenu_, "&Tools");
    bar->Append(helpMenu_, "&Help");
    SetMenuBar(bar);
}

void CMainFrame::BuildToolBar() {
    wxToolBar* tools = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
    const auto art = [](const wxArtID& id) {
        return wxArtProvider::GetBitmapBundle(id, wxART_TOOLBAR);
    };
    tools->AddTool(wxID_NEW, "New", art(wxART_NEW), "New");
    tools->AddTool(wxID_OPEN, "Open", art(wxART_FILE_OPEN), "Open");
    tools->AddTool(wxID_SAVE, "Save", art(wxART_FILE_SAVE), "Save");
    tools->AddSeparator();
    tools->AddTool(kCmdPrevious, "Previous", art(wxART_GO_BACK), "Previous");
    tools->AddTool(kCmdNext, "Next", art(wxART_GO_FORWARD), "Next");
    commands_.insert(kCmdToggleDisplay);
    tools->AddTool(kCmdToggleDisplay, "Kept Trademarks / Search Review", art(wxART_LIST_VIEW),
                   "Kept Trademarks / Search Review");
    tools->AddSeparator();
    tools->AddTool(kCmdHelpTopics, "Help", art(wxART_HELP), "Help Topics");
    tools->Realize();
}

void CMainFrame::BindCommand(int id, std::function<void()> run, std::function<bool()> enabled) {
    BindDialogCommand(id, [run = std::move(run)](wxWindow&) { run(); });
    if (enabled)
        enablers_[id] = std::move(enabled);
}

void CMainFrame::BindDialogCommand(int id, std::function<void(wxWindow& owner)> run) {
    Bind(
        wxEVT_MENU,
        [this, run = std::move(run)](wxCommandEvent& event) { run(CommandOwner(event)); }, id);
    bound_.insert(id);
}

wxWindow& CMainFrame::CommandOwner(const wxCommandEvent& event) {
    // This window's menus name a menu, its keys nothing and its tool bar the bar: all lead here.
    auto* sender = dynamic_cast<wxWindow*>(event.GetEventObject());
    wxWindow* owner = sender ? wxGetTopLevelParent(sender) : nullptr;
    return owner ? *owner : *this;
}

void CMainFrame::OnUpdateCommand(wxUpdateUIEvent& event) {
    const int id = event.GetId();
    const auto enabler = enablers_.find(id);
    if (enabler != enablers_.end())
        event.Enable(enabler->second());
    else if (commands_.contains(id) && !bound_.contains(id))
        event.Enable(false);
    else
        event.Skip();
}

void CMainFrame::SetWatchMode(bool watch) {
    if (layoutMade_ && watch == watchMode_)
        return;
    layoutMade_ = true;
    watchMode_ = watch;
    GetSizer()->Clear(true);
    splitter_ = nullptr;
    mainView_ = watchView_ = nullptr;
    wxWindow* content = nullptr;
    if (watch) {
        splitter_ = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                         wxSP_3D | wxSP_LIVE_UPDATE);
        watchView_ = views_.CreateWatchView(splitter_);
        mainView_ = views_.CreateMainView(splitter_);
        // A pane whose view does not exist yet stays empty.
        wxWindow* upper = watchView_ ? watchView_ : new wxPanel(splitter_);
        wxWindow* lower = mainView_ ? mainView_ : new wxPanel(splitter_);
        splitter_->SetSashGravity(0.5);
        splitter_->SplitHorizontally(upper, lower, GetClientSize().y / 2);
        content = splitter_;
        if (watchView_)
            watchView_->SetFocus();
    } else {
        mainView_ = views_.CreateMainView(this);
        content = mainView_;
        if (mainView_)
            mainView_->SetFocus();
    }
    if (content)
        GetSizer()->Add(content, wxSizerFlags(1).Expand());
    Layout();
    UpdateTitle();
}

void CMainFrame::RefreshMainView() {
    if (mainView_)
        mainView_->Refresh();
}

bool CMainFrame::ShowWatchSection(int section) {
    auto* watch = dynamic_cast<IWatchSectionView*>(watchView_);
    if (!watch)
        return false;
    watch->ShowSection(section);
    return true;
}

void CMainFrame::SetMessageText(const std::string& text) {
    statusBar_->SetStatusText(ToWx(text), CZrStatusBar::kMessage);
}

void CMainFrame::RepaintStatusBar() {
    statusBar_->Refresh();
}

void CMainFrame::UpdateTitle() {
    const std::string title =
        MainFrameTitle(services_.documentTitle ? services_.documentTitle() : "",
                       services_.isWatch && services_.isWatch());
    if (GetTitle() != ToWx(title))
        SetTitle(ToWx(title));
}

void CMainFrame::SetUserMenuTexts(const std::string& companyId, const std::string& userId) {
    toolsMenu_->SetLabel(kCmdUsageStatistics, ToWx(companyId + " &Usage Statistics"));
    toolsMenu_->SetLabel(kCmdOptions, ToWx("&Options for " + userId));
    toolsMenu_->SetLabel(kCmdKeywords, ToWx("&Keywords for " + userId));
}

void CMainFrame::SetAnnouncementsMenu(const std::vector<std::string>& titles) {
    if (titles.empty())
        return;
    auto* announcements = new wxMenu;
    for (std::size_t i = 0; i < titles.size(); ++i)
        announcements->Append(kCmdFirstAnnouncement + static_cast<int>(i), ToWx(titles[i]));
    helpMenu_->Insert(2, wxID_SEPARATOR);
    helpMenu_->Insert(2, wxID_ANY, "Recent Announcements", announcements);
}

void CMainFrame::AddWebDiffMenu() {
    toolsMenu_->Insert(1, kCmdWebDiff, "Web &Diff");
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    event.Skip();
    UpdateTitle();
    statusBar_->UpdateLockKeys();
}

void CMainFrame::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && services_.canClose && !services_.canClose()) {
        event.Veto();
        return;
    }
    Destroy();
}

// F1: the focused window's own help, else the main window's topic.
void CMainFrame::OnHelpKey(wxCommandEvent&) {
    wxWindow* focus = FindFocus();
    wxHelpEvent help(wxEVT_HELP, focus ? focus->GetId() : GetId());
    help.SetEventObject(focus ? focus : this);
    (focus ? focus : this)->GetEventHandler()->ProcessEvent(help);
}

void CMainFrame::OnHelp(wxHelpEvent&) {
    if (services_.showHelp)
        services_.showHelp(kHelpId + 0x20000);
}
