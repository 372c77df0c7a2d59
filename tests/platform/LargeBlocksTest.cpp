#include "platform/LargeBlocks.h"

#include <cstdint>
#include <gtest/gtest.h>

TEST(LargeBlocks, ZeroFilledWritableAndAligned) {
    const std::size_t bytes = platform::kLargeBlockSize + 123;
    auto* block = static_cast<std::uint8_t*>(platform::AllocateLargeBlock(bytes));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 4096, 0u);
    EXPECT_EQ(block[0], 0);
    EXPECT_EQ(block[bytes - 1], 0);
    block[0] = 1;
    block[bytes - 1] = 2;
    EXPECT_EQ(block[bytes - 1], 2);
    platform::FreeLargeBlock(block, bytes);
    platform::FreeLargeBlock(nullptr, bytes);
}
