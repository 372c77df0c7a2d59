#pragma once
// The dialog in which the user gives the credentials a proxy asks for: user name and hidden
// password.

#include "core/ui/ZrDialog.h"
#include "web/HttpTransport.h"

#include <optional>
#include <string>

class wxTextCtrl;

class CProxyCredentialsDlg : public CZrDialog {
public:
    enum : int { kUserName = 1001, kPassword = 1002 };

    CProxyCredentialsDlg(wxWindow* parent, const std::string& proxy);

    ProxyCredentials GetCredentials() const;

private:
    wxTextCtrl* userName_;
    wxTextCtrl* password_;
};

// Modal over the parent; no answer when the user cancelled.
std::optional<ProxyCredentials> AskProxyCredentials(wxWindow* parent, const std::string& proxy);
