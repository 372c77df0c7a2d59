#include "search/SelectionPageModel.h"

#include "core/Criteria.h"
#include "core/Latin1.h"

#include <algorithm>

namespace {

std::string CaptionOf(CSelectionPageModel::EKind kind) {
    switch (kind) {
    case CSelectionPageModel::EKind::Owners:
        return "Owners";
    case CSelectionPageModel::EKind::Agents:
        return "Agents";
    case CSelectionPageModel::EKind::Devices:
        return "Devices";
    case CSelectionPageModel::EKind::Locarno:
        return "Locarno";
    }
    return {};
}

} // namespace

CSelectionPageModel::CSelectionPageModel(EKind kind)
    : CSearchPageModel(CaptionOf(kind)), kind_(kind) {}

int CSelectionPageModel::GetMaximum() const {
    return kind_ == EKind::Owners ? kMaxOwners : kMaxValues;
}

std::string CSelectionPageModel::GetCodeFinderLabel() const {
    return kind_ == EKind::Locarno ? "Locarno..." : "&Vienna...";
}

std::string CSelectionPageModel::GetMatchAllText() const {
    return std::string("Find ") + (kind_ == EKind::Locarno ? "designs" : "marks") +
           " that are in ALL of the above categories (rather than in any of them)";
}

void CSelectionPageModel::Load(const CCriteria& criteria) {
    switch (kind_) {
    case EKind::Owners:
        values_ = criteria.GetOwnerNames();
        break;
    case EKind::Agents:
        values_ = criteria.GetAgentNames();
        break;
    case EKind::Devices:
        values_ = criteria.GetImageCats();
        matchAll_ = criteria.GetImageCatsMatchAll() ? 1 : 0;
        break;
    case EKind::Locarno:
        values_ = criteria.GetLocarnoClasses();
        matchAll_ = criteria.GetLocarnoMatchAll() ? 1 : 0;
        break;
    }
    locate_.clear();
    selectedLine_ = -1;
}

void CSelectionPageModel::Validate() {
    const int state = values_.empty() ? kPageEmpty : kPageEntered;
    const bool australiaTicked = GetSelectedDatabases().find('t') != std::string::npos;
    SetState(state, kind_ == EKind::Devices && australiaTicked
                        ? "Please note that device searching is unavailable on the Australian "
                          "database."
                        : "");
}

void CSelectionPageModel::Store(CCriteria& criteria) const {
    switch (kind_) {
    case EKind::Owners:
        criteria.SetOwnerNames(values_);
        break;
    case EKind::Agents:
        criteria.SetAgentNames(values_);
        break;
    case EKind::Devices:
        criteria.SetImageCats(values_);
        criteria.SetImageCatsMatchAll(matchAll_ != 0);
        break;
    case EKind::Locarno:
        criteria.SetLocarnoClasses(values_);
        criteria.SetLocarnoMatchAll(matchAll_ != 0);
        break;
    }
}

void CSelectionPageModel::Clear() {
    values_.clear();
    locate_.clear();
    selectedLine_ = -1;
    matchAll_ = 0;
    Validate();
}

std::string CSelectionPageModel::TrimmedLocate() const {
    return std::string(TrimWhite(locate_));
}

bool CSelectionPageModel::CanAdd() const {
    const std::string name = TrimmedLocate();
    return IsNamePage() && !name.empty() &&
           std::find(values_.begin(), values_.end(), name) == values_.end() &&
           static_cast<int>(values_.size()) < GetMaximum();
}

void CSelectionPageModel::SelectLine(int line) {
    selectedLine_ = line >= 0 && line < static_cast<int>(values_.size()) ? line : -1;
}

void CSelectionPageModel::SetMatchAll(int state) {
    matchAll_ = state >= 0 && state <= 2 ? state : 0;
}

void CSelectionPageModel::Add() {
    if (!CanAdd())
        return;
    values_.push_back(TrimmedLocate());
    Validate();
}

void CSelectionPageModel::Delete() {
    if (!CanDelete())
        return;
    values_.erase(values_.begin() + selectedLine_);
    SelectLine(std::min(selectedLine_, static_cast<int>(values_.size()) - 1));
    Validate();
}

CFinderRequest CSelectionPageModel::MakeRequest() const {
    CFinderRequest request;
    request.text = locate_;
    request.databases = GetSelectedDatabases();
    request.values = values_;
    request.caption = GetCaption();
    return request;
}

CFinderRequest CSelectionPageModel::MakeBrowseRequest() const {
    CFinderRequest request = MakeRequest();
    request.mode = static_cast<int>(kind_);
    request.maximum = GetMaximum();
    request.alignment = true;
    return request;
}

CFinderRequest CSelectionPageModel::MakeCodeFinderRequest() const {
    CFinderRequest request = MakeRequest();
    const bool locarno = kind_ == EKind::Locarno;
    request.dialog = locarno ? CFinderRequest::EDialog::Locarno : CFinderRequest::EDialog::Vienna;
    request.mode = locarno ? kLocarnoMode : kViennaMode;
    request.maximum = kMaxValues;
    return request;
}

void CSelectionPageModel::ApplyFinderChoice(const std::vector<std::string>& values) {
    values_ = values;
    SelectLine(selectedLine_);
    Validate();
}
