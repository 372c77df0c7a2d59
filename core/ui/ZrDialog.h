#pragma once
// The base of the program's dialogs: built in code with sizers, a column of controls above a row
// of standard buttons. A dialog edits a plain value that its caller reads after ShowModal and
// applies; checks of what the user typed are pure functions of the libraries, asked from
// TransferDataFromWindow, which keeps the dialog open by answering false.

#include <functional>
#include <wx/dialog.h>
#include <wx/sizer.h>

class wxFlexGridSizer;

// How the program shows a help topic by its context id; nothing until one is installed.
using HelpShower = std::function<void(int contextId)>;
void SetHelpShower(HelpShower shower);
void ShowHelpTopic(int contextId);
// The help topic of a dialog template: this plus the template's id.
inline constexpr int kDialogHelpBase = 0x20000;

class CZrDialog : public wxDialog {
public:
    CZrDialog(wxWindow* parent, const wxString& title, long style = wxDEFAULT_DIALOG_STYLE);

    // The topic its Help button (wxID_HELP) shows.
    void SetHelpContext(int contextId) { helpContext_ = contextId; }

protected:
    // The column of controls.
    wxBoxSizer& Body() { return *body_; }
    // Space between controls.
    int Gap() const { return FromDIP(6); }
    // A row of a two-column form in the body (label, control); the form follows what the body
    // held when its first row was added.
    void AddFormRow(const wxString& label, wxWindow* control);
    // Puts the standard buttons (wxOK, wxCANCEL, ...) under the body, fits the dialog to its
    // contents and centres it on its parent. Once, after the controls are made.
    void FinishLayout(long buttons = wxOK | wxCANCEL);
    // The same with a row of the dialog's own buttons.
    void FinishLayout(wxSizer* buttons);

private:
    wxBoxSizer* body_;
    wxFlexGridSizer* form_ = nullptr;
    int helpContext_ = 0;
};
