#include "search/ui/WatchViewWindow.h"

#include "app/document/ZR2000Doc.h"
#include "app/views/ui/ViewCommandIds.h"

#include <wx/menu.h>

namespace {

// The items of the mark menu that belong to the main view's marks.
constexpr int kMainViewItems[] = {wxID_PRINT,         wxID_CUT,          wxID_COPY, wxID_PASTE,
                                  kCmdShortSelection, kCmdLongSelection, kCmdDelete};

} // namespace

CWatchViewWindow::CWatchViewWindow(wxWindow* parent, const CViewContext& context)
    : CMarkCanvas(parent, wxID_ANY), view_(std::make_unique<CWatchView>(context, *this)) {
    SetView(*view_);
    for (const int id :
         {static_cast<int>(kCmdDetails), static_cast<int>(kCmdWebPage), kWatchMarkId}) {
        Bind(wxEVT_MENU, &CWatchViewWindow::OnCommand, this, id);
        Bind(wxEVT_UPDATE_UI, &CWatchViewWindow::OnUpdateCommand, this, id);
    }
    for (const int id : kMainViewItems)
        Bind(
            wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, id);
    context.document.AddView(view_.get());
    view_->OnInitialUpdate();
}

CWatchViewWindow::~CWatchViewWindow() {
    view_->GetDocument().RemoveView(view_.get());
    DetachView();
}

void CWatchViewWindow::OnContextMenu(const wxPoint& point) {
    wxMenu menu;
    menu.Append(kCmdDetails, "&Details");
    menu.Append(kCmdWebPage, "&Web Page");
    menu.Append(wxID_PRINT, "&Print...");
    menu.Append(kWatchMarkId, "W&atch Mark");
    menu.AppendSeparator();
    menu.Append(wxID_CUT, "Cu&t");
    menu.Append(wxID_COPY, "&Copy");
    menu.Append(wxID_PASTE, "&Paste");
    menu.AppendSeparator();
    menu.Append(kCmdShortSelection, "&Short Selection");
    menu.Append(kCmdLongSelection, "&Long Selection");
    menu.AppendSeparator();
    menu.Append(kCmdDelete, "De&lete");
    PopupMenu(&menu, point);
}

void CWatchViewWindow::OnCommand(wxCommandEvent& event) {
    switch (event.GetId()) {
    case kCmdDetails:
        if (view_->CanOpenDetails())
            view_->OpenDetails(*view_->GetSelectedRows().begin());
        break;
    case kCmdWebPage:
        view_->OpenWebPage();
        break;
    case kWatchMarkId:
        view_->WatchMark();
        break;
    }
}

void CWatchViewWindow::OnUpdateCommand(wxUpdateUIEvent& event) {
    switch (event.GetId()) {
    case kCmdDetails:
        event.Enable(view_->CanOpenDetails());
        break;
    case kCmdWebPage:
        event.Enable(view_->CanOpenWebPage());
        break;
    case kWatchMarkId:
        event.Enable(view_->CanWatchMark());
        break;
    }
}
