#include "registers/SortKeys.h"

namespace {

constexpr std::uint32_t kStatusAndHighBits = 0xffc00000;
constexpr std::uint32_t kTopBit = 0x80000000;

std::uint64_t Key(std::uint32_t high, std::uint32_t low) {
    return (std::uint64_t{high} << 32) | low;
}

// The status and top bits of the record id with the register's ordinal.
std::uint32_t StatusHigh(std::uint32_t r, std::uint32_t ordinal) {
    return (r & kStatusAndHighBits) | kTopBit | ordinal;
}

std::uint32_t SequenceFromBit4(std::uint32_t r) {
    return (r >> 4) & 0x3ffff;
}
std::uint32_t SequenceFromBit1(std::uint32_t r) {
    return (r >> 1) & 0x1fffff;
}
// EUTM and US keep bit 2 of the record id below the sequence bits 4 and up.
std::uint32_t SequenceWithBit2(std::uint32_t r) {
    return (((r >> 1) & 0x1ffff8) | (r & 4)) >> 2;
}

} // namespace

std::uint64_t GetA6SortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 1), SequenceFromBit4(r));
}

std::uint64_t GetUkSortKey(std::uint32_t r) {
    return Key((r & 0x80c00002) | ((r & 0x7e000000) >> 1) | 2, SequenceFromBit4(r));
}

std::uint64_t GetCtmSortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 3), SequenceWithBit2(r));
}

std::uint64_t GetUsSortKey(std::uint32_t r) {
    return Key((r & kStatusAndHighBits) | 4, SequenceWithBit2(r));
}

std::uint64_t GetInSortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 5), SequenceFromBit4(r));
}
std::uint64_t GetDeSortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 6), SequenceFromBit4(r));
}
std::uint64_t GetIeSortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 7), SequenceFromBit4(r));
}
std::uint64_t GetPlSortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 9), SequenceFromBit4(r));
}
std::uint64_t GetAuSortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 0xa), SequenceFromBit1(r));
}
std::uint64_t GetCaSortKey(std::uint32_t r) {
    return Key(StatusHigh(r, 0xb), SequenceFromBit1(r));
}

std::uint64_t GetUkdomSortKey(std::uint32_t r) {
    std::uint32_t high = 0xff00000c;
    if (r & 0x80000000)
        high = 0xffc0000c;
    else if (r & 0x40000000)
        high = 0xff80000c;
    else if (r & 0x20000000)
        high = 0xff40000c;
    return Key(high, (r >> 3) & 0x1ffffff);
}

std::uint64_t GetCdSortKey(std::uint32_t r) {
    return Key((r & 0x00c00000) | 0xfe00000d, ((r >> 1) & 0x1ffff8) | (r & 7));
}
