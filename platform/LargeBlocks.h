#pragma once
// Memory for large arrays (the marks of big examinations). Faulting fresh memory in page by
// page can cost more than the work done on it, so large blocks come straight from the system and
// blocks given back are kept for later requests, so that arrays made again and again (a merge's
// keys and its output) reuse pages already faulted in instead of having the system zero new ones.
// Kept blocks stay as they are: telling the system that it may take their pages back makes it
// keep books on every page, which costs the next user about as much as fresh pages. Nor are huge
// pages asked for: where memory comes from a virtual machine's host, a fresh huge page can cost
// many times what its ordinary pages cost, and reused blocks are as fast without them.

#include <cstddef>

namespace platform {

// Arrays from this size up are large blocks; below it the ordinary heap serves them.
inline constexpr std::size_t kLargeBlockSize = std::size_t{1} << 20;
// At most this many bytes of given-back blocks are kept: enough for a merge of a million hits
// into a million marks to reuse all its blocks.
inline constexpr std::size_t kKeptLargeBlockBytes = std::size_t{128} << 20;

// A block of at least that many bytes, its contents undefined; throws std::bad_alloc when there
// is none.
void* AllocateLargeBlock(std::size_t bytes);
// Gives back a block of AllocateLargeBlock; bytes as asked for there.
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

struct CLargeBlockUsage {
    // Bytes of the blocks handed out and not given back.
    std::size_t inUse = 0;
    // The most bytes in use at once since the last ResetLargeBlockPeak.
    std::size_t peakInUse = 0;
    // Bytes of given-back blocks kept for reuse.
    std::size_t kept = 0;
};
CLargeBlockUsage GetLargeBlockUsage();
// Starts the peak afresh from the bytes in use now.
void ResetLargeBlockPeak();

} // namespace platform
