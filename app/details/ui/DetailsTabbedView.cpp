#include "app/details/ui/DetailsTabbedView.h"

#include "app/details/ui/DetailsImageView.h"
#include "app/details/ui/DetailsTabStrip.h"
#include "core/ui/MyRichEditCtrl.h"
#include "core/ui/WxText.h"

#include <wx/app.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/webview.h>

void PostToUiThread(std::function<void()> task) {
    wxTheApp->CallAfter(std::move(task));
}

CDetailsTabbedView::CDetailsTabbedView(wxWindow* parent, const Services& services)
    : wxWindow(parent, wxID_ANY),
      model_(services.tabSetting, services.registers, *this, services.pages, services.comparer),
      strip_(new CDetailsTabs(this, kStripId, model_)),
      image_(new CDetailsImageView(this, kImageId, services.images)) {
    if (model_.GetTabCount() > 2) {
        compare_ = new CMyRichEditCtrl(this, kCompareId);
        compare_->Hide();
    }
    if (model_.GetTabCount() > 1) {
        // The text centred both ways on white.
        infoPanel_ = new wxPanel(this, kInfoId, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE,
                                 "Info View");
        infoPanel_->SetBackgroundColour(*wxWHITE);
        info_ = new wxStaticText(infoPanel_, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                                 wxALIGN_CENTRE_HORIZONTAL);
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->AddStretchSpacer();
        column->Add(info_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, FromDIP(kInfoMargin)));
        column->AddStretchSpacer();
        infoPanel_->SetSizer(column);
        infoPanel_->Hide();
    }
    Bind(wxEVT_SIZE, [this](wxSizeEvent&) { LayOut(); });
    Bind(wxEVT_MENU, &CDetailsTabbedView::OnCommand, this);
    Bind(wxEVT_UPDATE_UI, &CDetailsTabbedView::OnUpdateCommand, this);
    ShowPanes(model_.GetVisibility());
}

void CDetailsTabbedView::ShowPanes(const CPaneVisibility& visibility) {
    image_->Show(visibility.image);
    if (browser_)
        browser_->Show(visibility.web);
    if (infoPanel_)
        infoPanel_->Show(visibility.info);
    if (compare_)
        compare_->Show(visibility.compare);
    LayOut();
}

void CDetailsTabbedView::RedrawStrip() {
    strip_->Refresh(false);
}

void CDetailsTabbedView::SetInfoText(const std::string& text, bool error) {
    info_->SetForegroundColour(error ? *wxRED : wxColour(0, 0, 0));
    infoText_ = text;
    WrapInfo();
}

void CDetailsTabbedView::WrapInfo() {
    // Wrapping breaks the label itself: each width starts again from the whole text.
    info_->SetLabel(ToWx(infoText_));
    const int width = infoPanel_->GetClientSize().x - 2 * FromDIP(kInfoMargin);
    if (width > 0)
        info_->Wrap(width);
    infoPanel_->Layout();
}

void CDetailsTabbedView::ShowImageOf(const CMark& mark) {
    image_->ShowMark(mark);
}

void CDetailsTabbedView::StopNavigation() {
    if (browser_)
        browser_->Stop();
}

void CDetailsTabbedView::ShowBlankPage() {
    if (browser_)
        browser_->LoadURL("about:blank");
}

void CDetailsTabbedView::ShowPage(const std::string& html, const std::string& url) {
    if (!browser_) {
        // The browser starts a process of its own: made with the first page, not the window.
        browser_ = wxWebView::New(this, kWebId, "about:blank");
        browser_->SetName("Html");
        browser_->Hide();
        browser_->Bind(wxEVT_WEBVIEW_LOADED, &CDetailsTabbedView::OnPageLoaded, this);
        LayOut();
    }
    browser_->SetPage(wxString::FromUTF8(html.data(), html.size()), ToWx(url));
}

std::string CDetailsTabbedView::GetBrowserUrl() const {
    return browser_ ? FromWx(browser_->GetCurrentURL()) : "";
}

void CDetailsTabbedView::RefreshWebPane() {
    if (browser_) {
        browser_->Hide();
        browser_->Show();
    }
}

void CDetailsTabbedView::SetCompareHtml(const std::string& html) {
    compare_->SetHtml(html);
}

void CDetailsTabbedView::LayOut() {
    const wxSize client = GetClientSize();
    const int strip = model_.GetTabCount() > 0 ? FromDIP(kStripHeight) : 0;
    strip_->SetSize(0, 0, client.x, strip);
    strip_->Show(strip > 0);
    for (wxWindow* pane : {static_cast<wxWindow*>(image_), static_cast<wxWindow*>(browser_),
                           static_cast<wxWindow*>(compare_), infoPanel_})
        if (pane)
            pane->SetSize(0, strip, client.x, std::max(client.y - strip, 1));
    if (info_)
        WrapInfo();
}

void CDetailsTabbedView::OnPageLoaded(wxWebViewEvent& event) {
    model_.OnPageComplete(FromWx(event.GetURL()));
}

void CDetailsTabbedView::OnCommand(wxCommandEvent& event) {
    switch (event.GetId()) {
    case CDetailsTabs::kCmdReload:
        model_.Reload();
        break;
    case wxID_COPY:
        if (model_.CanCopyCompare())
            compare_->CopyToClipboard();
        break;
    case wxID_SELECTALL:
        if (model_.CanCopyCompare())
            compare_->SelectAll();
        break;
    default:
        event.Skip();
    }
}

void CDetailsTabbedView::OnUpdateCommand(wxUpdateUIEvent& event) {
    switch (event.GetId()) {
    case CDetailsTabs::kCmdReload:
        event.Enable(model_.CanReload());
        break;
    case wxID_COPY:
        event.Enable(model_.CanCopyCompare() && compare_->HasSelection());
        break;
    case wxID_SELECTALL:
        event.Enable(model_.CanCopyCompare());
        break;
    default:
        event.Skip();
    }
}
