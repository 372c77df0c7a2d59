#include "core/ui/MyRichEditCtrl.h"

#include <wx/menu.h>

CMyRichEditCtrl::CMyRichEditCtrl(wxWindow* parent, wxWindowID id)
    : wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                 wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2) {
    Bind(wxEVT_RIGHT_UP, &CMyRichEditCtrl::OnRightUp, this);
    // Taking the button-down keeps the toolkit's own menu away; ours comes on button-up.
    Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent&) { SetFocus(); });
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
