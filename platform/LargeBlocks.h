#pragma once
// Memory for large arrays (the marks of big examinations). Faulting fresh memory in page by
// page can cost more than the work done on it, so large blocks come straight from the system,
// aligned for huge pages and with a request for them where the system grants it.

#include <cstddef>

namespace platform {

// Blocks from this size up are taken from the system directly.
inline constexpr std::size_t kLargeBlockSize = std::size_t{4} << 20;

// A zero-filled block of at least that many bytes; throws std::bad_alloc when there is none.
void* AllocateLargeBlock(std::size_t bytes);
// Gives back a block of AllocateLargeBlock; bytes as asked for there.
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

} // namespace platform
