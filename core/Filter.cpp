#include "core/Filter.h"

void CFilter::SetSection(int section, bool includeUnkept) {
    criteria_ |= kSection;
    section_ = section;
    includeUnkept_ = includeUnkept;
}

void CFilter::SetSearchId(int searchId, bool skipDuplicates, bool includeUnkept) {
    criteria_ |= kSearchId;
    searchId_ = searchId;
    SetSwitches(includeUnkept, skipDuplicates);
}

void CFilter::SetRegister(int registerCode, bool includeUnkept) {
    criteria_ |= kRegister;
    registerCode_ = registerCode;
    includeUnkept_ = includeUnkept;
}

void CFilter::SetNotRun(int section) {
    criteria_ |= kNotRun;
    section_ = section;
}

void CFilter::SetRecord(std::uint32_t recordNumber) {
    criteria_ |= kRecord;
    recordNumber_ = recordNumber;
}

void CFilter::SetMarksOfSearch(int searchId, bool includeUnkept) {
    criteria_ |= kMarksOfSearch;
    marksSearchId_ = searchId;
    includeUnkept_ = includeUnkept;
}

void CFilter::SetKeptOfSearch(int searchId) {
    criteria_ |= kKeptOfSearch;
    searchId_ = searchId;
}

void CFilter::SetSwitches(bool includeUnkept, bool skipDuplicates) {
    includeUnkept_ = includeUnkept;
    skipDuplicates_ = skipDuplicates;
}

bool CFilter::MatchMark(const CMark& mark) const {
    // Section and search lists show permanently kept marks; a plain keep does not count there.
    const bool permanentOrAll = includeUnkept_ || mark.HasFlag(CMark::kPermanentKeep);
    const bool keptOrAll = includeUnkept_ || mark.IsKept();
    bool match = true;
    if (criteria_ & kSection)
        match &= permanentOrAll && mark.GetSection() == section_ && !mark.IsDuplicate();
    if (criteria_ & kRegister)
        match &= keptOrAll && mark.GetRegisterCode() == registerCode_;
    if (criteria_ & kMarksOfSearch) {
        if (marksSearchId_ == 0)
            match &= mark.GetSearchId() == 0;
        else
            match &= permanentOrAll && mark.GetSearchId() == marksSearchId_ && !mark.IsDuplicate();
    }
    if (criteria_ & kKeptOfSearch)
        match &= mark.GetSearchId() == searchId_ && mark.IsKept() && !mark.IsDuplicate();
    if (criteria_ & kRecord)
        match &= mark.GetRecordNumber() == recordNumber_;
    if (criteria_ == 0)
        match &= keptOrAll && !(skipDuplicates_ && mark.IsDuplicate());
    return match;
}

CFilter MakeKeptFilter(bool includeUnkept, bool skipDuplicates) {
    CFilter filter;
    filter.SetSwitches(includeUnkept, skipDuplicates);
    return filter;
}

CFilter MakeSectionFilter(int section, bool includeUnkept) {
    CFilter filter;
    filter.SetSection(section, includeUnkept);
    return filter;
}

CFilter MakeSearchMarksFilter(int searchId, bool includeUnkept) {
    CFilter filter;
    filter.SetMarksOfSearch(searchId, includeUnkept);
    return filter;
}

CFilter MakeRegisterFilter(int registerCode, bool includeUnkept) {
    CFilter filter;
    filter.SetRegister(registerCode, includeUnkept);
    return filter;
}

CFilter MakeSearchIdFilter(int searchId, bool skipDuplicates, bool includeUnkept) {
    CFilter filter;
    filter.SetSearchId(searchId, skipDuplicates, includeUnkept);
    return filter;
}

CFilter MakeKeptOfSearchFilter(int searchId) {
    CFilter filter;
    filter.SetKeptOfSearch(searchId);
    return filter;
}

CFilter MakeNotRunFilter(int section) {
    CFilter filter;
    filter.SetNotRun(section);
    return filter;
}
