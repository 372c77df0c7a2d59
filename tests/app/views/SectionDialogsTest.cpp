// The section dialogs' models: the names edited ten rows at a time, and the table of searches
// and marks per section with its TOTAL.

#include "ViewFixture.h"
#include "app/views/SectionDialogs.h"

namespace {

std::vector<std::string> Names(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("Name " + std::to_string(i));
    return names;
}

TEST(SectionNamesPager, TwentyFiveSectionsPageTenRowsUpToTheFifteenth) {
    CSectionNamesPager pager(Names(25));
    EXPECT_EQ(pager.GetRowsShown(), 10);
    EXPECT_EQ(pager.GetMaxFirst(), 15);
    EXPECT_TRUE(pager.Scroll(EScrollCode::PageDown, 0));
    EXPECT_EQ(pager.GetFirst(), 10);
    EXPECT_TRUE(pager.Scroll(EScrollCode::PageDown, 0));
    EXPECT_EQ(pager.GetFirst(), 15);
    EXPECT_FALSE(pager.Scroll(EScrollCode::LineDown, 0));
    EXPECT_EQ(pager.GetLabel(9), "25");
    pager.SetName(9, "Last");
    EXPECT_TRUE(pager.Scroll(EScrollCode::ThumbTrack, 3));
    EXPECT_EQ(pager.GetLabel(0), "4");
    EXPECT_EQ(pager.GetName(0), "Name 4");
    EXPECT_TRUE(pager.Scroll(EScrollCode::Top, 0));
    EXPECT_FALSE(pager.Scroll(EScrollCode::LineUp, 0));
    EXPECT_EQ(pager.GetNames()[24], "Last");
    EXPECT_EQ(pager.GetNames()[23], "Name 24");
}

TEST(SectionNamesPager, ThreeSectionsShowThreeRowsAndDoNotScroll) {
    CSectionNamesPager pager(Names(3));
    EXPECT_EQ(pager.GetRowsShown(), 3);
    EXPECT_EQ(pager.GetMaxFirst(), 0);
    for (int row = 0; row < CSectionNamesPager::kRows; ++row) {
        EXPECT_EQ(pager.IsRowEnabled(row), row < 3) << row;
        EXPECT_EQ(pager.GetLabel(row), row < 3 ? std::to_string(row + 1) : "") << row;
    }
    pager.SetName(5, "Nowhere");
    for (const EScrollCode code :
         {EScrollCode::LineDown, EScrollCode::PageDown, EScrollCode::Bottom})
        EXPECT_FALSE(pager.Scroll(code, 7));
    EXPECT_EQ(pager.GetNames(), Names(3));
}

class SectionInfoTest : public ViewFixture {};

TEST_F(SectionInfoTest, RowsCountSearchesAndMarksAndTheTotalTheWholeExamination) {
    doc.SetSectionCount(2);
    const int run = doc.AddSearch(MakeRunSearch(0, "u", 1, 2));
    doc.AddSearch(MakeSearch(0, "u"));
    doc.AddSearch(MakeSearch(1, "u"));
    AddMarks('u', {16, 32}, 0, run, 0);
    AddMarks('u', {48}, 1, 0, CMark::kPermanentKeep);
    const std::vector<CSectionInfoRow> rows = BuildSectionInfoRows(doc, user);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (CSectionInfoRow{"Section 1", 1, 1, 0, 2, 0}));
    EXPECT_EQ(rows[1], (CSectionInfoRow{"Section 2", 1, 0, 0, 1, 1}));
    EXPECT_EQ(rows[2], (CSectionInfoRow{"TOTAL", 2, 1, 0, 3, 1}));
}

TEST_F(SectionInfoTest, WithoutSectionsTheTotalStillCountsTheMarks) {
    AddMarks('u', {16, 32}, 0, 0, CMark::kPermanentKeep);
    doc.SetSectionCount(0);
    const std::vector<CSectionInfoRow> rows = BuildSectionInfoRows(doc, user);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (CSectionInfoRow{"TOTAL", 0, 0, 0, 2, 2}));
}

} // namespace
