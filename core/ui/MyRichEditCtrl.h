#pragma once
// The read-only text of a mark's details with its context menu (Copy, Select All), whose
// commands go to the control's parent.

#include <wx/textctrl.h>

class CMyRichEditCtrl : public wxTextCtrl {
public:
    CMyRichEditCtrl(wxWindow* parent, wxWindowID id);

private:
    void OnRightUp(wxMouseEvent& event);
    void OnMenuCommand(wxCommandEvent& event);
};
