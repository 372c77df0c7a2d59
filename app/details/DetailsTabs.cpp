#include "app/details/DetailsTabs.h"

#include "core/Latin1.h"

#include <algorithm>

namespace {

constexpr CPaneVisibility kImageOnly{true, false, false, false};
constexpr CPaneVisibility kInfoOnly{false, false, true, false};

} // namespace

int CDetailsTabsModel::TabCountOf(int setting) {
    return std::clamp(setting, 0, 3);
}

CDetailsTabsModel::CDetailsTabsModel(int tabCount, CZrDbs& registers, IDetailsTabsWindow& window,
                                     IPageRequests& requests, IPageComparer& comparer)
    : tabCount_(TabCountOf(tabCount)), registers_(registers), window_(window), requests_(requests),
      comparer_(comparer) {}

std::string CDetailsTabsModel::GetTabName(int index) {
    switch (index) {
    case kDevice:
        return "Device";
    case kPto:
        return "PTO";
    case kQuickCompare:
        return "Quick Compare";
    default:
        return "???";
    }
}

void CDetailsTabsModel::ShowMark(const CMark& mark) {
    const bool isNew = !hasMark_ || !mark.IsSameGroup(mark_);
    mark_ = mark;
    hasMark_ = true;
    if (!isNew)
        return;
    if (state_ == EPageState::Navigating)
        window_.StopNavigation();
    state_ = EPageState::None;
    compareDone_ = false;
    // A page still on its way belongs to the mark before.
    EndRequest();
    pageUrl_.clear();
    pageText_.clear();
    SelectTab(kDevice);
    window_.ShowImageOf(mark);
    if (tabCount_ > 1)
        window_.ShowBlankPage();
    if (tabCount_ > 2)
        window_.SetCompareHtml("");
    if (tabCount_ > 1)
        SetInfo(kClearedText);
}

void CDetailsTabsModel::SelectTab(int tab) {
    bool forced = false;
    if (tab == kPto && state_ == EPageState::Complete &&
        !EqualNoCaseLatin1(window_.GetBrowserUrl(), pageUrl_)) {
        // The user followed a link away from the register's page.
        state_ = EPageState::None;
        forced = true;
    }
    if ((tab == currentTab_ && !forced) || tab < 0 || tab >= tabCount_)
        return;
    if (tab != currentTab_) {
        currentTab_ = tab;
        window_.RedrawStrip();
    }
    if (tab == kDevice) {
        SetVisibility(kImageOnly);
    } else if (state_ == EPageState::Complete) {
        if (tab == kQuickCompare && !compareDone_)
            RunCompare();
        SetVisibility({false, tab == kPto, false, tab == kQuickCompare});
    } else {
        SetVisibility(kInfoOnly);
        // A request under way is not made twice; a failed one is tried again.
        if (state_ == EPageState::None || state_ == EPageState::Error)
            RequestPage();
    }
}

void CDetailsTabsModel::OnPageComplete(const std::string& url) {
    // Completions of the blank page, and of pages the pane no longer waits for, change nothing.
    if (url == "about:blank" ||
        (state_ != EPageState::Navigating && state_ != EPageState::Complete))
        return;
    state_ = EPageState::Complete;
    if (currentTab_ == kQuickCompare)
        RunCompare();
    ApplyVisibility();
}

void CDetailsTabsModel::Reload() {
    if (!CanReload())
        return;
    if (state_ == EPageState::Navigating)
        window_.StopNavigation();
    pageUrl_.clear();
    pageText_.clear();
    state_ = EPageState::None;
    SetVisibility(kInfoOnly);
    RequestPage();
}

void CDetailsTabsModel::OnDocumentUpdate() {
    if (currentTab_ == kPto)
        window_.RefreshWebPane();
}

void CDetailsTabsModel::EndRequest() {
    currentRequest_ = 0;
    fetch_.Cancel();
}

void CDetailsTabsModel::RequestPage() {
    EndRequest();
    state_ = EPageState::Requesting;
    SetInfo(kRequestingText);
    CPageOrder order;
    std::string error;
    if (!MakePageOrder(registers_, mark_, order, error)) {
        state_ = EPageState::Error;
        SetInfo(error);
        return;
    }
    const unsigned request = currentRequest_ = ++lastRequest_;
    fetch_ = requests_.Start(std::move(order), [this, alive = std::weak_ptr<const bool>(alive_),
                                                request](CPageResult result) {
        if (alive.lock())
            OnResult(request, std::move(result));
    });
}

void CDetailsTabsModel::OnResult(unsigned request, CPageResult result) {
    if (request != currentRequest_)
        return;
    currentRequest_ = 0;
    if (!result.error.empty()) {
        state_ = EPageState::Error;
        SetInfo(result.error);
        return;
    }
    pageUrl_ = std::move(result.url);
    pageText_ = std::move(result.text);
    state_ = EPageState::Navigating;
    window_.ShowPage(result.html, pageUrl_);
}

void CDetailsTabsModel::RunCompare() {
    window_.SetCompareHtml(RunQuickCompare(registers_, comparer_, mark_, pageText_));
    compareDone_ = true;
}

void CDetailsTabsModel::SetInfo(const std::string& text) {
    window_.SetInfoText(text, state_ == EPageState::Error);
    ApplyVisibility();
}

void CDetailsTabsModel::ApplyVisibility() {
    if (currentTab_ == kDevice)
        return;
    if (state_ == EPageState::Complete)
        SetVisibility({false, currentTab_ == kPto, false, currentTab_ == kQuickCompare});
    else
        SetVisibility(kInfoOnly);
}

void CDetailsTabsModel::SetVisibility(const CPaneVisibility& visibility) {
    visibility_ = visibility;
    window_.ShowPanes(visibility);
}
