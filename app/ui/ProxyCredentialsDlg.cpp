#include "app/ui/ProxyCredentialsDlg.h"

#include "core/ui/WxText.h"

#include <wx/stattext.h>
#include <wx/textctrl.h>

CProxyCredentialsDlg::CProxyCredentialsDlg(wxWindow* parent, const std::string& proxy)
    : CZrDialog(parent, "Enter Network Password") {
    Body().Add(new wxStaticText(this, wxID_ANY, ToWx("The proxy " + proxy + " asks for a login.")),
               wxSizerFlags().Border(wxBOTTOM, Gap()));
    userName_ = new wxTextCtrl(this, kUserName, "", wxDefaultPosition, FromDIP(wxSize(200, -1)));
    password_ =
        new wxTextCtrl(this, kPassword, "", wxDefaultPosition, wxDefaultSize, wxTE_PASSWORD);
    AddFormRow("User name:", userName_);
    AddFormRow("Password:", password_);
    FinishLayout();
    userName_->SetFocus();
}

ProxyCredentials CProxyCredentialsDlg::GetCredentials() const {
    return {FromWx(userName_->GetValue()), FromWx(password_->GetValue())};
}

std::optional<ProxyCredentials> AskProxyCredentials(wxWindow* parent, const std::string& proxy) {
    CProxyCredentialsDlg dialog(parent, proxy);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetCredentials();
}
