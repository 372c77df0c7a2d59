#pragma once
// A message box laid out by the program instead of the desktop's own message dialog, which
// stretches its buttons across the box, cuts the title of a short box and breaks a line inside a
// name: the icon beside the text, broken into lines at blanks and at a path's separators, the
// buttons at their own size, on the right in the desktop's order, and the box at least as wide as
// its title. The information box adds its check box under the text.

#include "core/ui/ZrDialog.h"
#include "platform/MessageBox.h"

class wxCheckBox;

class CMessageBoxWindow : public CZrDialog {
public:
    // Captioned "RO Vedaridarevu" unless the message names its caption; with a label, a check box
    // under the text.
    CMessageBoxWindow(wxWindow* parent, const platform::Message& message,
                      const wxString& checkBoxLabel = {});

    // Shows the box modally; the answer of the button that closed it.
    platform::MessageAnswer Ask();
    bool IsChecked() const;

private:
    wxCheckBox* checkBox_ = nullptr;
};
