#include "core/ZrAppNum.h"

#include <gtest/gtest.h>

TEST(ZrAppNum, NumberSyntax) {
    for (const char* valid : {"B12/345", "TMA123456", "123 ABC", "!anything", "  M12-3", "DE12,345",
                              "ir12_3", "12/3-4"}) {
        CZrAppNum number;
        EXPECT_TRUE(number.SetText(valid)) << valid;
    }
    for (const char* invalid : {"IR 12", "12/3/4", "12-3_4", "", "   ", "B", "12 AB 3", "12#"}) {
        CZrAppNum number;
        EXPECT_FALSE(number.SetText(invalid)) << invalid;
    }
}

TEST(ZrAppNum, TextIsKeptValidOrNot) {
    CZrAppNum number;
    EXPECT_FALSE(number.SetText("  12/3/4"));
    EXPECT_EQ(number.GetText(), "12/3/4");
    CZrAppNum copy(number);
    EXPECT_EQ(copy.GetText(), "12/3/4");
    copy.Clear();
    EXPECT_TRUE(copy.IsEmpty());
}

TEST(ZrAppNum, NumberReadsEveryDigit) {
    CZrAppNum number;
    number.SetText("B12/34");
    EXPECT_EQ(number.GetNumber(), 1234u);
    number.SetText("none");
    EXPECT_EQ(number.GetNumber(), 0u);
    number.SetText("123456789012345678901234567890");
    EXPECT_EQ(number.GetNumber(), UINT64_MAX);
}

TEST(ZrAppNum, RegisterPatternsMustMatchTheWholeText) {
    EXPECT_TRUE(MatchesAppNumPattern("12345", "\\d+"));
    EXPECT_FALSE(MatchesAppNumPattern("12345x", "\\d+"));
    EXPECT_TRUE(MatchesAppNumPattern("pl123", "P?L?\\d+"));
    EXPECT_FALSE(MatchesAppNumPattern("123", "(unclosed"));
    // A number the common syntax rejects may still be a register's own form.
    EXPECT_TRUE(IsAcceptedAppNum("12 345", CAppNumPatterns({"x", "\\d+ \\d+"})));
    EXPECT_FALSE(IsAcceptedAppNum("12 345", CAppNumPatterns({"\\d+"})));
    EXPECT_TRUE(IsAcceptedAppNum("B12/345", CAppNumPatterns()));
}
