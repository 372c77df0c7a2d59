#include "engines/ui/LoginDlg.h"

#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/cursor.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CLoginDlg::CLoginDlg(wxWindow* parent, CLoginController& controller)
    : CZrDialog(parent, "RO Vedaridarevu Login"), controller_(controller) {
    const CLoginForm form = controller_.GetInitialForm();
    const wxSize editSize = FromDIP(wxSize(200, -1));
    companyId_ =
        new wxTextCtrl(this, kCompanyId, ToWx(form.companyId), wxDefaultPosition, editSize);
    userId_ = new wxTextCtrl(this, kUserId, ToWx(form.userId));
    password_ = new wxTextCtrl(this, kPassword, ToWx(form.password), wxDefaultPosition,
                               wxDefaultSize, wxTE_PASSWORD);
    remember_ = new wxCheckBox(this, kRemember, "Remember password");
    remember_->SetValue(form.remember);
    AddFormRow("Company ID:", companyId_);
    AddFormRow("User ID:", userId_);
    AddFormRow("Password:", password_);
    Body().Add(remember_, wxSizerFlags().Border(wxTOP, Gap()));
    Body().Add(new wxStaticText(this, kVersion, ToWx(CLoginController::GetVersionLine())),
               wxSizerFlags().Border(wxTOP, 2 * Gap()));
    FinishLayout();
    FindWindow(wxID_OK)->SetLabel("Login");

    switch (form.focus) {
    case CLoginForm::Focus::CompanyId:
        companyId_->SetFocus();
        break;
    case CLoginForm::Focus::UserId:
        userId_->SetFocus();
        break;
    case CLoginForm::Focus::Password:
        password_->SetFocus();
        break;
    case CLoginForm::Focus::LoginButton:
        FindWindow(wxID_OK)->SetFocus();
        break;
    }
    Bind(wxEVT_BUTTON, &CLoginDlg::OnLogin, this, wxID_OK);
}

void CLoginDlg::OnLogin(wxCommandEvent&) {
    if (IsConnecting())
        return;
    CLoginForm form;
    form.companyId = FromWx(companyId_->GetValue());
    form.userId = FromWx(userId_->GetValue());
    form.password = FromWx(password_->GetValue());
    form.remember = remember_->GetValue();
    ShowConnecting(true);
    worker_ = std::jthread([this, form](std::stop_token stop) {
        CLoginAttempt attempt = controller_.Connect(form, stop);
        CallAfter([this, attempt = std::move(attempt)] { OnConnected(attempt); });
    });
}

void CLoginDlg::OnConnected(const CLoginAttempt& attempt) {
    worker_.join();
    // A connection the user cancelled ends unheard.
    if (!IsModal())
        return;
    if (controller_.Finish(attempt)) {
        EndModal(wxID_OK);
        return;
    }
    ShowConnecting(false);
}

void CLoginDlg::ShowConnecting(bool connecting) {
    for (wxWindow* control : std::initializer_list<wxWindow*>{companyId_, userId_, password_,
                                                              remember_, FindWindow(wxID_OK)})
        control->Enable(!connecting);
    SetCursor(connecting ? wxCursor(wxCURSOR_ARROWWAIT) : wxNullCursor);
}
