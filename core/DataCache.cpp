#include "core/DataCache.h"

#include <algorithm>
#include <climits>

namespace {

int ClampToInt(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, INT_MAX));
}

} // namespace

CDataCache::CDataCache(int minSlots, int maxSlots, int maxMemoryKb) {
    SetLimits(minSlots, maxSlots, maxMemoryKb);
}

void CDataCache::SetLimits(int minSlots, int maxSlots, int maxMemoryKb) {
    minSlots_ = minSlots;
    maxSlots_ = maxSlots;
    maxMemoryKb_ = maxMemoryKb;
    EvictOverLimits();
}

std::uint64_t CDataCache::KeyOf(std::uint32_t recordNumber, int registerCode) {
    return (std::uint64_t{static_cast<std::uint32_t>(registerCode)} << 32) | recordNumber;
}

std::uint64_t CDataCache::KeyOf(const CMark& mark) {
    return KeyOf(mark.GetRecordNumber(), mark.GetRegisterCode());
}

std::shared_ptr<const CZrData> CDataCache::Find(const CMark& mark) {
    const auto found = index_.find(KeyOf(mark));
    if (found == index_.end()) {
        ++misses_;
        return nullptr;
    }
    ++hits_;
    entries_.splice(entries_.begin(), entries_, found->second);
    return found->second->record;
}

void CDataCache::Add(const CMark& mark, const CZrData& record) {
    if (maxSlots_ > 0)
        Add(mark, std::make_shared<const CZrData>(record));
}

void CDataCache::Add(const CMark& mark, std::shared_ptr<const CZrData> record) {
    if (maxSlots_ <= 0 || !record)
        return;
    const std::uint64_t key = KeyOf(mark);
    if (const auto held = index_.find(key); held != index_.end())
        Erase(held->second);
    const std::size_t bytes = record->GetBytes().size() + kEntryOverhead;
    entries_.push_front({key, std::move(record), bytes});
    index_.emplace(key, entries_.begin());
    totalBytes_ += bytes;
    EvictOverLimits();
}

void CDataCache::Remove(int registerCode) {
    for (auto entry = entries_.begin(); entry != entries_.end();) {
        const auto next = std::next(entry);
        if (static_cast<int>(entry->key >> 32) == registerCode)
            Erase(entry);
        entry = next;
    }
}

void CDataCache::Clear() {
    entries_.clear();
    index_.clear();
    totalBytes_ = 0;
}

void CDataCache::GetHitCounts(int& hits, int& misses) const {
    hits = hits_;
    misses = misses_;
}

void CDataCache::GetUsage(int& entries, int& bytes) const {
    entries = ClampToInt(entries_.size());
    bytes = ClampToInt(totalBytes_);
}

void CDataCache::Erase(CEntries::iterator entry) {
    totalBytes_ -= entry->bytes;
    index_.erase(entry->key);
    entries_.erase(entry);
}

bool CDataCache::IsOverLimits() const {
    const std::size_t count = entries_.size();
    if (count > static_cast<std::size_t>(std::max(maxSlots_, 0)))
        return true;
    const bool memoryLimited = maxMemoryKb_ > 0;
    return memoryLimited && count > static_cast<std::size_t>(std::max(minSlots_, 0)) &&
           totalBytes_ > static_cast<std::size_t>(maxMemoryKb_) * 1024;
}

void CDataCache::EvictOverLimits() {
    while (!entries_.empty() && IsOverLimits())
        Erase(std::prev(entries_.end()));
}
