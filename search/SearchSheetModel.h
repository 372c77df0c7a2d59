#pragma once
// A search sheet without its window: a private copy of one search, its pages in tab order and
// the rules that tie them together. Three sheets exist: the full search with every page, the
// enquiry by application number and the search for identical marks; the Databases page is last
// in each. The full sheet has a Locarno page only when the examination has the Locarno register
// selected, and an IR-Desgntd page only with the international register's own entry selected.
//
// OK is enabled exactly when no page is in error and some page has criteria entered. OK stores
// every page's share into fresh criteria of the edited search, whatever pages were shown; the
// caller takes the edited search back when the sheet closes.

#include "core/Search.h"
#include "search/SearchPageModel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDatabasesPageModel;
class CEnquiryPageModel;
class CSelectionPageModel;
class CUserOptions;
class ISearchExamination;

class CSearchSheetModel : public ISearchSheet {
public:
    enum class EKind { Full, Enquiry, Identical };

    CSearchSheetModel(EKind kind, const CSearch& search, const ISearchExamination& examination,
                      const CUserOptions& options, int firstPage = 0);
    CSearchSheetModel(const CSearchSheetModel&) = delete;
    CSearchSheetModel& operator=(const CSearchSheetModel&) = delete;
    ~CSearchSheetModel() override;

    EKind GetKind() const { return kind_; }
    // "Search Criteria", "Enquiry by Application Number" or "Identical Search Criteria".
    std::string GetCaption() const;
    int GetFirstPage() const { return firstPage_; }

    // The pages in tab order.
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    CSearchPageModel& GetPage(int index) { return *pages_.at(index); }
    const CSearchPageModel& GetPage(int index) const { return *pages_.at(index); }
    std::uint32_t GetTabColour(int index) const {
        return GetPageStateColour(GetPage(index).GetState());
    }
    bool IsOkEnabled() const { return okEnabled_; }
    // Told after any page's state or message changed, so the window can repaint tabs, status
    // lines and OK.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Every page loads the edited search's criteria, then every page validates.
    void LoadPages();
    // Fresh criteria, every page's share, into the edited search.
    void StoreCriteria();
    // The criteria go back to the connected databases and the user's default statuses.
    void ClearAll();
    void ClearPage(int index);
    // The mouse went down on Cancel, "Clear &Page" or "Clear &All": no field is re-formatted
    // until a clear operation ends.
    void OnLeavingButtonPressed() { focusCheck_ = false; }

    // OK stores the criteria. A full search without criteria is confirmed first: without the
    // confirmation the sheet stays open, the stored criteria kept. True when the sheet closes.
    bool OnOk(const std::function<bool()>& confirmLargeSearch);
    const CSearch& GetSearch() const { return search_; }
    // The enquiry sheet's "Show &Details"; false for the others.
    bool GetShowDetails() const;

    // ISearchSheet
    std::string GetSelectedDatabases() const override;
    bool GetFocusCheck() const override { return focusCheck_; }
    void UpdateOk() override;
    void RevalidateDevices() override;

private:
    template <class Page, class... Args>
    Page* AddPage(Args&&... args);
    void AddFullPages(const ISearchExamination& examination, const CUserOptions& options);

    EKind kind_;
    CSearch search_;
    int firstPage_;
    std::vector<std::unique_ptr<CSearchPageModel>> pages_;
    CSelectionPageModel* devices_ = nullptr;
    CEnquiryPageModel* enquiry_ = nullptr;
    CDatabasesPageModel* databases_ = nullptr;
    const ISearchExamination& examination_;
    const CUserOptions& options_;
    bool focusCheck_ = true;
    bool okEnabled_ = false;
    std::function<void()> listener_;
};
