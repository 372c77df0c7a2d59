#include "platform/LargeBlocks.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace platform {

namespace {

constexpr std::size_t kHugePageSize = std::size_t{2} << 20;

std::size_t RoundUp(std::size_t bytes) {
    return (bytes + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
}

} // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    if (bytes > SIZE_MAX - 2 * kHugePageSize)
        throw std::bad_alloc();
    const std::size_t length = RoundUp(bytes);
    // Map one huge page more than needed and trim both ends to an aligned block.
    const std::size_t mapped = length + kHugePageSize;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
    if (aligned > start)
        munmap(raw, aligned - start);
    const std::uintptr_t end = start + mapped;
    if (end > aligned + length)
        munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
    // Only advice: without huge pages the block still works with ordinary ones.
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
    if (block)
        munmap(block, RoundUp(bytes));
}

} // namespace platform
