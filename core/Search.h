#pragma once
// One search of an examination: its criteria and what its runs produced (when it first ran
// relative to the other searches, hits, marks and the databases it ran on).

#include "core/Criteria.h"

#include <cstdint>
#include <string>

class CCriteriaWording;
class CTermMapper;

class CSearch {
public:
    // Flag bits.
    static constexpr std::uint32_t kHasRun = 0x1;
    static constexpr std::uint32_t kNothingFound = 0x4;
    static constexpr std::uint32_t kCompleted = 0x8;
    static constexpr std::uint32_t kViewed = 0x10;

    explicit CSearch(int section = 0, int searchId = 0) : searchId_(searchId), section_(section) {}
    CSearch(const CSearch&) = default;
    CSearch& operator=(const CSearch&) = default;
    virtual ~CSearch() = default;

    std::uint32_t GetFlags() const { return flags_; }
    void SetFlags(std::uint32_t flags) { flags_ = flags; }
    // 0 until the search list gives it one.
    int GetSearchId() const { return searchId_; }
    void SetSearchId(int searchId) { searchId_ = searchId; }
    int GetSection() const { return section_; }
    void SetSection(int section) { section_ = section; }
    int GetFound() const { return found_; }
    void SetFound(int found) { found_ = found; }
    int GetMarkCount() const { return markCount_; }
    void SetMarkCount(int markCount) { markCount_ = markCount; }
    // Place in the order of first runs; 0 for a search that never ran.
    int GetOrder() const { return order_; }
    void SetOrder(int order) { order_ = order; }
    // The codes of the databases the runs covered, run after run.
    const std::string& GetRunDatabases() const { return runDatabases_; }
    void SetRunDatabases(const std::string& databases) { runDatabases_ = databases; }
    CCriteria& GetCriteria() { return criteria_; }
    const CCriteria& GetCriteria() const { return criteria_; }
    void SetCriteria(const CCriteria& criteria) { criteria_ = criteria; }
    // The codes of the databases to search.
    const std::string& GetDatabases() const { return criteria_.GetDbIds(); }

    bool HasRun() const { return order_ != 0; }
    // Marked completed, or run without finding anything.
    bool IsCompleted() const;
    void SetCompleted(bool completed) { SetFlag(kCompleted, completed); }
    bool IsViewed() const { return (flags_ & kViewed) != 0; }
    void SetViewed(bool viewed) { SetFlag(kViewed, viewed); }

    // Back to never run; the criteria stay.
    void Reset();
    // Criteria for every database with an engine and the user's default status.
    void ResetCriteria();

    // Records one run: hits and marks it gave and the databases it ran on. A first run takes
    // its run order from the active examination; without one nothing is recorded and the
    // result is false. Counting the marks when the user hides duplicates, a run that gave
    // nothing marks the search as having found nothing. Databases that ran but were not in the
    // criteria join them; databases that failed stay in the criteria.
    bool AddResults(int found, int markCount, const std::string& databases);

    // With databases "DB:", the registers' short names and a blank; then the criteria's
    // summary without databases, terms shown through the mapper.
    std::string GetDescription(bool withDatabases, const CTermMapper* mapper,
                               const CCriteriaWording& wording) const;

    // Section, then searches that ran (by run order) before those that did not (by id).
    bool operator<(const CSearch& other) const;

private:
    void SetFlag(std::uint32_t flag, bool on) { flags_ = on ? flags_ | flag : flags_ & ~flag; }

    int searchId_ = 0;
    int order_ = 0;
    int section_ = 0;
    std::uint32_t flags_ = 0;
    int found_ = 0;
    int markCount_ = 0;
    std::string runDatabases_;
    CCriteria criteria_;
};
