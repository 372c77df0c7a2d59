#include "report/print/CriteriaRows.h"

#include "core/Criteria.h"
#include "core/Search.h"

#include <array>

namespace {

// "But not " before the labels of the excluded group.
std::string MatchLabel(int kind, bool excluded) {
    static constexpr std::array<const char*, 5> kLabels = {
        "Match Word:", "Match Mark:", "Similar Word:", "Similar Mark:", "Anagram:"};
    const char* label =
        kind >= 0 && kind < static_cast<int>(kLabels.size()) ? kLabels[kind] : kLabels[0];
    return std::string(excluded ? "But not " : "") + label;
}

// One item a line; with matchAll every item after the first reads "And <item>".
std::string Lines(const std::vector<std::string>& items, bool matchAll) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty())
            text += matchAll ? "\nAnd " : "\n";
        text += item;
    }
    return text;
}

} // namespace

std::vector<CCriteriaRow> BuildCriteriaRows(const CSearch& search, const CCriteriaWording& wording,
                                            const CTermMapper& mapper, bool hideDuplicates) {
    const CCriteria& criteria = search.GetCriteria();
    std::vector<CCriteriaRow> rows;
    const auto add = [&rows](std::string label, std::string value) {
        if (!value.empty())
            rows.push_back({std::move(label), std::move(value)});
    };
    add("Databases:", criteria.GetDatabasesText(wording));
    const CCountryList& countries = criteria.GetCountries();
    add("Countries:", countries.IsPartial() ? countries.GetText() : "");
    add("Classes:", criteria.GetClassesText());
    int kind = 0;
    std::string terms = criteria.GetWordTermsText(&mapper, &kind);
    add(MatchLabel(kind, false), terms);
    terms = criteria.GetAndWordTermsText(&mapper, &kind);
    add(MatchLabel(kind, false), terms);
    terms = criteria.GetExcludedWordTermsText(&mapper, &kind);
    add(MatchLabel(kind, true), terms);
    add("Status:", criteria.GetStatusText(wording, false));
    add("Application Numbers:", criteria.GetAppNumRangeText(wording));
    add("Application Dates:", criteria.GetAppDateRangeText(wording));
    add("Search Set:", criteria.GetSet());
    add("Device Classification:", Lines(criteria.GetImageCats(), criteria.GetImageCatsMatchAll()));
    add("Locarno:", Lines(criteria.GetLocarnoClasses(), criteria.GetLocarnoMatchAll()));
    add("Owners:", Lines(criteria.GetOwnerNames(), false));
    add("Agents:", Lines(criteria.GetAgentNames(), false));
    add("Goods A:", criteria.GetGoodsTermsText(&mapper));
    add("Goods B:", criteria.GetAndGoodsTermsText(&mapper));
    add("Goods C:", criteria.GetExcludedGoodsTermsText(&mapper));
    if (search.HasRun()) {
        const int hits = hideDuplicates ? search.GetMarkCount() : search.GetFound();
        rows.push_back({"Number of Hits:", std::to_string(hits), true});
    }
    return rows;
}
