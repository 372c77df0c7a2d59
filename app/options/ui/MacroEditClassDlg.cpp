#include "app/options/ui/MacroEditClassDlg.h"

#include "app/options/MacroItems.h"
#include "core/ui/WxText.h"
#include "platform/MessageBox.h"

#include <wx/stattext.h>
#include <wx/textctrl.h>

CMacroEditClassDlg::CMacroEditClassDlg(wxWindow* parent, const std::string& name,
                                       const std::string& value)
    : CZrDialog(parent, ToWx("Edit class keyword '" + name + "'")), value_(value) {
    edit_ =
        new wxTextCtrl(this, kValueId, ToWx(value), wxDefaultPosition, FromDIP(wxSize(260, -1)));
    AddFormRow("Value:", edit_);
    SetHelpContext(kDialogHelpBase + kDialogId);
    FinishLayout(wxOK | wxCANCEL | wxHELP);
}

bool CMacroEditClassDlg::TransferDataFromWindow() {
    const std::string text = FromWx(edit_->GetValue());
    const CClassStringCheck check = CheckClassString(text);
    if (check.valid) {
        value_ = check.summary;
        return true;
    }
    edit_->SetFocus();
    // The control counts characters, the check bytes; selecting scrolls the part into view.
    const long from = static_cast<long>(ToWx(text.substr(0, check.errorPosition)).length());
    edit_->SetSelection(from, edit_->GetLastPosition());
    platform::ShowMessageBox(
        {"Invalid class string", "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
    return false;
}
