#pragma once
// The found record ids of one database gathered during a watch run, kept ascending without
// duplicates: each run's ids are merged into those of the runs before.

#include <cstdint>
#include <span>
#include <vector>

class CSearchResults {
public:
    explicit CSearchResults(int dbCode) : dbCode_(dbCode) {}
    CSearchResults(const CSearchResults&) = default;
    CSearchResults& operator=(const CSearchResults&) = default;
    virtual ~CSearchResults() = default;

    int GetDbCode() const { return dbCode_; }
    // Forgets the ids; the room stays.
    void Reset() { ids_.clear(); }
    std::span<const std::uint32_t> GetIds() const { return ids_; }

    // Starts merging up to n new ids into those held.
    void BeginMerge(std::size_t n);
    // Merges ascending new ids: held ids not above each new id go first, and an id equal to the
    // one before it is not taken twice. Without held ids the new ids are taken as they are.
    void MergeAdd(std::span<const std::uint32_t> newIds);
    // Takes the held ids that no new id passed.
    void EndMerge();

private:
    int dbCode_;
    std::vector<std::uint32_t> ids_;
    std::vector<std::uint32_t> previousIds_;
    std::size_t cursor_ = 0;
};
