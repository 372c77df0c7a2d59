#pragma once
// The base of the owner-drawn combo boxes: Escape while the list is down closes the list only.
// The dialog around the box takes Escape as Cancel otherwise, and what the user entered in it
// would be lost.

#include <wx/odcombo.h>

class CDropDownComboBox : public wxOwnerDrawnComboBox {
public:
    CDropDownComboBox(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
                      long style);
};
