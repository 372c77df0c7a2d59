#include "core/ClassList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The summary of a parsed class text, or "fails at N".
std::string Parsed(const std::string& text) {
    CClassList classes;
    std::size_t position = 0;
    if (!classes.SetFromText(text, &position))
        return "fails at " + std::to_string(position);
    return classes.GetSummaryText(true);
}

} // namespace

TEST(ClassList, AllTextLeavesTheListEmpty) {
    CClassList classes;
    classes.SetClass('4', 9, true);
    EXPECT_TRUE(classes.SetFromText(" all "));
    EXPECT_TRUE(classes.IsEmpty());
    EXPECT_EQ(Parsed("All 9"), "fails at 0");
}

TEST(ClassList, ClassesAndRanges) {
    EXPECT_EQ(Parsed("9 - 12"), "9-12");
    EXPECT_EQ(Parsed("9-12"), "9-12");
    EXPECT_EQ(Parsed("9 12,13"), "9,12,13");
    EXPECT_EQ(Parsed("301-303, 45"), "45,301-303");
    EXPECT_EQ(Parsed("A-B"), "A,B");
    EXPECT_EQ(Parsed("b"), "B");
    EXPECT_EQ(Parsed("US12, U13, S14, us1-us5"), "US1-US5,US12-US14");
    EXPECT_EQ(Parsed(",9,,"), "9");
    EXPECT_EQ(Parsed("\"9\",10"), "9,10");
    EXPECT_EQ(Parsed(""), "");
}

TEST(ClassList, InvalidTextsReportWhereTheyFail) {
    EXPECT_EQ(Parsed("12-9"), "fails at 3");
    EXPECT_EQ(Parsed("9-US12"), "fails at 2");
    EXPECT_EQ(Parsed("9-"), "fails at 2");
    EXPECT_EQ(Parsed("-9"), "fails at 0");
    EXPECT_EQ(Parsed("AB"), "fails at 0");
    EXPECT_EQ(Parsed("9, 46"), "fails at 2");
    EXPECT_EQ(Parsed("US109"), "fails at 0");
    EXPECT_EQ(Parsed("U"), "fails at 0");
    EXPECT_EQ(Parsed("99999999999999999999"), "fails at 0");

    CClassList classes;
    EXPECT_FALSE(classes.SetFromText("1, 2, 46"));
    EXPECT_EQ(classes.GetSummaryText(true), "1,2"); // what was read before the error stays
}

TEST(ClassList, SummaryOfEveryClassIsAll) {
    CClassList classes;
    classes.SetAll(true);
    EXPECT_TRUE(classes.IsAll());
    EXPECT_EQ(classes.GetSummaryText(true), "All");
    classes.SetClass('4', 1, false);
    EXPECT_EQ(classes.GetSummaryText(true), "2-45,301-350,A,B,US1-US108");
    classes.Clear();
    classes.SetClass('4', 1, true);
    classes.SetClass('4', 2, true);
    classes.SetClass('4', 3, true);
    EXPECT_EQ(classes.GetSummaryText(false), "1,2,3");
}

TEST(ClassList, FlagsOutsideAFamilyAreNeitherReadNorWritten) {
    CClassList classes;
    classes.SetClass('4', 46, true);
    classes.SetClass('3', 300, true);
    classes.SetClass('U', 0, true);
    classes.SetClass('X', 1, true);
    EXPECT_TRUE(classes.IsEmpty());
    EXPECT_FALSE(classes.HasClass('4', 46));
    classes.SetClass('3', 350, true);
    EXPECT_TRUE(classes.HasClass('3', 350));
    EXPECT_FALSE(classes.HasClass('4', 350));
}

TEST(ClassList, ItemsPerFamily) {
    CClassList classes;
    ASSERT_TRUE(classes.SetFromText("US2, B, 301, 9"));
    std::vector<std::string> items;
    classes.GetText(items);
    EXPECT_EQ(items, (std::vector<std::string>{"9", "301", "B", "US2"}));
    classes.GetClassItems(items, "U4");
    EXPECT_EQ(items, (std::vector<std::string>{"9", "US2"}));
}

TEST(ClassList, CompareAndMerge) {
    CClassList small;
    CClassList large;
    small.SetFromText("9");
    large.SetFromText("9, 10");
    EXPECT_EQ(small.Compare(small), 1);
    EXPECT_EQ(large.Compare(small), 2);
    EXPECT_EQ(small.Compare(large), 3);
    CClassList other;
    other.SetFromText("11");
    EXPECT_EQ(other.Compare(small), 0);
    other.Merge(large);
    EXPECT_EQ(other.GetSummaryText(true), "9-11");
}
