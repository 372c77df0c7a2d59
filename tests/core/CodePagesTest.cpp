#include "core/CodePages.h"

#include <gtest/gtest.h>

TEST(CodePages, HighBytesToUtf16) {
    EXPECT_EQ(codepage::ToUtf16('\x80', false), u'\u20AC');
    EXPECT_EQ(codepage::ToUtf16('\x80', true), u'\u20AC');
    EXPECT_EQ(codepage::ToUtf16('\xC1', false), u'\u00C1');
    EXPECT_EQ(codepage::ToUtf16('\xC1', true), u'\u0391');
    // Bytes the code pages leave undefined keep their value.
    EXPECT_EQ(codepage::ToUtf16('\x81', false), u'\u0081');
    EXPECT_EQ(codepage::ToUtf16('\x81', true), u'\u0081');
    EXPECT_EQ(codepage::ToUtf16('\xD2', true), u'\u00D2');
    EXPECT_EQ(codepage::ToUtf16('\xA2', true), u'\u0386');
    EXPECT_EQ(codepage::ToUtf16('\xF2', true), u'\u03C2');
    EXPECT_EQ(codepage::ToUtf16('A', true), u'A');
}

TEST(CodePages, CostTablesKeepTheFixedRows) {
    EXPECT_EQ(codepage::kWesternCosts[' '], 21);
    EXPECT_EQ(codepage::kGreekCosts[' '], 21);
    for (int byte = 0xE1; byte <= 0xF9; ++byte) { // alpha to omega
        EXPECT_EQ(codepage::kWesternCosts[byte], 200) << byte;
        EXPECT_GE(codepage::kGreekCosts[byte], 23) << byte;
        EXPECT_LE(codepage::kGreekCosts[byte], 66) << byte;
    }
    EXPECT_EQ(codepage::kWesternCosts[0x01], 200);
    EXPECT_EQ(codepage::kGreekCosts['e'], 200);
    EXPECT_LT(codepage::kWesternCosts['e'], codepage::kWesternCosts['q']);
}

TEST(CodePages, GuessTellsGreekFromWesternText) {
    // "Athens coffee company" and a company name in capitals, in Windows-1253.
    EXPECT_TRUE(ScoreFavoursSecondTable("\xe5\xf4\xe1\xe9\xf1\xe5\xe9\xe1 \xea\xe1\xf6\xe5 "
                                        "\xe1\xe8\xe7\xed\xfe\xed"));
    EXPECT_TRUE(ScoreFavoursSecondTable("\xc1\xc8\xc7\xcd\xc1 \xc1.\xc5."));
    EXPECT_FALSE(ScoreFavoursSecondTable("Athens Coffee Company Ltd"));
    EXPECT_FALSE(ScoreFavoursSecondTable("Soci\xe9t\xe9 G\xe9n\xe9rale de Caf\xe9s"));
    EXPECT_FALSE(ScoreFavoursSecondTable(""));
    EXPECT_FALSE(ScoreFavoursSecondTable("2004 (1) - 42"));
}
