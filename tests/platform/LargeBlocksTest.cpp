#include "platform/LargeBlocks.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

std::uint8_t* Allocate(std::size_t bytes) {
    return static_cast<std::uint8_t*>(platform::AllocateLargeBlock(bytes));
}

} // namespace

TEST(LargeBlocks, Writable) {
    const std::size_t bytes = platform::kLargeBlockSize + 123;
    std::uint8_t* block = Allocate(bytes);
    ASSERT_NE(block, nullptr);
    block[0] = 1;
    block[bytes - 1] = 2;
    EXPECT_EQ(block[0], 1);
    EXPECT_EQ(block[bytes - 1], 2);
    platform::FreeLargeBlock(block, bytes);
    platform::FreeLargeBlock(nullptr, bytes);
}

TEST(LargeBlocks, GivenBackBlocksAreCutAndJoinedForLaterRequests) {
    // Larger than what other tests keep, so that only this block can serve the requests.
    constexpr std::size_t kWhole = 64 * kMiB, kHalf = kWhole / 2;
    std::uint8_t* whole = Allocate(kWhole);
    const platform::CLargeBlockUsage before = platform::GetLargeBlockUsage();
    platform::FreeLargeBlock(whole, kWhole);
    EXPECT_EQ(platform::GetLargeBlockUsage().kept, before.kept + kWhole);

    // Two halves from the kept block, one after the other; nothing new from the system.
    std::uint8_t* first = Allocate(kHalf);
    std::uint8_t* second = Allocate(kHalf - 100);
    EXPECT_EQ(first, whole);
    EXPECT_EQ(second, whole + kHalf);
    EXPECT_EQ(platform::GetLargeBlockUsage().kept, before.kept);
    second[kHalf - 101] = 7;

    // Given back, the halves join, so the whole block serves a whole request again.
    platform::FreeLargeBlock(second, kHalf - 100);
    platform::FreeLargeBlock(first, kHalf);
    EXPECT_EQ(Allocate(kWhole), whole);
    EXPECT_EQ(platform::GetLargeBlockUsage().peakInUse, before.peakInUse);
    platform::FreeLargeBlock(whole, kWhole);
}

TEST(LargeBlocks, KeptBytesStayWithinTheirBound) {
    constexpr std::size_t kBig = platform::kKeptLargeBlockBytes / 2 + 2 * kMiB;
    std::uint8_t* blocks[] = {Allocate(kBig), Allocate(kBig), Allocate(kBig)};
    for (std::uint8_t* block : blocks) {
        platform::FreeLargeBlock(block, kBig);
        EXPECT_LE(platform::GetLargeBlockUsage().kept, platform::kKeptLargeBlockBytes);
    }
}
