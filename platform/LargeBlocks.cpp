#include "platform/LargeBlocks.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <mutex>
#include <new>
#include <span>
#include <sys/mman.h>

namespace platform {

namespace {

// Blocks are whole multiples of this, so that given-back blocks fit later requests of about
// their size and join their neighbours.
constexpr std::size_t kBlockGrain = std::size_t{2} << 20;
constexpr std::size_t kMaxKeptBlocks = 16;

std::size_t RoundUp(std::size_t bytes) {
    return (bytes + kBlockGrain - 1) / kBlockGrain * kBlockGrain;
}

std::byte* MapBlock(std::size_t length) {
    void* block = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    return static_cast<std::byte*>(block);
}

struct CKeptBlock {
    std::byte* start = nullptr;
    std::size_t length = 0;
};

// The given-back blocks, oldest first, and the bytes in use. Lengths are whole grains.
class CBlockPool {
public:
    std::byte* Allocate(std::size_t length) {
        std::lock_guard lock(mutex_);
        std::byte* block = TakeKept(length);
        if (!block)
            block = MapBlock(length);
        usage_.inUse += length;
        usage_.peakInUse = std::max(usage_.peakInUse, usage_.inUse);
        return block;
    }

    void Free(std::byte* block, std::size_t length) noexcept {
        std::lock_guard lock(mutex_);
        usage_.inUse -= length;
        Keep(block, length);
    }

    CLargeBlockUsage Usage() {
        std::lock_guard lock(mutex_);
        return usage_;
    }

    void ResetPeak() {
        std::lock_guard lock(mutex_);
        usage_.peakInUse = usage_.inUse;
    }

private:
    // Cut from the shortest kept block that is long enough; null when none is.
    std::byte* TakeKept(std::size_t length) {
        CKeptBlock* best = nullptr;
        for (CKeptBlock& block : Kept()) {
            if (block.length >= length && (!best || block.length < best->length))
                best = &block;
        }
        if (!best)
            return nullptr;
        std::byte* start = best->start;
        best->start += length;
        best->length -= length;
        usage_.kept -= length;
        if (best->length == 0)
            Remove(static_cast<std::size_t>(best - kept_.data()));
        return start;
    }

    // Joined with kept neighbours, so that the pieces of a cut block grow whole again; the oldest
    // blocks go back to the system when too much would be kept.
    void Keep(std::byte* start, std::size_t length) noexcept {
        for (std::size_t i = keptCount_; i-- > 0;) {
            const CKeptBlock neighbour = kept_[i];
            if (neighbour.start + neighbour.length == start)
                start = neighbour.start;
            else if (start + length != neighbour.start)
                continue;
            length += neighbour.length;
            usage_.kept -= neighbour.length;
            Remove(i);
        }
        if (length > kKeptLargeBlockBytes) {
            munmap(start, length);
            return;
        }
        while (keptCount_ == kMaxKeptBlocks || usage_.kept + length > kKeptLargeBlockBytes) {
            munmap(kept_[0].start, kept_[0].length);
            usage_.kept -= kept_[0].length;
            Remove(0);
        }
        kept_[keptCount_++] = {start, length};
        usage_.kept += length;
    }

    std::span<CKeptBlock> Kept() { return {kept_.data(), keptCount_}; }

    void Remove(std::size_t index) {
        std::copy(kept_.begin() + index + 1, kept_.begin() + keptCount_, kept_.begin() + index);
        --keptCount_;
    }

    std::mutex mutex_;
    std::array<CKeptBlock, kMaxKeptBlocks> kept_{};
    std::size_t keptCount_ = 0;
    CLargeBlockUsage usage_;
};

CBlockPool& Pool() {
    // Never destroyed: static objects may still give blocks back while the program ends.
    static CBlockPool* const pool = new CBlockPool;
    return *pool;
}

} // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    if (bytes > SIZE_MAX - kBlockGrain)
        throw std::bad_alloc();
    return Pool().Allocate(RoundUp(bytes));
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
    if (block)
        Pool().Free(static_cast<std::byte*>(block), RoundUp(bytes));
}

CLargeBlockUsage GetLargeBlockUsage() {
    return Pool().Usage();
}

void ResetLargeBlockPeak() {
    Pool().ResetPeak();
}

} // namespace platform
