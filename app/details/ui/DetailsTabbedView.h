#pragma once
// The right-hand pane of a details window: the tab strip over the image pane (Device), the
// register's page in a browser (PTO) and the comparison of that page with the record (Quick
// Compare), with the info line that shows while the page is on its way or could not be had.

#include "app/details/DetailsTabs.h"

#include <functional>
#include <wx/window.h>

class CDetailsImageView;
class CDetailsTabs;
class CMyRichEditCtrl;
class IMarkImages;
class wxStaticText;
class wxWebView;
class wxWebViewEvent;

// Runs the task on the user-interface thread, where page fetches deliver their results; callable
// from any thread.
void PostToUiThread(std::function<void()> task);

class CDetailsTabbedView : public wxWindow, private IDetailsTabsWindow {
public:
    static constexpr int kStripId = 50;
    static constexpr int kImageId = 51;
    static constexpr int kWebId = 52;
    static constexpr int kCompareId = 53;
    static constexpr int kInfoId = 54;
    static constexpr int kStripHeight = 20;
    // Room on either side of the info line's text.
    static constexpr int kInfoMargin = 12;

    struct Services {
        int tabSetting;
        CZrDbs& registers;
        IPageRequests& pages;
        IPageComparer& comparer;
        IMarkImages& images;
    };

    CDetailsTabbedView(wxWindow* parent, const Services& services);

    void ShowMark(const CMark& mark) { model_.ShowMark(mark); }
    void OnDocumentUpdate() { model_.OnDocumentUpdate(); }
    CDetailsTabsModel& GetModel() { return model_; }
    CDetailsImageView& GetImageView() const { return *image_; }
    // Null until the first page, and with fewer tabs than their own.
    wxWebView* GetBrowser() const { return browser_; }
    CMyRichEditCtrl* GetComparePane() const { return compare_; }
    wxStaticText* GetInfoLine() const { return info_; }

private:
    // IDetailsTabsWindow.
    void ShowPanes(const CPaneVisibility& visibility) override;
    void RedrawStrip() override;
    void SetInfoText(const std::string& text, bool error) override;
    void ShowImageOf(const CMark& mark) override;
    void StopNavigation() override;
    void ShowBlankPage() override;
    void ShowPage(const std::string& html, const std::string& url) override;
    std::string GetBrowserUrl() const override;
    void RefreshWebPane() override;
    void SetCompareHtml(const std::string& html) override;

    void LayOut();
    // The info line's text broken into lines as wide as the pane.
    void WrapInfo();
    void OnPageLoaded(wxWebViewEvent& event);
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);

    CDetailsTabsModel model_;
    CDetailsTabs* strip_;
    CDetailsImageView* image_;
    wxWebView* browser_ = nullptr;
    CMyRichEditCtrl* compare_ = nullptr;
    wxWindow* infoPanel_ = nullptr;
    wxStaticText* info_ = nullptr;
    std::string infoText_;
};
