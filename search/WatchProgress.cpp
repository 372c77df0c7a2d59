#include "search/WatchProgress.h"

#include "core/UserOptions.h"
#include "engines/ExamDocument.h"

#include <algorithm>

CWatchProgress::CWatchProgress(IExamDocument& document, const CSearchServices& services)
    : CSearchProgress(document, services), settings_(services.userOptions) {}

bool CWatchProgress::CollectSearches(int section) {
    const std::vector<int> ids = GetDocument().GetFilteredSearchIds(MakeNotRunFilter(section));
    for (const int id : ids)
        AddSearch(id);
    return !ids.empty();
}

CSearch CWatchProgress::GetSearch(int index) const {
    CSearch search = CSearchProgress::GetSearch(index);
    search.GetCriteria().SetSet(settings_.GetWatchSet());
    return search;
}

void CWatchProgress::StoreResults() {
    const CSearch& search = GetRunner().GetSearch();
    AddResultsFor(search.GetDatabases());
    GetRunner().CollectWatchResults(GetDocument(), results_);
    section_ = search.GetSection();
    const int next = GetCurrentIndex() + 1;
    if (next < GetSearchCount() && CSearchProgress::GetSearch(next).GetSection() == section_)
        return;
    AddSectionMarks();
}

void CWatchProgress::AddResultsFor(std::string_view codes) {
    for (const char c : codes) {
        const int code = static_cast<unsigned char>(c);
        if (std::none_of(results_.begin(), results_.end(),
                         [code](const CSearchResults& held) { return held.GetDbCode() == code; }))
            results_.emplace_back(code);
    }
}

void CWatchProgress::AddSectionMarks() {
    std::vector<CRecordSet> sets;
    for (const CSearchResults& held : results_)
        if (!held.GetIds().empty())
            sets.push_back({held.GetDbCode(), held.GetIds()});
    if (!sets.empty())
        GetDocument().AddFoundMarks(sets, section_, section_, settings_.GetWatchAutoKeep(),
                                    settings_.GetWatchAutoLong());
    for (CSearchResults& held : results_)
        held.Reset();
}
