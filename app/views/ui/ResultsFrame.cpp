#include "app/views/ui/ResultsFrame.h"

#include "app/document/ZR2000Doc.h"
#include "app/ui/CommandIds.h"
#include "app/ui/FrameKeys.h"
#include "app/views/ui/ViewCommandIds.h"
#include "core/ui/WxText.h"

#include <limits>
#include <wx/artprov.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/wrapsizer.h>

namespace {

struct CResultsEntry {
    int id;
    EResultsCommand command;
};

constexpr CResultsEntry kCommands[] = {
    {kCmdKeepSelection, EResultsCommand::KeepSelection},
    {kCmdKeepAll, EResultsCommand::KeepAll},
    {kCmdDiscardSelection, EResultsCommand::DiscardSelection},
    {kCmdDiscardAll, EResultsCommand::DiscardAll},
    {wxID_SELECTALL, EResultsCommand::SelectAll},
    {kCmdNextSearch, EResultsCommand::NextSearch},
    {kCmdPreviousSearch, EResultsCommand::PreviousSearch},
    {kCmdShowList, EResultsCommand::ShowList},
    {kCmdShowIcons, EResultsCommand::ShowIcons},
    {kCmdHidePreviouslyFound, EResultsCommand::HidePreviouslyFound},
    {kCmdWebDiff, EResultsCommand::WebDiff},
    {kCmdDetails, EResultsCommand::Details},
    {kCmdWebPage, EResultsCommand::WebPage},
};

const CResultsEntry* FindCommand(int id) {
    for (const CResultsEntry& entry : kCommands) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

// The main window's commands: the searches, and the quick save of the examination.
bool IsForwarded(int id) {
    return id == kCmdSearch || id == kCmdIdent || id == kCmdEnquiry || id == kCmdQuickSave;
}

wxRect InitialRect() {
    const wxRect area = wxDisplay(0u).GetClientArea();
    const CRect rect =
        ResultsWindowRect({area.x, area.y, area.GetRight() + 1, area.GetBottom() + 1});
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace

void CResultsCanvas::OnContextMenu(const wxPoint& point) {
    wxMenu menu;
    menu.Append(kCmdDetails, "&Details");
    menu.Append(kCmdWebPage, "&Web Page");
    menu.Append(kCmdKeepSelection, "&Keep Selection");
    menu.Append(kCmdDiscardSelection, "D&iscard Selection");
    PopupMenu(&menu, point);
}

CResultsFrame::CResultsFrame(const CViewContext& context, const CResultsFrameOptions& options,
                             bool showPreviouslyFound, std::function<void()> onClosed)
    : wxFrame(nullptr, wxID_ANY, "Search Results", InitialRect().GetPosition(),
              InitialRect().GetSize()),
      options_(options), onClosed_(std::move(onClosed)) {
    BuildMenus();
    BuildToolBar();
    if (options_.makeStatusBar)
        SetStatusBar(options_.makeStatusBar(*this));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(BuildLabels(), wxSizerFlags().Expand());
    canvas_ = new CResultsCanvas(this);
    sizer->Add(canvas_, wxSizerFlags(1).Expand());
    SetSizer(sizer);
    Layout();

    view_ = std::make_unique<CResultsView>(context, *canvas_, *this);
    canvas_->SetView(*view_);
    Bind(wxEVT_MENU, &CResultsFrame::OnCommand, this);
    Bind(wxEVT_UPDATE_UI, &CResultsFrame::OnUpdateCommand, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { CloseNow(); });
    SetAcceleratorTable(MakeFrameKeys({{wxACCEL_NORMAL, WXK_F5, kCmdSearch},
                                       {wxACCEL_NORMAL, WXK_F7, kCmdIdent},
                                       {wxACCEL_NORMAL, WXK_F8, kCmdEnquiry}}));
    context.document.AddView(view_.get());
    view_->OpenOnCurrentSearch(showPreviouslyFound);
}

CResultsFrame::~CResultsFrame() {
    EndReview();
    DestroyChildren();
}

void CResultsFrame::EndReview() {
    if (reviewEnded_)
        return;
    reviewEnded_ = true;
    view_->GetDocument().RemoveView(view_.get());
    view_->Close();
    // The window goes when idle; until then it shows nothing and takes no input.
    Hide();
    canvas_->DetachView();
    if (onClosed_)
        onClosed_();
}

void CResultsFrame::CloseNow() {
    EndReview();
    Destroy();
}

void CResultsFrame::BuildMenus() {
    auto* edit = new wxMenu;
    edit->Append(kCmdKeepSelection, "&Keep Selection\tCtrl+K");
    edit->Append(kCmdKeepAll, "Keep &All");
    edit->Append(kCmdDiscardSelection, "&Discard Selection\tCtrl+U");
    edit->Append(kCmdDiscardAll, "D&iscard All");
    edit->AppendSeparator();
    edit->Append(wxID_CUT, "Cu&t");
    edit->Append(wxID_COPY, "&Copy");
    edit->Append(wxID_PASTE, "&Paste");
    edit->Append(wxID_SELECTALL, "Select A&ll\tCtrl+A");
    edit->AppendSeparator();
    edit->Append(kCmdDetails, "D&etails");
    edit->Append(kCmdWebPage, "&Web Page");
    edit->AppendSeparator();
    edit->Append(kCmdCloseResults, "&Close");
    auto* view = new wxMenu;
    view->Append(kCmdNextSearch, "&Next Search\tCtrl+PgDn");
    view->Append(kCmdPreviousSearch, "&Previous Search\tCtrl+PgUp");
    view->AppendSeparator();
    view->AppendCheckItem(kCmdShowList, "Trademark &summary");
    view->AppendCheckItem(kCmdShowIcons, "Trademark &Icons");
    view->AppendSeparator();
    view->AppendCheckItem(kCmdHidePreviouslyFound, "&Hide Previously found Marks");
    auto* help = new wxMenu;
    help->Append(wxID_HELP, "&Help\tF1");
    auto* bar = new wxMenuBar;
    bar->Append(edit, "&Edit");
    bar->Append(view, "&View");
    if (options_.showWebDiff) {
        auto* tools = new wxMenu;
        tools->Append(kCmdWebDiff, "Web &Diff");
        bar->Append(tools, "&Tools");
    }
    bar->Append(help, "&Help");
    SetMenuBar(bar);
}

void CResultsFrame::BuildToolBar() {
    wxToolBar* tools = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
    const auto art = [](const wxArtID& id) {
        return wxArtProvider::GetBitmapBundle(id, wxART_TOOLBAR);
    };
    tools->AddTool(kCmdPreviousSearch, "Previous Search", art(wxART_GO_BACK), "Previous Search");
    tools->AddTool(kCmdNextSearch, "Next Search", art(wxART_GO_FORWARD), "Next Search");
    tools->AddSeparator();
    tools->AddCheckTool(kCmdShowList, "Trademark summary", art(wxART_REPORT_VIEW), wxBitmapBundle(),
                        "Trademark summary");
    tools->AddCheckTool(kCmdShowIcons, "Trademark Icons", art(wxART_LIST_VIEW), wxBitmapBundle(),
                        "Trademark Icons");
    tools->AddSeparator();
    tools->AddCheckTool(kCmdHidePreviouslyFound, "Hide Previously found Marks",
                        art(wxART_DEL_BOOKMARK), wxBitmapBundle(), "Hide Previously found Marks");
    tools->Realize();
}

wxWindow* CResultsFrame::BuildLabels() {
    auto* bar = new wxPanel(this, wxID_ANY);
    const auto label = [bar](int id, const std::string& widest) {
        auto* text =
            new wxStaticText(bar, id, "", wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE);
        text->SetMinSize({text->GetTextExtent(ToWx(widest)).x + bar->FromDIP(8), -1});
        return text;
    };
    sectionLabel_ = label(kSectionLabelId, "Section 99 of 99");
    searchLabel_ = label(kSearchLabelId, "Search 9999 of 9999");
    // Room for the most marks a list holds, wherever the list is scrolled.
    constexpr int kMostMarks = std::numeric_limits<int>::max();
    markLabel_ = label(kMarkLabelId, MarksLabel(kMostMarks, kMostMarks, kMostMarks));
    // In a narrow window the mark label goes under the others rather than past the edge.
    auto* row = new wxWrapSizer(wxHORIZONTAL);
    for (wxStaticText* text : {sectionLabel_, searchLabel_, markLabel_})
        row->Add(text, wxSizerFlags().Border(wxALL, bar->FromDIP(4)));
    bar->SetSizer(row);
    return bar;
}

void CResultsFrame::ShowLabels(const CResultsLabels& labels) {
    if (!markLabel_)
        return;
    sectionLabel_->SetLabel(ToWx(labels.section));
    searchLabel_->SetLabel(ToWx(labels.search));
    markLabel_->SetLabel(ToWx(labels.marks));
}

void CResultsFrame::ShowTitle(const std::string& title) {
    SetTitle(ToWx(title));
}

void CResultsFrame::OnCommand(wxCommandEvent& event) {
    const int id = event.GetId();
    if (reviewEnded_) {
        event.Skip();
        return;
    }
    if (const CResultsEntry* entry = FindCommand(id))
        view_->Run(entry->command);
    else if (IsForwarded(id))
        ForwardToMainWindow(id);
    else if (id == kCmdCloseResults)
        CloseNow();
    else if (id == wxID_HELP && options_.showHelp)
        options_.showHelp(0x20000 + kHelpId);
    else
        event.Skip();
}

void CResultsFrame::OnUpdateCommand(wxUpdateUIEvent& event) {
    const int id = event.GetId();
    if (reviewEnded_) {
        event.Skip();
        return;
    }
    if (const CResultsEntry* entry = FindCommand(id)) {
        event.Enable(view_->IsEnabled(entry->command));
        if (id == kCmdShowList || id == kCmdShowIcons || id == kCmdHidePreviouslyFound)
            event.Check(view_->IsChecked(entry->command));
    } else if (id == wxID_CUT || id == wxID_COPY || id == wxID_PASTE) {
        // Not for results: their marks belong to the search.
        event.Enable(false);
    } else {
        event.Skip();
    }
}

void CResultsFrame::ForwardToMainWindow(int id) {
    wxWindow* main = options_.mainWindow ? options_.mainWindow() : nullptr;
    // Dropped while a modal dialog holds the main window.
    if (!main || !main->IsEnabled() || (main->GetParent() && !main->GetParent()->IsEnabled()))
        return;
    wxQueueEvent(main, new wxCommandEvent(wxEVT_MENU, id));
}

CResultsWindow::~CResultsWindow() {
    Close();
}

bool CResultsWindow::GetShownSearch(int& searchId) const {
    if (!frame_)
        return false;
    searchId = frame_->GetView().GetShownSearchId();
    return true;
}

void CResultsWindow::ForgetSelection() {
    if (frame_)
        frame_->GetView().ClearSelection();
}

void CResultsWindow::Focus() {
    if (!frame_)
        return;
    frame_->Raise();
    frame_->GetCanvas().SetFocus();
}

void CResultsWindow::Open(bool showPreviouslyFound) {
    if (frame_)
        Close();
    frame_ =
        new CResultsFrame(context_, options_, showPreviouslyFound, [this] { frame_ = nullptr; });
    frame_->Show();
    Focus();
}

void CResultsWindow::Close() {
    if (frame_)
        frame_->CloseNow();
}
