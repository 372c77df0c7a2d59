#include "core/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf16ToUtf8, EncodesEveryLengthAndReplacesLoneSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(u"A\u00e9\u20ac"), "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(Utf16ToUtf8(lone), "a\xEF\xBF\xBD"
                                 "b\xEF\xBF\xBD");
    const char16_t highAtEnd[] = {0xD83D, 0};
    EXPECT_EQ(Utf16ToUtf8(highAtEnd), "\xEF\xBF\xBD");
}

TEST(IsValidUtf8, AcceptsWellFormedTextOnly) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
    EXPECT_FALSE(IsValidUtf8("Caf\xE9"));          // Western text
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));     // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));         // cut short
    EXPECT_FALSE(IsValidUtf8("\xE2\x28\xAC"));     // bad continuation
}

} // namespace
