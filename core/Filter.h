#pragma once
// The predicate with which views, reports, counts and the document pick marks and searches out
// of their lists. A small value: criterion bits and the values they test.

#include "core/Mark.h"

#include <cstdint>

class CFilter {
public:
    // Criterion bits.
    static constexpr std::uint32_t kSection = 0x01;
    static constexpr std::uint32_t kSearchId = 0x02;
    static constexpr std::uint32_t kRegister = 0x04;
    static constexpr std::uint32_t kMarksOfSearch = 0x10;
    static constexpr std::uint32_t kNotRun = 0x20;
    static constexpr std::uint32_t kKeptOfSearch = 0x40;
    static constexpr std::uint32_t kRecord = 0x80;

    CFilter() = default;
    CFilter(const CFilter&) = default;
    CFilter& operator=(const CFilter&) = default;
    virtual ~CFilter() = default;

    // Each setter adds its criterion to those already set.
    void SetSection(int section, bool includeUnkept);
    void SetSearchId(int searchId, bool skipDuplicates, bool includeUnkept);
    void SetRegister(int registerCode, bool includeUnkept);
    // Searches not yet run; section -1 for any section.
    void SetNotRun(int section);
    void SetRecord(std::uint32_t recordNumber);
    void SetMarksOfSearch(int searchId, bool includeUnkept);
    void SetKeptOfSearch(int searchId);
    void SetSwitches(bool includeUnkept, bool skipDuplicates);

    bool HasSearchId() const { return (criteria_ & kSearchId) != 0; }
    int GetSearchId() const { return searchId_; }
    bool GetIncludeUnkept() const { return includeUnkept_; }
    bool GetSkipDuplicates() const { return skipDuplicates_; }

    // The mark's own tests; the search-id test needs the mark's neighbour and is the list's
    // (CMarkList::MatchAt).
    bool MatchMark(const CMark& mark) const;

private:
    std::uint32_t criteria_ = 0;
    int section_ = -1;
    int searchId_ = -1;
    int marksSearchId_ = -1;
    std::uint32_t recordNumber_ = 0;
    int registerCode_ = 0;
    bool includeUnkept_ = false;
    bool skipDuplicates_ = false;
};

// Without criteria: the kept marks (every mark with includeUnkept); every search passes.
CFilter MakeKeptFilter(bool includeUnkept, bool skipDuplicates);
// The group heads of a section that are permanently kept (every one with includeUnkept).
CFilter MakeSectionFilter(int section, bool includeUnkept);
// Search id 0: every mark of no search; another id: its permanently kept group heads (every
// group head with includeUnkept).
CFilter MakeSearchMarksFilter(int searchId, bool includeUnkept);
CFilter MakeRegisterFilter(int registerCode, bool includeUnkept);
CFilter MakeSearchIdFilter(int searchId, bool skipDuplicates, bool includeUnkept);
// The kept group heads of one search.
CFilter MakeKeptOfSearchFilter(int searchId);
CFilter MakeNotRunFilter(int section);
