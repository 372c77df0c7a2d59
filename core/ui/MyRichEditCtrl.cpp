#include "core/ui/MyRichEditCtrl.h"

#include <wx/menu.h>

CMyRichEditCtrl::CMyRichEditCtrl(wxWindow* parent, wxWindowID id)
    : wxHtmlWindow(parent, id, wxDefaultPosition, wxDefaultSize,
                   wxHW_SCROLLBAR_AUTO | wxBORDER_SUNKEN) {
    Bind(wxEVT_RIGHT_UP, &CMyRichEditCtrl::OnRightUp, this);
}

void CMyRichEditCtrl::SetHtml(const std::string& html) {
    SetPage(wxString::FromUTF8(html.data(), html.size()));
}

void CMyRichEditCtrl::OnRightUp(wxMouseEvent& event) {
    event.Skip();
    wxMenu menu;
    menu.Append(wxID_COPY, "&Copy");
    menu.Append(wxID_SELECTALL, "Select &All");
    menu.Bind(wxEVT_MENU, &CMyRichEditCtrl::OnMenuCommand, this);
    PopupMenu(&menu, event.GetPosition());
}

void CMyRichEditCtrl::OnMenuCommand(wxCommandEvent& event) {
    wxCommandEvent command(wxEVT_MENU, event.GetId());
    command.SetEventObject(this);
    GetParent()->GetEventHandler()->ProcessEvent(command);
}
