#pragma once
// The announcements window: one page of the maker's announcements in an embedded browser, with
// Close, Help and, the first time a page is shown, "Don't show this announcement again". The
// page may close the window through a link to "app:close".

#include "app/Announcements.h"

#include <functional>
#include <string>
#include <wx/dialog.h>
#include <wx/panel.h>

class wxCheckBox;
class wxWebView;
class wxWebViewEvent;

// A browser used as a plain child control: addresses "app:<command>" are not opened but given
// to OnAppCommand; the base closes its parent (as OK) on "close".
class CHtmlCtrl : public wxPanel {
public:
    static constexpr int kBrowserId = 101;

    CHtmlCtrl(wxWindow* parent, wxWindowID id);
    void LoadUrl(const std::string& url);
    wxWebView& GetBrowser() const { return *browser_; }

protected:
    virtual void OnAppCommand(const std::string& command);

private:
    void OnNavigating(wxWebViewEvent& event);

    wxWebView* browser_;
};

class CHtmlDlg : public wxDialog {
public:
    static constexpr int kDontShowAgainId = 1338;
    static constexpr int kHelpContext = 0x20000 + 212;

    // With the check box only when asked; Help shows the help topic of the context.
    CHtmlDlg(wxWindow* parent, const std::string& url, bool showCheckBox,
             std::function<void(int context)> showHelp);

    // Cleared when the user ticked the box and closed the window.
    bool GetShowAgain() const { return showAgain_; }
    CHtmlCtrl& GetHtmlCtrl() const { return *html_; }

private:
    void OnClose(wxCommandEvent& event);

    CHtmlCtrl* html_;
    wxCheckBox* checkBox_;
    bool showAgain_ = true;
};

// The announcements window for the program.
class CAnnouncementDialogs : public IAnnouncementWindow {
public:
    // The parent of the window, asked when it opens.
    CAnnouncementDialogs(std::function<wxWindow*()> parent,
                         std::function<void(int context)> showHelp)
        : parent_(std::move(parent)), showHelp_(std::move(showHelp)) {}
    bool Show(const std::string& url, bool firstTime) override;

private:
    std::function<wxWindow*()> parent_;
    std::function<void(int context)> showHelp_;
};
