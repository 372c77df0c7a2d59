#include "app/options/SearchOptionPages.h"

#include "core/Latin1.h"
#include "core/UserOptions.h"

#include <algorithm>

namespace {

constexpr const char* kAddedLastWeek = "AddedLastWeek";
constexpr const char* kAddedLastMonth = "AddedLastMonth";

} // namespace

COptionPageSearch::COptionPageSearch(const CUserOptions& options)
    : values_{options.GetHideDuplicates(), options.GetAutoLong(), options.GetAutoKeep(),
              CStatusChecks::FromLetters(options.GetDefaultStatus())} {}

void COptionPageSearch::Apply(CUserOptions& options) {
    options.SetDefaultStatus(values_.statuses.GetLetters());
    options.SetAutoLong(values_.autoLong);
    options.SetAutoKeep(values_.autoKeep);
    options.SetHideDuplicates(values_.hideDuplicates);
}

COptionPageWatch::COptionPageWatch(const CUserOptions& options, std::vector<std::string> templates)
    : templates_(std::move(templates)) {
    values_.autoKeep = options.GetWatchAutoKeep();
    values_.autoLong = options.GetWatchAutoLong();
    values_.skipReview = options.GetWatchSkipReview();
    values_.autoReport = options.GetWatchAutoReport();
    values_.defaultReport = options.GetWatchDefaultReport();
    values_.reportDir = options.GetWatchReportDir();
    const std::string& set = options.GetWatchSet();
    if (EqualNoCaseLatin1(set, kAddedLastWeek)) {
        values_.set = EWatchSet::AddedLastWeek;
    } else if (EqualNoCaseLatin1(set, kAddedLastMonth)) {
        values_.set = EWatchSet::AddedLastMonth;
    } else {
        values_.set = EWatchSet::Other;
        values_.otherSet = set;
    }
}

int COptionPageWatch::GetTemplateIndex() const {
    const auto found = std::find(templates_.begin(), templates_.end(), values_.defaultReport);
    return found == templates_.end() ? -1 : static_cast<int>(found - templates_.begin());
}

void COptionPageWatch::Apply(CUserOptions& options) {
    options.SetWatchAutoKeep(values_.autoKeep);
    options.SetWatchAutoLong(values_.autoLong);
    options.SetWatchAutoReport(values_.autoReport);
    options.SetWatchDefaultReport(values_.defaultReport);
    options.SetWatchReportDir(values_.reportDir);
    options.SetWatchSkipReview(values_.skipReview);
    switch (values_.set) {
    case EWatchSet::AddedLastWeek:
        options.SetWatchSet(kAddedLastWeek);
        break;
    case EWatchSet::AddedLastMonth:
        options.SetWatchSet(kAddedLastMonth);
        break;
    case EWatchSet::Other:
        options.SetWatchSet(values_.otherSet);
        break;
    }
}
