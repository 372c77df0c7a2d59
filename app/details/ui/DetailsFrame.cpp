#include "app/details/ui/DetailsFrame.h"

#include "app/details/ui/DetailsTabbedView.h"
#include "app/details/ui/DetailsTextView.h"
#include "app/document/ZR2000Doc.h"
#include "app/ui/FrameKeys.h"
#include "app/views/ui/ViewCommandIds.h"
#include "core/SystemOptions.h"
#include "core/ui/WxText.h"

#include <wx/artprov.h>
#include <wx/evtloop.h>
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

namespace {

constexpr int kTextPaneWidth = 300;

} // namespace

CDetailsFrame::CDetailsFrame(wxWindow* parent, const CDetailsWindowServices& services)
    : wxFrame(parent, wxID_ANY, "", wxDefaultPosition, wxSize(900, 620)), services_(services),
      controller_(std::make_shared<CDetailsController>(services.document, services.registers,
                                                       static_cast<IDetailsPanes&>(*this))),
      splitter_(new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxSP_LIVE_UPDATE | wxSP_3D)),
      text_(new CDetailsTextView(splitter_, *controller_, services.player, services.user)),
      tabs_(new CDetailsTabbedView(splitter_, {services.system.GetTestSetting("DetailTabs", 2),
                                               services.registers, services.pages,
                                               services.comparer, services.images})) {
    splitter_->SetMinimumPaneSize(FromDIP(100));
    splitter_->SplitVertically(text_, tabs_, FromDIP(kTextPaneWidth));
    BuildMenus();
    BuildToolBar();
    if (services_.makeStatusBar)
        SetStatusBar(services_.makeStatusBar(*this));
    SetAcceleratorTable(MakeFrameKeys({{wxACCEL_CTRL, WXK_PAGEUP, kCmdPrevious},
                                       {wxACCEL_CTRL, WXK_PAGEDOWN, kCmdNext},
                                       {wxACCEL_NORMAL, WXK_ESCAPE, kCmdClose},
                                       {wxACCEL_CTRL, 'K', kCmdKeep},
                                       {wxACCEL_CTRL, 'U', kCmdDiscard},
                                       {wxACCEL_NORMAL, WXK_F5, ::kCmdSearch},
                                       {wxACCEL_NORMAL, WXK_F7, ::kCmdIdent},
                                       {wxACCEL_NORMAL, WXK_F8, ::kCmdEnquiry}}));
    Bind(wxEVT_MENU, &CDetailsFrame::OnCommand, this);
    Bind(wxEVT_UPDATE_UI, &CDetailsFrame::OnUpdateCommand, this);
    Bind(wxEVT_CLOSE_WINDOW, &CDetailsFrame::OnClose, this);
    Bind(wxEVT_MENU_OPEN, [this](wxMenuEvent& event) {
        ++openMenus_;
        event.Skip();
    });
    Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& event) {
        --openMenus_;
        event.Skip();
    });
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent&) { text_->SetFocus(); });
    services_.document.AddView(this);
}

CDetailsFrame::~CDetailsFrame() {
    services_.document.RemoveView(this);
}

void CDetailsFrame::ShowMark(const CMark& mark, int mode) {
    wxBusyCursor wait;
    text_->ShowMark(mark, mode);
    tabs_->ShowMark(mark);
    SetTitle(ToWx(controller_->GetTitle()));
    Refresh();
}

void CDetailsFrame::OnUpdate(IDocumentView*, int hint) {
    text_->OnUpdate(hint);
    tabs_->OnDocumentUpdate();
}

void CDetailsFrame::BuildMenus() {
    auto* file = new wxMenu;
    file->Append(kCmdPrintLong, "Print &Long");
    file->Append(kCmdPrintShort, "Print &Short");
    file->AppendSeparator();
    file->Append(kCmdClose, "&Close\tEsc");
    auto* view = new wxMenu;
    view->AppendCheckItem(wxID_VIEW_LIST, "&Toolbar");
    view->AppendCheckItem(wxID_VIEW_DETAILS, "&Status Bar");
    auto* mark = new wxMenu;
    mark->Append(kCmdPrevious, "&Previous\tCtrl+PgUp");
    mark->Append(kCmdNext, "&Next\tCtrl+PgDn");
    if (services_.system.GetTestSetting("ViewAllDetails", 0) != 0)
        mark->Append(kCmdViewAllDetails, "View All Details");
    auto* help = new wxMenu;
    help->Append(::kCmdHelpTopics, "&Help Topics");
    help->Append(wxID_HELP, "&Help");
    help->AppendSeparator();
    help->Append(::kCmdDiagnostics, "&Diagnostic Information...");
    help->Append(::kCmdAboutDatabases, "About the Data&bases");
    help->Append(wxID_ABOUT, "&About RO Vedaridarevu...");
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(view, "&View");
    bar->Append(mark, "&Mark");
    bar->Append(help, "&Help");
    SetMenuBar(bar);
}

void CDetailsFrame::BuildToolBar() {
    wxToolBar* bar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
    const auto icon = [](const wxArtID& id) {
        return wxArtProvider::GetBitmapBundle(id, wxART_TOOLBAR);
    };
    bar->AddTool(kCmdPrevious, "Previous", icon(wxART_GO_BACK), "Previous");
    bar->AddTool(kCmdNext, "Next", icon(wxART_GO_FORWARD), "Next");
    bar->AddSeparator();
    bar->AddTool(kCmdPrintLong, "Print Long", icon(wxART_PRINT), "Print Long");
    bar->AddTool(wxID_HELP, "Help", icon(wxART_HELP), "Help");
    bar->Realize();
}

void CDetailsFrame::ViewAllDetails() {
    const wxWeakRef<CDetailsFrame> frame(this);
    CDetailsController::ViewAllDetails(controller_, [frame] {
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
            loop->YieldFor(wxEVT_CATEGORY_ALL);
        return frame && !frame->closed_;
    });
}

bool CDetailsFrame::IsForwarded(int id) {
    return id == ::kCmdSearch || id == ::kCmdIdent || id == ::kCmdEnquiry ||
           id == ::kCmdQuickSave || IsSharedHelpCommand(id);
}

void CDetailsFrame::ForwardToMainWindow(int id) {
    wxWindow* main = services_.mainWindow ? services_.mainWindow() : nullptr;
    if (!main || !main->IsEnabled())
        return;
    if (!IsSharedHelpCommand(id)) {
        wxQueueEvent(main, new wxCommandEvent(wxEVT_MENU, id));
        return;
    }
    // The Help menu's dialogs are this window's: they open over it, and once they have closed
    // it is in front again, not the main window that ran them.
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(this);
    main->GetEventHandler()->ProcessEvent(command);
    Raise();
}

void CDetailsFrame::OnCommand(wxCommandEvent& event) {
    CDetailsController& controller = *controller_;
    switch (event.GetId()) {
    case kCmdPrevious:
        controller.Previous();
        break;
    case kCmdNext:
        controller.Next();
        break;
    case kCmdKeep:
        controller.Keep();
        break;
    case kCmdDiscard:
        controller.Discard();
        break;
    case kCmdClose:
        // Escape pressed in an open menu is the menu's: left unhandled, it closes the menu. The
        // menu's Close item comes once its menu has closed.
        if (openMenus_ > 0)
            event.Skip();
        else
            Close();
        break;
    case kCmdPrintLong:
    case kCmdPrintShort:
        if (services_.printMark)
            services_.printMark(this, controller.GetShownMark(), event.GetId() == kCmdPrintLong);
        break;
    case kCmdViewAllDetails:
        ViewAllDetails();
        break;
    case wxID_VIEW_LIST:
        GetToolBar()->Show(!GetToolBar()->IsShown());
        SendSizeEvent();
        break;
    case wxID_VIEW_DETAILS:
        if (GetStatusBar()) {
            GetStatusBar()->Show(!GetStatusBar()->IsShown());
            SendSizeEvent();
        }
        break;
    case wxID_HELP:
        if (services_.showHelp)
            services_.showHelp(0x20000 + kHelpId);
        break;
    default:
        if (IsForwarded(event.GetId()))
            ForwardToMainWindow(event.GetId());
        else
            event.Skip();
    }
}

void CDetailsFrame::OnUpdateCommand(wxUpdateUIEvent& event) {
    const CDetailsController& controller = *controller_;
    if (IsForwarded(event.GetId())) {
        event.Enable(static_cast<bool>(services_.mainWindow));
        return;
    }
    switch (event.GetId()) {
    case kCmdPrevious:
        event.Enable(controller.CanPrevious());
        break;
    case kCmdNext:
        event.Enable(controller.CanNext());
        break;
    case kCmdPrintLong:
    case kCmdPrintShort:
        event.Enable(static_cast<bool>(services_.printMark));
        break;
    case wxID_VIEW_LIST:
        event.Check(GetToolBar()->IsShown());
        break;
    case wxID_VIEW_DETAILS:
        event.Enable(GetStatusBar() != nullptr);
        event.Check(GetStatusBar() && GetStatusBar()->IsShown());
        break;
    default:
        event.Skip();
    }
}

void CDetailsFrame::OnClose(wxCloseEvent&) {
    if (closed_)
        return;
    closed_ = true;
    controller_->OnClose();
    Destroy();
}
