#include "core/MarkList.h"

#include "TestServices.h"
#include "core/UserOptions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kDup = CMark::kDuplicate;

// Record, section, search id and flags of every mark, for compact comparisons.
std::string Describe(const CMarkList& list) {
    std::string text;
    for (int i = 0; i < list.GetCount(); ++i) {
        const CMark& m = list.GetAt(i);
        text += std::to_string(m.GetRecordNumber()) + "/" + std::to_string(m.GetSection()) + "/" +
                std::to_string(m.GetSearchId()) + "/" + std::to_string(m.GetFlags()) + " ";
    }
    return text;
}

class MarkListTest : public ::testing::Test {
protected:
    CTestServices services;
    CMarkList list;
};

} // namespace

TEST_F(MarkListTest, MergeSortsNewHitsAndCountsNewGroups) {
    const std::vector<std::uint32_t> ids = {40, 10, 30, 10};
    EXPECT_EQ(list.AddRecords(ids, 'u', 0, 1, true, true), 3);
    // The second 10 joins the first as a duplicate; keep and long only on group heads.
    EXPECT_EQ(Describe(list), "10/0/1/18 10/0/1/4 30/0/1/18 40/0/1/18 ");
}

TEST_F(MarkListTest, MergingIntoAnExistingGroup) {
    list.AddMark(10, 'u', 0, 5, 0, CMark::kKept);
    list.AddMark(10, 'u', 0, 7, 0, 0);
    ASSERT_EQ(Describe(list), "10/0/5/16 10/0/7/4 ");

    // Lands behind the head and before duplicates of higher search ids; keep/long not applied.
    const std::vector<std::uint32_t> ids = {10};
    EXPECT_EQ(list.AddRecords(ids, 'u', 0, 3, true, true), 0);
    EXPECT_EQ(Describe(list), "10/0/5/16 10/0/3/4 10/0/7/4 ");
}

TEST_F(MarkListTest, SameRecordInAnotherSectionIsNewButTakesNoKeep) {
    list.AddMark(10, 'u', 0, 5, 0, 0);
    const std::vector<std::uint32_t> ids = {10};
    EXPECT_EQ(list.AddRecords(ids, 'u', 1, 6, true, true), 1);
    EXPECT_EQ(Describe(list), "10/0/5/0 10/1/6/0 ");
    // Another register's record of that number is another record.
    EXPECT_EQ(list.AddRecords(ids, 'c', 1, 6, true, false), 1);
    EXPECT_EQ(list.GetAt(0).GetRegisterCode(), 'c');
    EXPECT_EQ(list.GetAt(0).GetFlags(), CMark::kKept);
}

TEST_F(MarkListTest, SeveralRegistersHitsMergeAsIfAddedOneAfterAnother) {
    list.AddMark(30, 'c', 0, 2, 0, CMark::kKept);
    CMarkList oneByOne = list;
    const std::vector<std::uint32_t> uk = {40, 10, 10}, eu = {30, 20};
    const CRecordSet sets[] = {{'u', uk}, {'c', eu}};
    EXPECT_EQ(list.AddRecordSets(sets, 0, 3, true, false), 3);
    EXPECT_EQ(oneByOne.AddRecords(uk, 'u', 0, 3, true, false) +
                  oneByOne.AddRecords(eu, 'c', 0, 3, true, false),
              3);
    EXPECT_EQ(Describe(list), Describe(oneByOne));
}

TEST_F(MarkListTest, PermanentKeepOfADuplicateMovesToItsHead) {
    list.AddMark(10, 'u', 0, 5, 0, CMark::kKept);
    list.AddMark(10, 'u', 0, 6, 0, CMark::kPermanentKeep);
    EXPECT_EQ(list.GetAt(0).GetFlags(), CMark::kPermanentKeep);
    EXPECT_EQ(list.GetAt(1).GetFlags(), CMark::kPermanentKeep | kDup);

    list.AddMark(20, 'u', 0, 5, 0, CMark::kPermanentKeep | CMark::kKept);
    list.AddMark(20, 'u', 0, 6, 0, CMark::kPermanentKeep);
    EXPECT_EQ(list.GetAt(2).GetFlags(), CMark::kPermanentKeep | CMark::kKept);
}

TEST_F(MarkListTest, StrayDuplicateFlagsOnNewMarksAreRedone) {
    const std::vector<CMark> marks = {CMark(30, 'u', 0, 2, 0, kDup), CMark(30, 'u', 0, 9)};
    EXPECT_EQ(list.MergeMarks(marks), 1);
    EXPECT_EQ(Describe(list), "30/0/9/0 30/0/2/4 ");
}

TEST_F(MarkListTest, NewDuplicatesTakeTheirPlaceBySearch) {
    list.AddMark(30, 'u', 0, 5, 0, 0);
    list.AddMark(30, 'u', 0, 8, 0, 0);
    const std::vector<CMark> marks = {CMark(30, 'u', 0, 9), CMark(30, 'u', 0, 3, 0, kDup)};
    EXPECT_EQ(list.MergeMarks(marks), 0);
    EXPECT_EQ(Describe(list), "30/0/5/0 30/0/3/4 30/0/8/4 30/0/9/4 ");
}

TEST_F(MarkListTest, AddMarksSetsSectionAndSearch) {
    const std::vector<CMark> marks = {CMark(30, 'u', 7, 7), CMark(20, 'u', 8, 8, 5)};
    EXPECT_EQ(list.AddMarks(marks, 2, 3), 2);
    EXPECT_EQ(Describe(list), "20/2/3/0 30/2/3/0 ");
    EXPECT_EQ(list.GetAt(0).GetAppNumber(), 5);

    CMarkList other;
    other.AddMark(25, 'u', 2, 3, 0, 0);
    other.AddMark(20, 'u', 2, 4, 0, 0);
    EXPECT_EQ(list.MergeList(other), 1);
    EXPECT_EQ(Describe(list), "20/2/3/0 20/2/4/4 25/2/3/0 30/2/3/0 ");
}

TEST_F(MarkListTest, RemoveSearchPromotesADuplicateOfAnotherSearch) {
    list.AddMark(10, 'u', 0, 1, 0, CMark::kLong);
    list.AddMark(10, 'u', 0, 2, 0, CMark::kKept);
    list.RemoveSearch(1);
    // Head's long flag taken over; its own keep dropped; search id kept.
    EXPECT_EQ(Describe(list), "10/0/2/2 ");
}

TEST_F(MarkListTest, RemoveSearchPromotesPastSeveralDroppedMarks) {
    list.AddMark(10, 'u', 0, 1, 0, 0);
    list.AddMark(10, 'u', 0, 1, 0, 0);
    list.AddMark(10, 'u', 0, 2, 0, 0);
    list.AddMark(10, 'u', 0, 3, 0, 0);
    ASSERT_EQ(Describe(list), "10/0/1/0 10/0/1/4 10/0/2/4 10/0/3/4 ");
    list.RemoveSearch(1);
    EXPECT_EQ(Describe(list), "10/0/2/0 10/0/3/4 ");
}

TEST_F(MarkListTest, RemoveSearchKeepsKeptHeadsWithoutSearch) {
    list.AddMark(10, 'u', 0, 1, 0, CMark::kKept);
    list.AddMark(10, 'u', 0, 1, 0, CMark::kKept);
    list.AddMark(20, 'u', 0, 1, 0, 0);
    list.AddMark(30, 'u', 0, 2, 0, 0);
    list.RemoveSearch(1);
    // Kept in its open results (0x10), the head is now kept in its section's list (0x1).
    EXPECT_EQ(Describe(list), "10/0/0/1 30/0/2/0 ");

    // Nothing dropped, yet the kept head must still leave the removed search.
    list.RemoveSearches({0, 5});
    EXPECT_EQ(Describe(list), "10/0/0/1 30/0/2/0 ");
    CMarkList onlyKept;
    onlyKept.AddMark(40, 'u', 0, 6, 0, CMark::kPermanentKeep);
    onlyKept.RemoveSearches({6, 7});
    EXPECT_EQ(Describe(onlyKept), "40/0/0/1 ");
}

TEST_F(MarkListTest, UpdateMarkAtNeedsTheSameMark) {
    list.AddMark(10, 'c', 0, 1, 0, 0);
    list.AddMark(10, 'u', 0, 1, 0, 0);
    // Same record number, other register: not the mark to update.
    CMark viewed(10, 'u', 0, 1, 55, 0x20 | CMark::kKept);
    EXPECT_FALSE(list.UpdateMarkAt(viewed, 0));
    EXPECT_FALSE(list.UpdateMarkAt(viewed, 2));
    EXPECT_FALSE(list.UpdateMarkAt(viewed, -1));
    EXPECT_TRUE(list.UpdateMarkAt(viewed, 1));
    EXPECT_EQ(list.GetAt(1).GetFlags(), 0x20u);
    EXPECT_EQ(list.GetAt(1).GetAppNumber(), 55);
    viewed.SetAppNumber(0);
    EXPECT_TRUE(list.UpdateMarkAt(viewed, 1));
    EXPECT_EQ(list.GetAt(1).GetAppNumber(), 55);
    viewed.SetSection(1);
    EXPECT_FALSE(list.UpdateMarkAt(viewed, 1));
    viewed.SetSection(0);
    viewed.SetSearchId(2);
    EXPECT_FALSE(list.UpdateMarkAt(viewed, 1));
}

TEST_F(MarkListTest, SetAtAndGroupHeads) {
    EXPECT_FALSE(list.SetAt(CMark(), 0));
    list.AddMark(10, 'u', 0, 1, 0, 0);
    list.AddMark(10, 'u', 0, 2, 0, 0);
    EXPECT_EQ(list.GetGroupHead(1), 0);
    EXPECT_TRUE(list.SetAt(CMark(10, 'u', 0, 1, 0, kDup), 0));
    EXPECT_EQ(list.GetGroupHead(1), 0);
    EXPECT_THROW(list.GetGroupHead(2), const char*);
    list.SetGroupFlags();
    EXPECT_EQ(list.GetAt(0).GetFlags(), 0u);
    EXPECT_EQ(list.GetAt(1).GetFlags(), kDup);
}

TEST_F(MarkListTest, FilteredAccessGoesToGroupHeads) {
    list.AddMark(10, 'u', 0, 1, 0, 0);
    list.AddMark(10, 'u', 0, 2, 0, 0);
    list.AddMark(20, 'u', 0, 2, 0, 0);
    const CFilter ofSearch2 = MakeSearchIdFilter(2, false, true);
    EXPECT_EQ(list.CountFiltered(ofSearch2), 2);
    TVmRec<int> indexes;
    EXPECT_EQ(list.GetFilteredIndexes(ofSearch2, indexes), 2);
    EXPECT_EQ(indexes.GetAt(0), 0);
    EXPECT_EQ(indexes.GetAt(1), 2);
    EXPECT_EQ(list.FindFilteredIndex(ofSearch2, 0), 0);
    EXPECT_EQ(list.FindFilteredIndex(ofSearch2, 2), -1);

    CMark mark;
    EXPECT_TRUE(list.GetFilteredAt(ofSearch2, 1, mark));
    EXPECT_EQ(mark.GetRecordNumber(), 20u);
    mark.ToggleKeep();
    EXPECT_TRUE(list.SetFilteredAt(ofSearch2, 1, mark));
    EXPECT_TRUE(list.GetAt(2).IsKept());
    EXPECT_FALSE(list.SetFilteredAt(ofSearch2, 5, mark));
    EXPECT_EQ(list.FindFilteredPosition(ofSearch2, CMark(20, 'u', 0, 9)), 1);
    EXPECT_EQ(list.FindFilteredPosition(ofSearch2, CMark(20, 'u', 1, 9)), -1);

    // Skip duplicates leaves out repeats of the mark before, kept or not.
    EXPECT_EQ(list.CountFiltered(MakeSearchIdFilter(2, true, true)), 1);
    // Without include unkept only the kept marks of the search pass.
    EXPECT_EQ(list.CountFiltered(MakeSearchIdFilter(2, false, false)), 1);
}

TEST_F(MarkListTest, HasFilteredCountsUpToN) {
    const CFilter all = MakeKeptFilter(true, false);
    EXPECT_FALSE(list.HasFiltered(all, 0));
    list.AddMark(10, 'u', 0, 1, 0, 0);
    list.AddMark(20, 'u', 0, 1, 0, 0);
    EXPECT_TRUE(list.HasFiltered(all, 0));
    EXPECT_TRUE(list.HasFiltered(all, 2));
    EXPECT_FALSE(list.HasFiltered(all, 3));
    EXPECT_FALSE(list.HasFiltered(MakeKeptFilter(false, false), 0));
}

TEST_F(MarkListTest, KeepFilteredRedoesGroups) {
    list.AddMark(10, 'u', 0, 1, 0, 0);
    list.AddMark(10, 'u', 0, 2, 0, CMark::kKept);
    list.AddMark(20, 'u', 0, 2, 0, 0);
    list.KeepFiltered(MakeSearchIdFilter(1, false, true), false);
    EXPECT_EQ(Describe(list), "10/0/2/16 20/0/2/0 ");
    list.KeepFiltered(MakeKeptFilter(false, false), true);
    EXPECT_EQ(Describe(list), "10/0/2/16 ");
}

TEST_F(MarkListTest, SortRestoresOrderButNotGroups) {
    list.AddMark(20, 'u', 0, 1, 0, 0);
    list.AddMark(10, 'u', 0, 1, 0, 0);
    list.SetAt(CMark(30, 'u', 0, 1, 0, kDup), 0);
    list.Sort();
    EXPECT_EQ(Describe(list), "20/0/1/0 30/0/1/4 ");
}

TEST_F(MarkListTest, SectionCountsAndNewSection) {
    EXPECT_EQ(list.NewSection(), 1);
    list.AddMark(10, 'u', 2, 1, 0, CMark::kPermanentKeep);
    list.AddMark(10, 'u', 3, 1, 0, CMark::kKept);
    list.AddMark(10, 'u', 3, 2, 0, CMark::kPermanentKeep);
    list.AddMark(11, 'u', -4, 2, 0, CMark::kPermanentKeep);
    EXPECT_EQ(list.NewSection(), 4);

    int inSection = 0, keptInSection = 0, all = 0, keptAll = 0;
    EXPECT_EQ(list.GetSectionCounts(3, inSection, keptInSection, all, keptAll), 4);
    // The duplicate's permanent keep went to its head; the duplicate itself does not count.
    EXPECT_EQ(inSection, 2);
    EXPECT_EQ(keptInSection, 1);
    EXPECT_EQ(keptAll, 3);

    TheUserOptions().SetHideDuplicates(true);
    EXPECT_EQ(list.GetSectionCounts(3, inSection, keptInSection, all, keptAll), 2);
    EXPECT_EQ(inSection, 0);
    EXPECT_TRUE(list.IsRepeatOfPrevious(2));
    EXPECT_FALSE(list.IsRepeatOfPrevious(0));
}

TEST_F(MarkListTest, NavigationOverMarksOfNoSearch) {
    EXPECT_EQ(list.GetFirstSection(), -1);
    EXPECT_EQ(list.GetSectionPosition(1), -1);
    for (int section : {1, 2, 3})
        list.AddMark(10 * section, 'u', section, 0, 0, CMark::kPermanentKeep);
    list.AddMark(25, 'u', 9, 4, 0, 0);
    EXPECT_EQ(list.GetFirstSection(), 1);
    EXPECT_EQ(list.GetNextSection(1), 2);
    EXPECT_EQ(list.GetNextSection(3), -1);
    EXPECT_EQ(list.GetNextSection(9), -1);
    EXPECT_EQ(list.GetPreviousSection(3), 2);
    EXPECT_EQ(list.GetPreviousSection(1), -1);
    int position = 0, count = 0;
    EXPECT_EQ(list.GetSectionPosition(3, &position, &count), 3);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(list.GetSectionPosition(9, &position, nullptr), -1);
    EXPECT_EQ(position, -1);
}
