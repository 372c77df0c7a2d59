#pragma once
// The login dialog over the login logic (engines/Login.h): the company id, user id and password
// with "Remember password"; Login connects and closes only when the login succeeded.
//
// The connection runs on a worker thread while the dialog stays live: its fields and Login wait,
// Cancel ends the dialog at once and the connection left behind is stopped before the dialog
// goes (after the repository call under way has ended or timed out).

#include "core/ui/ZrDialog.h"
#include "engines/Login.h"

#include <thread>

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

    bool IsConnecting() const { return worker_.joinable(); }

private:
    void OnLogin(wxCommandEvent& event);
    void OnConnected(const CLoginAttempt& attempt);
    void ShowConnecting(bool connecting);

    CLoginController& controller_;
    wxTextCtrl* companyId_;
    wxTextCtrl* userId_;
    wxTextCtrl* password_;
    wxCheckBox* remember_;
    // Stopped and waited for as the dialog goes, before the event queue it posts its answer to
    // (members end before their bases).
    std::jthread worker_;
};
