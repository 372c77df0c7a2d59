#pragma once
// How each built-in register orders its marks and tells device marks, from the record id that
// the search service gives a mark. Bits 22-23 of a record id hold the record's status (0
// Registered, 1 Lapsed, 2 Pending, 3 Abandoned) in every register but UKDOM; a sort key keeps
// them in bits 22-23 of its high word, beside the register's ordinal in the low bits, and the
// record's sequence in its low word.

#include <cstdint>

std::uint64_t GetA6SortKey(std::uint32_t recordId);
std::uint64_t GetUkSortKey(std::uint32_t recordId);
std::uint64_t GetCtmSortKey(std::uint32_t recordId);
std::uint64_t GetUsSortKey(std::uint32_t recordId);
std::uint64_t GetInSortKey(std::uint32_t recordId);
std::uint64_t GetDeSortKey(std::uint32_t recordId);
std::uint64_t GetIeSortKey(std::uint32_t recordId);
std::uint64_t GetPlSortKey(std::uint32_t recordId);
std::uint64_t GetAuSortKey(std::uint32_t recordId);
std::uint64_t GetCaSortKey(std::uint32_t recordId);
std::uint64_t GetUkdomSortKey(std::uint32_t recordId);
std::uint64_t GetCdSortKey(std::uint32_t recordId);

// The record-id bit of a device mark: AU and CA use bit 0, the others bit 3; UKDOM has none.
inline constexpr std::uint32_t kAuCaDeviceBit = 0x1;
inline constexpr std::uint32_t kDeviceBit = 0x8;
