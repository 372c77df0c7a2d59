#include "core/DataCache.h"

#include "tests/core/RecordBytes.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace record_bytes;

// A record whose WORDMARK names it, padded to roughly the given size.
CZrData Record(const std::string& name, std::size_t padding = 0) {
    const Bytes bytes =
        RecordBytes({Text("WORDMARK", name), Text("GOODS", std::string(padding, 'g'))});
    CZrData record;
    record.Assign(bytes.data(), bytes.size());
    return record;
}

CMark MarkOf(std::uint32_t recordNumber, int registerCode = 'u') {
    return CMark(recordNumber, registerCode, 0, 1);
}

std::string Cached(CDataCache& cache, const CMark& mark) {
    const auto record = cache.Find(mark);
    return record ? std::string(record->GetField("WORDMARK")) : "-";
}

} // namespace

TEST(DataCache, SwitchedOffStoresNothing) {
    CDataCache cache(0, 0, 0);
    cache.Add(MarkOf(1), Record("A"));
    EXPECT_EQ(Cached(cache, MarkOf(1)), "-");
    EXPECT_EQ(Cached(cache, MarkOf(1)), "-");
    int hits = -1, misses = -1, entries = -1, bytes = -1;
    cache.GetHitCounts(hits, misses);
    EXPECT_EQ(hits, 0);
    EXPECT_EQ(misses, 2);
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 0);
    EXPECT_EQ(bytes, 0);
}

TEST(DataCache, ALookUpSavesAnEntryFromEviction) {
    CDataCache cache(0, 2, 0);
    cache.Add(MarkOf(1), Record("A"));
    cache.Add(MarkOf(2), Record("B"));
    EXPECT_EQ(Cached(cache, MarkOf(1)), "A");
    cache.Add(MarkOf(3), Record("C"));
    EXPECT_EQ(Cached(cache, MarkOf(2)), "-");
    EXPECT_EQ(Cached(cache, MarkOf(1)), "A");
    EXPECT_EQ(Cached(cache, MarkOf(3)), "C");
    int hits = 0, misses = 0;
    cache.GetHitCounts(hits, misses);
    EXPECT_EQ(hits, 3);
    EXPECT_EQ(misses, 1);
}

TEST(DataCache, KeyedByRecordAndRegister) {
    CDataCache cache(0, 10, 0);
    cache.Add(MarkOf(1, 'u'), Record("uk"));
    cache.Add(MarkOf(1, 'c'), Record("eu"));
    // Section and search do not matter.
    EXPECT_EQ(Cached(cache, CMark(1, 'c', 5, 9)), "eu");
    EXPECT_EQ(Cached(cache, MarkOf(1, 'u')), "uk");

    // A second copy of a record replaces the first instead of shadowing it.
    cache.Add(MarkOf(1, 'u'), Record("uk2"));
    EXPECT_EQ(Cached(cache, MarkOf(1, 'u')), "uk2");
    int entries = 0, bytes = 0;
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 2);
}

TEST(DataCache, RemoveDropsOneRegister) {
    CDataCache cache(0, 10, 0);
    cache.Remove('u');
    int entries = -1, bytes = -1;
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 0);

    const CZrData record = Record("A");
    for (std::uint32_t n = 1; n <= 3; ++n) {
        cache.Add(MarkOf(n, 'u'), record);
        cache.Add(MarkOf(n, 'c'), record);
    }
    cache.Remove('x');
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 6);
    EXPECT_EQ(bytes, 6 * static_cast<int>(record.GetBytes().size() + 32));
    cache.Remove('u');
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 3);
    EXPECT_EQ(Cached(cache, MarkOf(2, 'u')), "-");
    EXPECT_EQ(Cached(cache, MarkOf(2, 'c')), "A");
    cache.Clear();
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 0);
    EXPECT_EQ(bytes, 0);
}

TEST(DataCache, HandedOutRecordsOutliveTheirSlot) {
    CDataCache cache(0, 1, 0);
    cache.Add(MarkOf(1), Record("A"));
    const auto held = cache.Find(MarkOf(1));
    cache.Add(MarkOf(2), Record("B"));
    cache.Add(MarkOf(1), Record("A2"));
    cache.Clear();
    ASSERT_TRUE(held);
    EXPECT_EQ(held->GetField("WORDMARK"), "A");
}

TEST(DataCache, MemoryLimitEvictsButKeepsTheMinimumSlots) {
    const CZrData big = Record("big", 3000);
    CDataCache cache(2, 100, 8);
    for (std::uint32_t n = 1; n <= 5; ++n)
        cache.Add(MarkOf(n), big);
    int entries = 0, bytes = 0;
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 2);
    EXPECT_LE(bytes, 8 * 1024);
    EXPECT_EQ(Cached(cache, MarkOf(5)), "big");
    EXPECT_EQ(Cached(cache, MarkOf(3)), "-");

    // Below the minimum slots the memory limit gives way.
    cache.SetLimits(4, 100, 1);
    cache.Add(MarkOf(6), big);
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 3);

    // Tighter limits take effect at once.
    cache.SetLimits(0, 1, 0);
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(Cached(cache, MarkOf(6)), "big");
    cache.SetLimits(0, 0, 0);
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 0);
}
