#include "core/SmallHelpers.h"

#include "platform/SystemInfo.h"

#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>

TEST(SmallHelpers, HexDigitValue) {
    const std::string digits = "0123456789ABCDEF";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        EXPECT_EQ(HexDigitValue(digits[i]), static_cast<int>(i)) << digits[i];
        EXPECT_EQ(HexDigitValue(static_cast<char>(std::tolower(digits[i]))), static_cast<int>(i));
    }
    for (char c : {'g', 'G', ' ', '\0', '/', ':', '@', '`', '\xff'})
        EXPECT_EQ(HexDigitValue(c), 0) << int(c);
}

TEST(SmallHelpers, FormatHex) {
    EXPECT_EQ(FormatHex(0), "0");
    EXPECT_EQ(FormatHex(255), "FF");
    EXPECT_EQ(FormatHex(0x00FF8000), "FF8000");
    EXPECT_EQ(FormatHex(-1), "FFFFFFFF");
    EXPECT_EQ(FormatHex(INT32_MIN), "80000000");
}

TEST(SmallHelpers, HostNameComesFromThePlatform) {
    EXPECT_FALSE(GetHostName().empty());
    EXPECT_EQ(GetHostName(), platform::HostName());
}
