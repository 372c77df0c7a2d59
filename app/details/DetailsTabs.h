#pragma once
// The right-hand pane of a details window without its windows: the Device tab (the image pane),
// the PTO tab (the register's own page for the mark in a browser) and the Quick Compare tab (that
// page compared with the mark's record). The model decides which pane shows, what the info line
// says, when the page is requested and what becomes of each result; the window carries it out.
//
// The page is fetched on a worker thread (PageFetch.h) and handed to the browser as text, so
// that it is fetched once and the comparison reads the same bytes. Only the newest request
// counts: an earlier request is ended when a newer one starts, another mark shows or the pane
// goes, and a result for it that was already on its way is dropped.

#include "app/details/PageFetch.h"
#include "app/details/QuickCompare.h"
#include "core/Mark.h"

#include <memory>
#include <string>

class CZrDbs;

enum class EPageState { None = 0, Requesting = 1, Navigating = 2, Complete = 3, Error = 4 };

struct CPaneVisibility {
    bool image = true;
    bool web = false;
    bool info = false;
    bool compare = false;

    bool operator==(const CPaneVisibility&) const = default;
};

// What the pane's window does for its model.
class IDetailsTabsWindow {
public:
    virtual ~IDetailsTabsWindow() = default;
    virtual void ShowPanes(const CPaneVisibility& visibility) = 0;
    virtual void RedrawStrip() = 0;
    // Red on white for an error.
    virtual void SetInfoText(const std::string& text, bool error) = 0;
    virtual void ShowImageOf(const CMark& mark) = 0;
    // The browser.
    virtual void StopNavigation() = 0;
    virtual void ShowBlankPage() = 0;
    // The page's text, its links taken relative to the address.
    virtual void ShowPage(const std::string& html, const std::string& url) = 0;
    // The address the browser shows now.
    virtual std::string GetBrowserUrl() const = 0;
    // Shows the web pane again after a change of the document.
    virtual void RefreshWebPane() = 0;
    virtual void SetCompareHtml(const std::string& html) = 0;
};

class CDetailsTabsModel {
public:
    enum ETab { kDevice = 0, kPto = 1, kQuickCompare = 2 };
    static constexpr int kDetailTabsMenu = 205;
    static constexpr const char* kRequestingText = "Requesting page...";
    static constexpr const char* kClearedText = "Page cleared on new mark";

    // The number of tabs of the [Test] DetailTabs setting, within 0 to 3.
    static int TabCountOf(int setting);

    CDetailsTabsModel(int tabCount, CZrDbs& registers, IDetailsTabsWindow& window,
                      IPageRequests& requests, IPageComparer& comparer);
    CDetailsTabsModel(const CDetailsTabsModel&) = delete;
    CDetailsTabsModel& operator=(const CDetailsTabsModel&) = delete;

    int GetTabCount() const { return tabCount_; }
    // "Device", "PTO", "Quick Compare", else "???".
    static std::string GetTabName(int index);
    int GetCurrentTab() const { return currentTab_; }
    EPageState GetPageState() const { return state_; }
    const CPaneVisibility& GetVisibility() const { return visibility_; }
    bool IsCompareDone() const { return compareDone_; }
    // The strip's context menu: Detail Tabs on the PTO tab, else none (0).
    int GetContextMenuId() const { return currentTab_ == kPto ? kDetailTabsMenu : 0; }

    // A new mark (another record, register or section) clears the page and the comparison and
    // shows the Device tab; the same mark again keeps them.
    void ShowMark(const CMark& mark);
    void SelectTab(int tab);
    // The browser finished loading the address.
    void OnPageComplete(const std::string& url);
    // Reload Original Page: the page is requested again.
    bool CanReload() const { return currentTab_ == kPto; }
    void Reload();
    // Copy and Select All of the comparison.
    bool CanCopyCompare() const { return currentTab_ == kQuickCompare && compareDone_; }
    void OnDocumentUpdate();

private:
    void RequestPage();
    // Ends the request under way, whose result no longer counts.
    void EndRequest();
    void OnResult(unsigned request, CPageResult result);
    void RunCompare();
    void SetInfo(const std::string& text);
    // Shows the info line unless the page is complete on the PTO or Quick Compare tab.
    void ApplyVisibility();
    void SetVisibility(const CPaneVisibility& visibility);

    const int tabCount_;
    CZrDbs& registers_;
    IDetailsTabsWindow& window_;
    IPageRequests& requests_;
    IPageComparer& comparer_;
    CMark mark_;
    bool hasMark_ = false;
    int currentTab_ = kDevice;
    EPageState state_ = EPageState::None;
    bool compareDone_ = false;
    // Where the page on show came from, and its text for the comparison.
    std::string pageUrl_;
    std::string pageText_;
    // The request whose result is awaited; 0 for none.
    unsigned currentRequest_ = 0;
    unsigned lastRequest_ = 0;
    CPageRequest fetch_;
    CPaneVisibility visibility_;
    // Results check it before they reach the model.
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};
