#include "registers/ImageCache.h"

#include <algorithm>
#include <climits>

namespace {

// The stored side answers the wanted one: the same, or smaller because the engine had no more.
bool SideAnswers(std::uint32_t stored, bool storedSmaller, std::uint32_t wanted) {
    return stored == wanted || (storedSmaller && stored < wanted);
}

} // namespace

CImageCache::CImageCache(int minSlots, int maxSlots, int maxMemoryKb) {
    SetLimits(minSlots, maxSlots, maxMemoryKb);
}

void CImageCache::SetLimits(int minSlots, int maxSlots, int maxMemoryKb) {
    minSlots_ = minSlots;
    maxSlots_ = maxSlots;
    maxMemoryKb_ = maxMemoryKb;
    entries_.resize(std::min<std::size_t>(entries_.size(), std::max(maxSlots, 0)));
}

bool CImageCache::CEntry::Answers(const CMark& mark, int image, const CImageSize& wanted) const {
    return recordNumber == mark.GetRecordNumber() && registerCode == mark.GetRegisterCode() &&
           imageNumber == image && SideAnswers(size.width, narrower, wanted.width) &&
           SideAnswers(size.height, lower, wanted.height);
}

std::shared_ptr<const CBuffer> CImageCache::Find(const CMark& mark, int imageNumber,
                                                 CImageSize& size) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const CEntry& entry) {
        return entry.Answers(mark, imageNumber, size);
    });
    if (found == entries_.end()) {
        ++misses_;
        return nullptr;
    }
    ++hits_;
    entries_.splice(entries_.begin(), entries_, found);
    size = found->size;
    return found->png;
}

void CImageCache::Add(const CMark& mark, int imageNumber, const void* png, std::size_t length,
                      CImageSize size, bool narrower, bool lower) {
    if (maxSlots_ <= 0)
        return;
    auto stored = std::make_shared<CBuffer>();
    if (!stored->Assign(png, length))
        return;
    if (entries_.size() >= static_cast<std::size_t>(maxSlots_))
        entries_.pop_back();
    entries_.push_front({mark.GetRecordNumber(), mark.GetRegisterCode(), imageNumber, size,
                         narrower, lower, std::move(stored)});
}

void CImageCache::RemoveDb(int registerCode) {
    entries_.remove_if(
        [registerCode](const CEntry& entry) { return entry.registerCode == registerCode; });
}

void CImageCache::GetHitCounts(int& hits, int& misses) const {
    hits = hits_;
    misses = misses_;
}

void CImageCache::GetUsage(int& entries, int& bytes) const {
    std::size_t total = 0;
    for (const CEntry& entry : entries_)
        total += entry.png->GetLength() + kEntryOverhead;
    entries = static_cast<int>(std::min<std::size_t>(entries_.size(), INT_MAX));
    bytes = static_cast<int>(std::min<std::size_t>(total, INT_MAX));
}
