#include "registers/SortKeys.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>

namespace {

using SortKey = std::uint64_t (*)(std::uint32_t);

struct Register {
    const char* name;
    SortKey key;
    std::uint32_t ordinal;
};

constexpr Register kStatusRegisters[] = {
    {"RW", GetA6SortKey, 1},   {"UK", GetUkSortKey, 2},   {"EUTM", GetCtmSortKey, 3},
    {"US", GetUsSortKey, 4},   {"IR", GetInSortKey, 5},   {"DE", GetDeSortKey, 6},
    {"IE", GetIeSortKey, 7},   {"PL", GetPlSortKey, 9},   {"AU", GetAuSortKey, 0xa},
    {"CA", GetCaSortKey, 0xb}, {"CD", GetCdSortKey, 0xd},
};

std::uint32_t High(std::uint64_t key) {
    return static_cast<std::uint32_t>(key >> 32);
}
std::uint32_t Low(std::uint64_t key) {
    return static_cast<std::uint32_t>(key);
}

TEST(SortKeys, StatusAndOrdinalInTheHighWord) {
    std::mt19937 random(7);
    for (const Register& reg : kStatusRegisters) {
        SCOPED_TRACE(reg.name);
        for (int i = 0; i < 200; ++i) {
            const std::uint32_t recordId = random();
            const std::uint32_t high = High(reg.key(recordId));
            EXPECT_EQ((high >> 22) & 3, (recordId >> 22) & 3);
            EXPECT_EQ(high & 0xf, reg.ordinal);
        }
    }
}

TEST(SortKeys, SequenceOrdersMarksOfOneStatus) {
    // Sequence numbers sit above the low flag bits of the record id.
    EXPECT_EQ(Low(GetUkSortKey(5 << 4 | 0xf)), 5u);
    EXPECT_EQ(Low(GetAuSortKey(5 << 1 | 1)), 5u);
    EXPECT_EQ(Low(GetCtmSortKey(5 << 4)), 10u);
    EXPECT_EQ(Low(GetCtmSortKey(5 << 4 | 4)), 11u); // bit 2 just below the sequence
    EXPECT_EQ(Low(GetCdSortKey(5 << 4 | 7)), 5u << 3 | 7);
    EXPECT_LT(GetDeSortKey(1 << 4), GetDeSortKey(2 << 4));
    EXPECT_LT(GetDeSortKey(0 << 22), GetDeSortKey(1 << 22)); // registered before lapsed
}

TEST(SortKeys, SpecialHighWords) {
    EXPECT_EQ(High(GetUkSortKey(0x7e000000)), 0x3f000002u);
    EXPECT_EQ(High(GetUkSortKey(0x80c00002)), 0x80c00002u);
    EXPECT_EQ(High(GetUsSortKey(0)), 4u);
    EXPECT_EQ(High(GetUsSortKey(0x80000000)), 0x80000004u);
    EXPECT_EQ(High(GetCdSortKey(0xffffffff)), 0xfec0000du);
    EXPECT_EQ(High(GetUkdomSortKey(0)), 0xff00000cu);
    EXPECT_EQ(High(GetUkdomSortKey(0x20000000)), 0xff40000cu);
    EXPECT_EQ(High(GetUkdomSortKey(0x60000000)), 0xff80000cu);
    EXPECT_EQ(High(GetUkdomSortKey(0xe0000000)), 0xffc0000cu);
    EXPECT_EQ(Low(GetUkdomSortKey(0xffffffff)), 0x1ffffffu);
}

} // namespace
