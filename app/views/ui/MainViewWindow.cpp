#include "app/views/ui/MainViewWindow.h"

#include "app/document/ZR2000Doc.h"
#include "app/ui/CommandIds.h"
#include "app/views/SectionDialogs.h"
#include "app/views/ui/SectionDialogs.h"
#include "app/views/ui/SectionTabs.h"
#include "app/views/ui/ViewCommandIds.h"
#include "core/UserOptions.h"
#include "core/ui/WxText.h"

#include <wx/frame.h>
#include <wx/menu.h>

namespace {

struct CCommandEntry {
    int id;
    EMainCommand command;
};

constexpr CCommandEntry kCommands[] = {
    {kCmdSearch, EMainCommand::Search},
    {kCmdIdent, EMainCommand::Ident},
    {kCmdEnquiry, EMainCommand::Enquiry},
    {kCmdCaveat, EMainCommand::Caveat},
    {kCmdSearchSection, EMainCommand::SearchSection},
    {kCmdSearchAll, EMainCommand::SearchAll},
    {kCmdRunSearchRow, EMainCommand::RunSearchRow},
    {kCmdSearchInfo, EMainCommand::SearchInfo},
    {kCmdAddSearch, EMainCommand::Add},
    {kCmdEditSearch, EMainCommand::Edit},
    {kCmdDelete, EMainCommand::Delete},
    {wxID_UNDO, EMainCommand::Undo},
    {wxID_CUT, EMainCommand::Cut},
    {wxID_COPY, EMainCommand::Copy},
    {wxID_PASTE, EMainCommand::Paste},
    {wxID_SELECTALL, EMainCommand::SelectAll},
    {kCmdShortSelection, EMainCommand::ShortSelection},
    {kCmdShortAll, EMainCommand::ShortAll},
    {kCmdLongSelection, EMainCommand::LongSelection},
    {kCmdLongAll, EMainCommand::LongAll},
    {kCmdNextSection, EMainCommand::NextSection},
    {kCmdPreviousSection, EMainCommand::PreviousSection},
    {kCmdKeptMarks, EMainCommand::KeptMarks},
    {kCmdSearchReview, EMainCommand::SearchReview},
    {kCmdToggleDisplay, EMainCommand::ToggleDisplay},
    {kCmdConvertToWatch, EMainCommand::ConvertToWatch},
    {kCmdUsageStatistics, EMainCommand::UsageStatistics},
    {kCmdWebDiff, EMainCommand::WebDiff},
    {wxID_PRINT, EMainCommand::Print},
    {wxID_PREVIEW, EMainCommand::PrintPreview},
    {kCmdDetails, EMainCommand::Details},
    {kCmdWebPage, EMainCommand::WebPage},
};

const CCommandEntry* FindCommand(int id) {
    for (const CCommandEntry& entry : kCommands) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

wxMenu* MakeMenu(std::initializer_list<std::pair<int, const char*>> items) {
    auto* menu = new wxMenu;
    for (const auto& [id, text] : items) {
        if (id == wxID_SEPARATOR)
            menu->AppendSeparator();
        else
            menu->Append(id, text);
    }
    return menu;
}

} // namespace

CMainViewWindow::CMainViewWindow(wxWindow* parent, const CViewContext& context)
    : wxPanel(parent, wxID_ANY) {
    canvas_ = new CSectionView(this);
    view_ = std::make_unique<CMainView>(context, *canvas_, *this);
    canvas_->SetMainView(*view_);
    tabs_ = new CSectionTabs(this, *view_);
    Bind(wxEVT_SIZE, [this](wxSizeEvent&) { LayOut(); });
    if (auto* frame = dynamic_cast<wxFrame*>(wxGetTopLevelParent(parent))) {
        if (wxMenuBar* bar = frame->GetMenuBar())
            InstallMenus(*bar);
        BindCommands(*frame);
    }
    context.document.AddView(view_.get());
    view_->OnInitialUpdate();
}

CMainViewWindow::~CMainViewWindow() {
    view_->GetDocument().RemoveView(view_.get());
    RemoveMenus();
    // The children reach the view while they go.
    DestroyChildren();
}

void CMainViewWindow::InstallMenus(wxMenuBar& bar) {
    menuBar_ = &bar;
    wxMenu* edit = MakeMenu({{wxID_UNDO, "&Undo \tCtrl+Z"},
                             {wxID_SEPARATOR, ""},
                             {wxID_CUT, "Cu&t\tCtrl+X"},
                             {wxID_COPY, "&Copy\tCtrl+C"},
                             {wxID_PASTE, "&Paste\tCtrl+V"},
                             {wxID_SELECTALL, "Select &All\tCtrl+A"},
                             {wxID_SEPARATOR, ""},
                             {kCmdShortSelection, "&Short Selection"},
                             {kCmdShortAll, "Short A&ll"},
                             {kCmdLongSelection, "L&ong Selection"},
                             {kCmdLongAll, "Lon&g All"},
                             {wxID_SEPARATOR, ""},
                             {kCmdDetails, "&Details"},
                             {kCmdWebPage, "&Web Page"},
                             {kCmdDelete, "D&elete\tDel"}});
    wxMenu* find = MakeMenu({{kCmdSearch, "&Search...\tF5"},
                             {kCmdIdent, "&Ident...\tF7"},
                             {kCmdEnquiry, "&Enquiry...\tF8"},
                             {kCmdCaveat, "&Caveat..."},
                             {wxID_SEPARATOR, ""},
                             {kCmdSearchSection, "Search Sec&tion"},
                             {kCmdSearchAll, "Search &All"}});
    const int view = bar.FindMenu("View");
    bar.Insert(1, edit, "&Edit");
    bar.Insert(view == wxNOT_FOUND ? bar.GetMenuCount() : view + 2, find, "F&ind");
    menus_ = {edit, find};
    if (const int file = bar.FindMenu("File"); file != wxNOT_FOUND) {
        wxMenu* menu = bar.GetMenu(file);
        items_.emplace_back(menu, menu->Insert(0, wxID_PREVIEW, "Print Pre&view"));
        items_.emplace_back(menu, menu->Insert(0, wxID_PRINT, "&Print...\tCtrl+P"));
    }
    if (const int exam = bar.FindMenu("Examination"); exam != wxNOT_FOUND) {
        wxMenu* menu = bar.GetMenu(exam);
        items_.emplace_back(menu, menu->Append(kCmdConvertToWatch, "Convert to &Watch..."));
    }
}

void CMainViewWindow::RemoveMenus() {
    for (auto& [menu, item] : items_) {
        if (menu)
            menu->Destroy(item);
    }
    if (!menuBar_)
        return;
    for (wxWeakRef<wxMenu>& menu : menus_) {
        if (!menu)
            continue;
        for (std::size_t i = 0; i < menuBar_->GetMenuCount(); ++i) {
            if (menuBar_->GetMenu(i) == menu.get()) {
                delete menuBar_->Remove(i);
                break;
            }
        }
    }
}

void CMainViewWindow::BindCommands(wxWindow& frame) {
    // Bound after the main window's own handlers, these come first; being this window's
    // methods, they are unbound when it goes.
    for (const CCommandEntry& entry : kCommands) {
        frame.Bind(wxEVT_MENU, &CMainViewWindow::OnCommand, this, entry.id);
        frame.Bind(wxEVT_UPDATE_UI, &CMainViewWindow::OnUpdateCommand, this, entry.id);
    }
    frame.Bind(wxEVT_MENU, &CMainViewWindow::OnSectionCommand, this, kCmdSectionInfo);
    frame.Bind(wxEVT_MENU, &CMainViewWindow::OnSectionCommand, this, kCmdChangeSectionName);
}

void CMainViewWindow::OnCommand(wxCommandEvent& event) {
    if (const CCommandEntry* entry = FindCommand(event.GetId()))
        view_->Run(entry->command);
}

void CMainViewWindow::OnUpdateCommand(wxUpdateUIEvent& event) {
    const CCommandEntry* entry = FindCommand(event.GetId());
    if (!entry)
        return;
    event.Enable(view_->IsEnabled(entry->command));
    if (entry->command == EMainCommand::Undo)
        event.SetText(ToWx(view_->GetUndoText()));
}

void CMainViewWindow::OnSectionCommand(wxCommandEvent& event) {
    if (event.GetId() == kCmdSectionInfo)
        ShowSectionInfo();
    else
        ChangeSectionName();
}

void CMainViewWindow::LayOut() {
    const wxSize size = GetClientSize();
    const int tabHeight = FromDIP(view_->GetTabHeight());
    tabs_->SetSize(0, 0, size.x, tabHeight);
    tabs_->Show(tabHeight > 0);
    canvas_->SetSize(0, tabHeight, size.x, std::max(size.y - tabHeight, 0));
    tabs_->Rebuild();
}

void CMainViewWindow::RedrawFrame() {
    wxGetTopLevelParent(this)->Refresh();
}

void CMainViewWindow::ShowSectionInfo() {
    CSectionInfoDlg dialog(this,
                           BuildSectionInfoRows(view_->GetDocument(), view_->GetUserOptions()));
    if (dialog.ShowModal() == wxID_OK && dialog.GetChosenSection() >= 0)
        view_->SetSection(dialog.GetChosenSection());
}

void CMainViewWindow::ChangeSectionName() {
    const int section = view_->GetSection();
    CSectionEditDlg dialog(this, view_->GetSectionTabText(section));
    if (dialog.ShowModal() != wxID_OK)
        return;
    view_->GetUserOptions().SetSectionName(section, dialog.GetSectionName());
    tabs_->Rebuild();
}
