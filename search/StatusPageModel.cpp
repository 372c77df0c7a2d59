#include "search/StatusPageModel.h"

#include "core/Criteria.h"
#include "core/UserOptions.h"
#include "search/SearchExamination.h"

#include <algorithm>

namespace {

std::string DateText(const CZrDate& date) {
    return date.IsEmpty() ? std::string() : date.Format();
}

} // namespace

CStatusPageModel::CStatusPageModel(const ISearchExamination& examination,
                                   const CUserOptions& options)
    : CSearchPageModel("Status"), options_(options), setNames_{""} {
    for (std::string& name : examination.GetSetNames())
        setNames_.push_back(std::move(name));
}

void CStatusPageModel::Load(const CCriteria& criteria) {
    statuses_ = CStatusChecks::FromLetters(criteria.GetStatus());
    numberFrom_ = criteria.GetAppNumFrom().GetText();
    numberTo_ = criteria.GetAppNumTo().GetText();
    dateFrom_ = DateText(criteria.GetAppDateFrom());
    dateTo_ = DateText(criteria.GetAppDateTo());
    const auto set = std::find(setNames_.begin(), setNames_.end(), criteria.GetSet());
    setIndex_ = set != setNames_.end() ? static_cast<int>(set - setNames_.begin()) : -1;
}

void CStatusPageModel::Validate() {
    if (statuses_.GetLetters().empty()) {
        SetState(kPageError, "At least one status must be selected.");
        return;
    }
    const bool rangeEntered =
        !dateFrom_.empty() || !dateTo_.empty() || !numberFrom_.empty() || !numberTo_.empty();
    const bool statusesNarrowed = !(statuses_ == CStatusChecks());
    int state = rangeEntered || statusesNarrowed ? kPageEntered : kPageEmpty;
    std::string message;
    CCriteria scratch;
    if (!scratch.SetAppDateRange(dateFrom_, dateTo_)) {
        message = scratch.GetLastError().empty() ? "Invalid date range." : scratch.GetLastError();
        state = kPageError;
    } else if (setIndex_ > 0 && IsSetChosen(setIndex_)) {
        state = kPageEntered;
    }
    if (!scratch.SetAppNumRange(numberFrom_, numberTo_)) {
        message = scratch.GetLastError().empty() ? "Invalid application number range."
                                                 : scratch.GetLastError();
        state = kPageError;
    }
    SetState(state, message);
}

void CStatusPageModel::Store(CCriteria& criteria) const {
    criteria.SetStatus(statuses_.GetLetters());
    criteria.SetAppNumFrom(numberFrom_);
    criteria.SetAppNumTo(numberTo_);
    criteria.SetAppDateFrom(dateFrom_);
    criteria.SetAppDateTo(dateTo_);
    if (IsSetChosen(setIndex_))
        criteria.SetSet(setNames_[setIndex_]);
}

void CStatusPageModel::Clear() {
    statuses_ = CStatusChecks::FromLetters(options_.GetDefaultStatus());
    dateFrom_.clear();
    dateTo_.clear();
    numberFrom_.clear();
    numberTo_.clear();
    setIndex_ = -1;
    Validate();
}

void CStatusPageModel::SetStatuses(const CStatusChecks& statuses) {
    statuses_ = statuses;
    Validate();
}

void CStatusPageModel::SetDateRange(const std::string& from, const std::string& to) {
    dateFrom_ = from;
    dateTo_ = to;
    Validate();
}

void CStatusPageModel::SetNumberRange(const std::string& from, const std::string& to) {
    numberFrom_ = from;
    numberTo_ = to;
    Validate();
}

void CStatusPageModel::SetSetIndex(int index) {
    setIndex_ = index;
    Validate();
}
