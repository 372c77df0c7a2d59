#include "registers/ImageCache.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const CMark kUkMark(0x1008, 'u', 0, 0);
const CMark kCtmMark(0x2008, 'c', 0, 0);

// Stores a few bytes that name the image, for the tests to recognise.
void AddImage(CImageCache& cache, const CMark& mark, int image, CImageSize size,
              bool narrower = false, bool lower = false) {
    const std::string bytes = std::to_string(mark.GetRecordNumber()) + "/" + std::to_string(image) +
                              "@" + std::to_string(size.width);
    cache.Add(mark, image, bytes.data(), bytes.size(), size, narrower, lower);
}

std::string Text(const std::shared_ptr<const CBuffer>& png) {
    return png ? std::string(reinterpret_cast<const char*>(png->GetData()), png->GetLength())
               : "none";
}

std::string Look(CImageCache& cache, const CMark& mark, int image, CImageSize& size) {
    return Text(cache.Find(mark, image, size));
}

} // namespace

TEST(ImageCache, AnImageAnswersItsOwnSizeOnly) {
    CImageCache cache(1, 10, 512);
    AddImage(cache, kUkMark, 0, {96, 96});
    CImageSize size{96, 96};
    EXPECT_EQ(Look(cache, kUkMark, 0, size), "4104/0@96");
    size = {100, 96};
    EXPECT_EQ(Look(cache, kUkMark, 0, size), "none");
    size = {64, 64};
    EXPECT_EQ(Look(cache, kUkMark, 0, size), "none");
    size = {96, 96};
    EXPECT_EQ(Look(cache, kUkMark, 1, size), "none");
    EXPECT_EQ(Look(cache, kCtmMark, 0, size), "none");
    EXPECT_EQ(Look(cache, CMark(0x1008, 'c', 0, 0), 0, size), "none");
    int hits = 0, misses = 0;
    cache.GetHitCounts(hits, misses);
    EXPECT_EQ(hits, 1);
    EXPECT_EQ(misses, 5);
}

TEST(ImageCache, ASmallerImageAnswersLargerRequestsOnlyWhenTheEngineHadNoMore) {
    CImageCache cache(1, 10, 512);
    AddImage(cache, kUkMark, 0, {150, 120}, true, true);
    AddImage(cache, kUkMark, 1, {150, 120}, true, false);
    CImageSize size{200, 200};
    EXPECT_EQ(Look(cache, kUkMark, 0, size), "4104/0@150");
    EXPECT_EQ(size.width, 150u);
    EXPECT_EQ(size.height, 120u);

    // Narrower only: a request that is also higher is not answered.
    size = {200, 200};
    EXPECT_EQ(Look(cache, kUkMark, 1, size), "none");
    EXPECT_EQ(size.width, 200u);
    size = {200, 120};
    EXPECT_EQ(Look(cache, kUkMark, 1, size), "4104/1@150");
    // A smaller request than the stored image is a different image.
    size = {100, 100};
    EXPECT_EQ(Look(cache, kUkMark, 0, size), "none");
}

TEST(ImageCache, TheLeastRecentlyFoundImageMakesRoom) {
    CImageCache cache(1, 5, 512);
    for (std::uint32_t record = 1; record <= 5; ++record)
        AddImage(cache, CMark(record, 'u', 0, 0), 0, {96, 96});
    CImageSize size{96, 96};
    EXPECT_NE(Look(cache, CMark(1, 'u', 0, 0), 0, size), "none"); // 2 is now the oldest
    AddImage(cache, CMark(6, 'u', 0, 0), 0, {96, 96});
    int entries = 0, bytes = 0;
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 5);
    EXPECT_EQ(Look(cache, CMark(2, 'u', 0, 0), 0, size), "none");
    for (std::uint32_t record : {1u, 3u, 4u, 5u, 6u})
        EXPECT_NE(Look(cache, CMark(record, 'u', 0, 0), 0, size), "none") << record;
}

TEST(ImageCache, NoSlotsMeansNoCache) {
    CImageCache cache(0, 0, 0);
    AddImage(cache, kUkMark, 0, {96, 96});
    CImageSize size{96, 96};
    EXPECT_EQ(Look(cache, kUkMark, 0, size), "none");
    int entries = -1, bytes = -1;
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 0);
    EXPECT_EQ(bytes, 0);

    // Lower limits drop what no longer fits, the most recently used kept.
    cache.SetLimits(1, 3, 64);
    for (std::uint32_t record = 1; record <= 3; ++record)
        AddImage(cache, CMark(record, 'u', 0, 0), 0, {96, 96});
    cache.SetLimits(1, 1, 64);
    EXPECT_NE(Look(cache, CMark(3, 'u', 0, 0), 0, size), "none");
    EXPECT_EQ(Look(cache, CMark(2, 'u', 0, 0), 0, size), "none");
    EXPECT_EQ(cache.GetMinSlots(), 1);
    EXPECT_EQ(cache.GetMaxSlots(), 1);
    EXPECT_EQ(cache.GetMaxMemoryKb(), 64);
}

TEST(ImageCache, DroppingARegisterLeavesTheOthers) {
    CImageCache cache(1, 10, 512);
    AddImage(cache, kUkMark, 0, {96, 96});
    AddImage(cache, kUkMark, 1, {96, 96});
    AddImage(cache, kCtmMark, 0, {96, 96});
    cache.RemoveDb('u');
    CImageSize size{96, 96};
    EXPECT_EQ(Look(cache, kUkMark, 0, size), "none");
    EXPECT_EQ(Look(cache, kCtmMark, 0, size), "8200/0@96");
    int entries = 0, bytes = 0;
    cache.GetUsage(entries, bytes);
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(bytes, 9 + static_cast<int>(CImageCache::kEntryOverhead));
}

TEST(ImageCache, AnImageHandedOutOutlivesItsEntry) {
    CImageCache cache(1, 1, 512);
    AddImage(cache, kUkMark, 0, {96, 96});
    CImageSize size{96, 96};
    const auto held = cache.Find(kUkMark, 0, size);
    AddImage(cache, kCtmMark, 0, {96, 96}); // reuses the only slot
    cache.Clear();
    EXPECT_EQ(Text(held), "4104/0@96");
}
