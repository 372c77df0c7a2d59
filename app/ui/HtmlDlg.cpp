#include "app/ui/HtmlDlg.h"

#include "app/AppCommand.h"
#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/webview.h>

CHtmlCtrl::CHtmlCtrl(wxWindow* parent, wxWindowID id)
    : wxPanel(parent, id), browser_(wxWebView::New(this, kBrowserId)) {
    browser_->SetName("Announcements");
    browser_->Bind(wxEVT_WEBVIEW_NAVIGATING, &CHtmlCtrl::OnNavigating, this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(browser_, 1, wxEXPAND);
    SetSizer(sizer);
}

void CHtmlCtrl::LoadUrl(const std::string& url) {
    browser_->LoadURL(ToWx(url));
}

void CHtmlCtrl::OnAppCommand(const std::string& command) {
    if (IsCloseCommand(command)) {
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        ok.SetEventObject(this);
        GetParent()->GetEventHandler()->AddPendingEvent(ok);
    }
}

void CHtmlCtrl::OnNavigating(wxWebViewEvent& event) {
    std::string command;
    if (!GetAppCommand(FromWx(event.GetURL()), command))
        return;
    event.Veto();
    OnAppCommand(command);
}

CHtmlDlg::CHtmlDlg(wxWindow* parent, const std::string& url, bool showCheckBox,
                   std::function<void(int context)> showHelp)
    : wxDialog(parent, wxID_ANY, "Velorin Announcement", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      html_(new CHtmlCtrl(this, wxID_ANY)),
      checkBox_(new wxCheckBox(this, kDontShowAgainId, "Don't show this announcement again")) {
    auto* close = new wxButton(this, wxID_OK, "Close");
    auto* help = new wxButton(this, wxID_HELP, "Help");
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(checkBox_, 0, wxALIGN_CENTER_VERTICAL);
    buttons->AddStretchSpacer();
    buttons->Add(close, 0, wxRIGHT, FromDIP(6));
    buttons->Add(help);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(html_, 1, wxEXPAND);
    sizer->Add(buttons, 0, wxEXPAND | wxALL, FromDIP(8));
    SetSizer(sizer);
    SetSize(FromDIP(wxSize(640, 480)));
    CentreOnParent();
    checkBox_->Show(showCheckBox);
    checkBox_->Enable(showCheckBox);
    Bind(wxEVT_BUTTON, &CHtmlDlg::OnClose, this, wxID_OK);
    Bind(
        wxEVT_BUTTON,
        [showHelp](wxCommandEvent&) {
            if (showHelp)
                showHelp(kHelpContext);
        },
        wxID_HELP);
    html_->LoadUrl(url);
    html_->GetBrowser().SetFocus();
}

void CHtmlDlg::OnClose(wxCommandEvent& event) {
    if (checkBox_->IsEnabled() && checkBox_->GetValue())
        showAgain_ = false;
    event.Skip();
}

bool CAnnouncementDialogs::Show(const std::string& url, bool firstTime) {
    CHtmlDlg dialog(parent_(), url, firstTime, showHelp_);
    dialog.ShowModal();
    return dialog.GetShowAgain();
}
