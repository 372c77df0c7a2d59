#pragma once
// Mark images as engines sent them (PNG), kept so that redrawing a list, a details window or a
// report does not fetch an image again; the most recently used first. The register table owns
// one and sets its limits at start-up.
//
// An entry answers a request for its own size, and a larger one when the engine had sent it
// smaller than asked (the "narrower" and "lower" flags): asking again would bring no more.
// Images are handed out shared and read-only, so one that is evicted stays valid for its holder.

#include "core/Buffer.h"
#include "core/Mark.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>

// The size of an image, asked for or sent.
struct CImageSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

class CImageCache {
public:
    // Bytes accounted for an entry beside its image's length.
    static constexpr std::size_t kEntryOverhead = 48;

    CImageCache(int minSlots, int maxSlots, int maxMemoryKb);
    CImageCache(const CImageCache&) = delete;
    CImageCache& operator=(const CImageCache&) = delete;
    virtual ~CImageCache() = default;

    // Maximum slots 0 or less switch the cache off; entries beyond a lower maximum go at once.
    // The minimum slots and the memory limit are kept for the diagnostics report.
    void SetLimits(int minSlots, int maxSlots, int maxMemoryKb);
    int GetMinSlots() const { return minSlots_; }
    int GetMaxSlots() const { return maxSlots_; }
    int GetMaxMemoryKb() const { return maxMemoryKb_; }

    // The image of the mark's record and register with that number, for the size asked; null
    // when none answers. A hit moves the entry to the front and writes its own size back.
    std::shared_ptr<const CBuffer> Find(const CMark& mark, int imageNumber, CImageSize& size);
    // Stores a copy at the front, reusing the least recently used entry when the cache is full.
    void Add(const CMark& mark, int imageNumber, const void* png, std::size_t length,
             CImageSize size, bool narrower, bool lower);
    // Drops every image of the register.
    void RemoveDb(int registerCode);
    void Clear() { entries_.clear(); }

    void GetHitCounts(int& hits, int& misses) const;
    // Entries, and bytes as the images' lengths plus the overhead of each entry.
    void GetUsage(int& entries, int& bytes) const;

private:
    struct CEntry {
        std::uint32_t recordNumber;
        int registerCode;
        int imageNumber;
        CImageSize size;
        bool narrower;
        bool lower;
        std::shared_ptr<const CBuffer> png;

        bool Answers(const CMark& mark, int image, const CImageSize& wanted) const;
    };

    int minSlots_ = 0;
    int maxSlots_ = 0;
    int maxMemoryKb_ = 0;
    std::list<CEntry> entries_;
    int hits_ = 0;
    int misses_ = 0;
};
