#include "app/controls/ui/DropDownComboBox.h"

CDropDownComboBox::CDropDownComboBox(wxWindow* parent, wxWindowID id, const wxPoint& position,
                                     const wxSize& size, long style)
    : wxOwnerDrawnComboBox(parent, id, "", position, size, 0, nullptr, style) {
    // The key comes up from the list, which has the focus, through the box before it reaches
    // the dialog.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE && IsPopupShown())
            Dismiss();
        else
            event.Skip();
    });
}
