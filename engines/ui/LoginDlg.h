#pragma once
// The login dialog over the login logic (engines/Login.h): the company id, user id and password
// with "Remember password"; Login connects and closes only when the login succeeded.

#include "core/ui/ZrDialog.h"
#include "engines/Login.h"

class wxCheckBox;
class wxTextCtrl;

class CLoginDlg : public CZrDialog {
public:
    enum : int {
        kCompanyId = 1101,
        kUserId = 1113,
        kPassword = 1119,
        kVersion = 1211,
        kRemember = 1525,
    };

    CLoginDlg(wxWindow* parent, CLoginController& controller);

    bool TransferDataFromWindow() override;

private:
    CLoginController& controller_;
    wxTextCtrl* companyId_;
    wxTextCtrl* userId_;
    wxTextCtrl* password_;
    wxCheckBox* remember_;
};
