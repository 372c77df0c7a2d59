#include "core/Mark.h"

#include "TestServices.h"
#include "core/MarkOrder.h"
#include "core/UserOptions.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Mark, ToggleKeepLeavesPermanentMarksAlone) {
    CMark permanent(1, 'u', 0, 1, 0, CMark::kPermanentKeep | CMark::kLong);
    permanent.ToggleKeep();
    EXPECT_EQ(permanent.GetFlags(), CMark::kPermanentKeep | CMark::kLong);

    CMark plain(1, 'u', 0, 1, 0, CMark::kDuplicate | 0x20);
    plain.ToggleKeep();
    EXPECT_EQ(plain.GetFlags(), CMark::kDuplicate | 0x20 | CMark::kKept);
    plain.ToggleKeep();
    EXPECT_EQ(plain.GetFlags(), CMark::kDuplicate | 0x20u);

    plain.ToggleLong();
    EXPECT_TRUE(plain.HasFlag(CMark::kLong));
    plain.ToggleLong();
    EXPECT_FALSE(plain.HasFlag(CMark::kLong));
}

TEST(MarkOrder, SortOrderOneRearrangesTheHighWord) {
    EXPECT_EQ(ApplySortOrder(0x12345678'9abcdef0ull, 1), 0x78120000'9abcdef0ull);
    EXPECT_EQ(ApplySortOrder(0xffffffff'00000001ull, 1), 0xffffc000'00000001ull);
    for (int other : {0, 2, -1})
        EXPECT_EQ(ApplySortOrder(0x12345678'9abcdef0ull, other), 0x12345678'9abcdef0ull);
}

TEST(MarkOrder, KeyComesFromTheRegisterAndTheSetting) {
    CTestServices services;
    const CMark mark(0x10, 'u', 0, 0);
    EXPECT_EQ(mark.GetSortKey(), (std::uint64_t{'u'} << 32) | 0x8);
    TheUserOptions().SetSortOrder(1);
    EXPECT_EQ(mark.GetSortKey(), (std::uint64_t{'u'} << 56) | 0x8);
}

TEST(MarkOrder, HeadBeforeDuplicatesThenSearchId) {
    CTestServices services;
    const CMark head(8, 'u', 1, 9);
    const CMark duplicate(8, 'u', 1, 2, 0, CMark::kDuplicate);
    EXPECT_TRUE(head < duplicate);
    EXPECT_FALSE(duplicate < head);

    const CMark lowerSearch(8, 'u', 1, 3);
    EXPECT_TRUE(lowerSearch < head);
    EXPECT_FALSE(head < lowerSearch);

    // Application number and flags other than the duplicate flag play no part.
    const CMark same(8, 'u', 1, 9, 77, CMark::kKept);
    EXPECT_FALSE(same < head);
    EXPECT_FALSE(head < same);
}

TEST(MarkOrder, KeyThenSection) {
    CTestServices services;
    EXPECT_TRUE(CMark(8, 'u', 5, 1) < CMark(10, 'u', 0, 1));
    EXPECT_TRUE(CMark(8, 'u', 0, 9) < CMark(8, 'u', 1, 1));
    EXPECT_TRUE(CMark(8, 'u', -1, 9) < CMark(8, 'u', 0, 1));
    EXPECT_TRUE(CMark(9999, 'c', 0, 1) < CMark(0, 'u', 0, 1));
}

TEST(MarkOrder, RecordsSharingAKeyStayApart) {
    CTestServices services;
    // Records 8 and 9 share a key; each record's marks must stay together whatever the
    // sections and search ids.
    std::vector<CMark> marks = {CMark(9, 'u', 0, 1), CMark(8, 'u', 1, 1), CMark(9, 'u', 1, 2),
                                CMark(8, 'u', 0, 3)};
    SortInMarkOrder(marks);
    EXPECT_EQ(marks[0].GetRecordNumber(), marks[1].GetRecordNumber());
    EXPECT_EQ(marks[2].GetRecordNumber(), marks[3].GetRecordNumber());
    EXPECT_TRUE(marks[0].GetSection() < marks[1].GetSection());
}

TEST(MarkOrder, SortingIsDeterministicForMarksEqualInTheOrder) {
    CTestServices services;
    std::vector<CMark> marks = {CMark(8, 'u', 0, 1, 3), CMark(2, 'u', 0, 1),
                                CMark(8, 'u', 0, 1, 1, CMark::kKept), CMark(8, 'u', 0, 1, 1)};
    SortInMarkOrder(marks);
    EXPECT_EQ(marks[0].GetRecordNumber(), 2u);
    EXPECT_EQ(marks[1].GetFlags(), 0u);
    EXPECT_EQ(marks[2].GetFlags(), CMark::kKept);
    EXPECT_EQ(marks[3].GetAppNumber(), 3);
}
