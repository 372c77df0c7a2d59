#include "search/SearchSheetModel.h"

#include "core/UserOptions.h"
#include "search/CountryPageModel.h"
#include "search/DatabasesPageModel.h"
#include "search/EnquiryPageModel.h"
#include "search/GeneralPageModel.h"
#include "search/GoodsPageModel.h"
#include "search/SearchExamination.h"
#include "search/SelectionPageModel.h"
#include "search/StatusPageModel.h"

CSearchSheetModel::CSearchSheetModel(EKind kind, const CSearch& search,
                                     const ISearchExamination& examination,
                                     const CUserOptions& options, int firstPage)
    : kind_(kind), search_(search), firstPage_(firstPage), examination_(examination),
      options_(options) {
    switch (kind) {
    case EKind::Full:
        AddFullPages(examination, options);
        break;
    case EKind::Enquiry:
        enquiry_ = AddPage<CEnquiryPageModel>(examination, options.GetEnquiryShowDetails());
        break;
    case EKind::Identical:
        AddPage<CGeneralPageModel>(CGeneralPageModel::EMode::Identical, options);
        break;
    }
    databases_ = AddPage<CDatabasesPageModel>(examination);
    LoadPages();
}

CSearchSheetModel::~CSearchSheetModel() = default;

template <class Page, class... Args>
Page* CSearchSheetModel::AddPage(Args&&... args) {
    auto page = std::make_unique<Page>(std::forward<Args>(args)...);
    Page* added = page.get();
    added->SetSheet(this);
    pages_.push_back(std::move(page));
    return added;
}

void CSearchSheetModel::AddFullPages(const ISearchExamination& examination,
                                     const CUserOptions& options) {
    using EKind = CSelectionPageModel::EKind;
    AddPage<CGeneralPageModel>(CGeneralPageModel::EMode::Normal, options);
    devices_ = AddPage<CSelectionPageModel>(EKind::Devices);
    AddPage<CStatusPageModel>(examination, options);
    AddPage<CSelectionPageModel>(EKind::Owners);
    AddPage<CSelectionPageModel>(EKind::Agents);
    AddPage<CGoodsPageModel>(options);
    const CDbSelection& selection = examination.GetDbSelection();
    if (selection.IsDbIdSelected('o'))
        AddPage<CSelectionPageModel>(EKind::Locarno);
    if (selection.IsSelected("GL", "IN"))
        AddPage<CCountryPageModel>(examination);
}

std::string CSearchSheetModel::GetCaption() const {
    switch (kind_) {
    case EKind::Full:
        return "Search Criteria";
    case EKind::Enquiry:
        return "Enquiry by Application Number";
    case EKind::Identical:
        return "Identical Search Criteria";
    }
    return {};
}

void CSearchSheetModel::LoadPages() {
    for (const auto& page : pages_)
        page->Load(search_.GetCriteria());
    for (const auto& page : pages_)
        page->Validate();
    UpdateOk();
}

void CSearchSheetModel::StoreCriteria() {
    CCriteria criteria;
    // Sheets without a Status page search every status.
    if (kind_ != EKind::Full)
        criteria.SetDefaultStatus();
    for (const auto& page : pages_)
        page->Store(criteria);
    search_.SetCriteria(criteria);
}

void CSearchSheetModel::ClearAll() {
    search_.GetCriteria().ResetWithDbIds(examination_.GetConnectedDatabaseCodes());
    search_.GetCriteria().SetStatus(options_.GetDefaultStatus());
    LoadPages();
    focusCheck_ = true;
}

void CSearchSheetModel::ClearPage(int index) {
    GetPage(index).Clear();
    focusCheck_ = true;
}

bool CSearchSheetModel::OnOk(const std::function<bool()>& confirmLargeSearch) {
    StoreCriteria();
    return kind_ != EKind::Full || !search_.GetCriteria().IsEmpty() || confirmLargeSearch();
}

bool CSearchSheetModel::GetShowDetails() const {
    return enquiry_ && enquiry_->GetShowDetails();
}

std::string CSearchSheetModel::GetSelectedDatabases() const {
    return databases_ ? databases_->GetSelectedCodes() : std::string();
}

void CSearchSheetModel::UpdateOk() {
    bool anyError = false;
    bool anyEntered = false;
    for (const auto& page : pages_) {
        anyError |= page->GetState() == kPageError;
        anyEntered |= page->GetState() == kPageEntered;
    }
    okEnabled_ = !anyError && anyEntered;
    if (listener_)
        listener_();
}

void CSearchSheetModel::RevalidateDevices() {
    if (devices_)
        devices_->Validate();
}
