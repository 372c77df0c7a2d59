#pragma once
// Copies of the records that registers fetched, so that a record shown again is not fetched
// again; the most recently used first. The register table owns one for summary records and one
// for text records and sets their limits at start-up.
//
// Records are handed out shared and read-only: one that is evicted or replaced stays valid for
// as long as its holder keeps it. A look-up is one hash probe; the limits are enforced on every
// addition.

#include "core/Mark.h"
#include "core/ZrData.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <unordered_map>

class CDataCache {
public:
    // Bytes accounted for an entry beside its record's length.
    static constexpr std::size_t kEntryOverhead = 32;

    CDataCache(int minSlots, int maxSlots, int maxMemoryKb);
    CDataCache(const CDataCache&) = delete;
    CDataCache& operator=(const CDataCache&) = delete;
    virtual ~CDataCache() = default;

    // Maximum slots 0 or less switch the cache off. The memory limit (in kilobytes; 0 or less
    // for none) evicts the least recently used entries, but never below the minimum slots.
    // Entries beyond new limits go at once.
    void SetLimits(int minSlots, int maxSlots, int maxMemoryKb);
    int GetMinSlots() const { return minSlots_; }
    int GetMaxSlots() const { return maxSlots_; }
    int GetMaxMemoryKb() const { return maxMemoryKb_; }

    // The cached record of the mark's record number and register code, or null; a hit moves
    // the entry to the front.
    std::shared_ptr<const CZrData> Find(const CMark& mark);
    // Stores a copy of the record for the mark's record number and register code, in place of
    // any copy already held.
    void Add(const CMark& mark, const CZrData& record);
    // The same for a record already shared: the cache keeps it, it is not copied.
    void Add(const CMark& mark, std::shared_ptr<const CZrData> record);
    // Drops every entry of the register.
    void Remove(int registerCode);
    void Clear();

    void GetHitCounts(int& hits, int& misses) const;
    // Entries, and bytes as the records' lengths plus the overhead of each entry.
    void GetUsage(int& entries, int& bytes) const;

private:
    struct CEntry {
        std::uint64_t key;
        std::shared_ptr<const CZrData> record;
        std::size_t bytes;
    };
    using CEntries = std::list<CEntry>;

    static std::uint64_t KeyOf(const CMark& mark);
    static std::uint64_t KeyOf(std::uint32_t recordNumber, int registerCode);
    void Erase(CEntries::iterator entry);
    bool IsOverLimits() const;
    void EvictOverLimits();

    int minSlots_ = 0;
    int maxSlots_ = 0;
    int maxMemoryKb_ = 0;
    CEntries entries_;
    std::unordered_map<std::uint64_t, CEntries::iterator> index_;
    std::size_t totalBytes_ = 0;
    int hits_ = 0;
    int misses_ = 0;
};
