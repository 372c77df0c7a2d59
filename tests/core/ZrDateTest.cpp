#include "core/ZrDate.h"

#include <gtest/gtest.h>

namespace {

CZrDate Parsed(const char* text) {
    CZrDate date;
    EXPECT_TRUE(date.Parse(text)) << text;
    return date;
}

} // namespace

TEST(ZrDate, DayFirstTextForms) {
    for (const char* text :
         {"5 jan 2004", "05-01-2004", "5.1.2004", "5/JANUARY/2004", "  5 Jan 2004  ", "5 Janvier 2004"})
        EXPECT_EQ(Parsed(text).GetKey(), 5u + (1u << 8) + (2004u << 16)) << text;
}

TEST(ZrDate, DayFirstRejectsAndLeavesTheDateAlone) {
    CZrDate date(5u + (6u << 8) + (1999u << 16));
    for (const char* text : {"5 Jan 04", "0 Jan 2004", "32 Jan 2004", "5 Ja 2004", "5 13 2004",
                             "", "Jan 2004", "5 Jan 2004x", "5 Ja"})
        EXPECT_FALSE(date.Parse(text)) << text;
    EXPECT_EQ(date.FormatIso(), "1999-06-05");
}

TEST(ZrDate, PositionOutputAllowsTrailingText) {
    CZrDate date;
    int position = -1;
    EXPECT_TRUE(date.Parse("5 Jan 2004x", &position));
    EXPECT_EQ(position, 10);
    EXPECT_EQ(date.Format(), "5 Jan 2004");
}

TEST(ZrDate, YearFirst) {
    CZrDate date;
    EXPECT_TRUE(date.ParseYmd("2004-1-5"));
    EXPECT_EQ(date.GetYmd(), 20040105u);
    EXPECT_TRUE(date.ParseYmd("2004/01/05 and more"));
    EXPECT_EQ(date.GetYmd(), 20040105u);
    EXPECT_FALSE(date.ParseYmd("04-01-05"));
    EXPECT_FALSE(date.ParseYmd("2004-13-05"));
    EXPECT_FALSE(date.ParseYmd("2004-01"));
}

TEST(ZrDate, FormsOfEmptyAndRealDates) {
    CZrDate empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.Format(), "Unknown");
    EXPECT_EQ(empty.FormatIso(), "YYYY-MM-DD");

    CZrDate date("5 Jan 2004");
    EXPECT_EQ(date.Format(), "5 Jan 2004");
    EXPECT_EQ(date.FormatIso(), "2004-01-05");
    EXPECT_EQ(date.GetYmd(), 20040105u);
    EXPECT_EQ(CZrDate(date.GetKey()), date);

    // A month outside the table shows as "???": packed keys come from files.
    EXPECT_EQ(CZrDate(5u + (13u << 8) + (2004u << 16)).Format(), "5 ??? 2004");
}

TEST(ZrDate, OrderIsYearMonthDay) {
    EXPECT_LT(CZrDate("31 Dec 2003"), CZrDate("1 Jan 2004"));
    EXPECT_LT(CZrDate("1 Feb 2004"), CZrDate("2 Feb 2004"));
    EXPECT_NE(CZrDate("1 Feb 2004"), CZrDate("2 Feb 2004"));
    EXPECT_LT(CZrDate(), CZrDate("1 Jan 2004"));
}

TEST(ZrDate, SetTimeTakesTheLocalDate) {
    std::tm noon{};
    noon.tm_year = 2004 - 1900;
    noon.tm_mon = 0;
    noon.tm_mday = 5;
    noon.tm_hour = 12;
    CZrDate date;
    ASSERT_TRUE(date.SetTime(std::mktime(&noon)));
    EXPECT_EQ(date.FormatIso(), "2004-01-05");
}
