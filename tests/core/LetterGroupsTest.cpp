#include "core/LetterGroups.h"

#include <algorithm>
#include <gtest/gtest.h>

using Groups = std::vector<std::string>;

TEST(LetterGroups, TheCommonGroupsAreSortedAndHoldEveryBeginningOfTheirOwn) {
    const Groups& groups = CommonLetterGroups();
    EXPECT_EQ(groups.size(), 5362u);
    EXPECT_TRUE(std::is_sorted(groups.begin(), groups.end()));
    EXPECT_EQ(std::adjacent_find(groups.begin(), groups.end()), groups.end());
    for (const std::string& group : groups) {
        EXPECT_GE(group.size(), 2u);
        EXPECT_LE(group.size(), 8u);
        EXPECT_TRUE(IsCommonLetterGroup(group.substr(0, group.size() - 1))) << group;
    }
}

TEST(LetterGroups, APieceIsCommonWhenACommonGroupBeginsWithIt) {
    EXPECT_TRUE(IsCommonLetterGroup("(A"));
    EXPECT_TRUE(IsCommonLetterGroup("ING)"));
    EXPECT_TRUE(IsCommonLetterGroup("TION)"));
    EXPECT_FALSE(IsCommonLetterGroup("XQ"));
    EXPECT_FALSE(IsCommonLetterGroup("(AND)"));
    EXPECT_FALSE(IsCommonLetterGroup("(1"));
    // Past the last group.
    EXPECT_FALSE(IsCommonLetterGroup("ZZZZZZZZZ"));
}

TEST(LetterGroups, DistinctiveGroupsAreTheShortestUncommonPieces) {
    CDistinctiveGroups groups;
    EXPECT_EQ(groups.Find("acme"), 1u);
    EXPECT_EQ(groups.GetGroups(), (Groups{"CM"}));
    EXPECT_TRUE(groups.AnyOccursIn("(ACME)"));
    EXPECT_FALSE(groups.AnyOccursIn("(ACNE)"));

    // Digits never begin a common group; longer pieces holding a group are passed over.
    EXPECT_EQ(groups.Find("12"), 3u);
    EXPECT_EQ(groups.GetGroups(), (Groups{"(1", "12", "2)"}));

    EXPECT_EQ(groups.Find("xylophone"), 6u);
    EXPECT_EQ(groups.GetGroups(), (Groups{"XY", "YLO", "LOPH", "OPHO", "PHONE", "HONE)"}));
}

TEST(LetterGroups, AWordDistinctiveOnlyAsAWholeIsLookedForInsideOthers) {
    CDistinctiveGroups groups;
    EXPECT_EQ(groups.Find("outs"), 1u);
    EXPECT_EQ(groups.GetGroups(), (Groups{"OUTS"}));
    // Three letters or fewer keep the whole word.
    EXPECT_EQ(groups.Find("bed"), 1u);
    EXPECT_EQ(groups.GetGroups(), (Groups{"(BED)"}));
}

namespace {

// Every piece shorter than the word in brackets is taken as common.
bool CommonUnlessWhole(std::string_view piece) {
    return !(piece.starts_with('(') && piece.ends_with(')'));
}

} // namespace

TEST(LetterGroups, PiecesLongerThanAGroupMayHoldAreNotTaken) {
    CDistinctiveGroups groups(CommonUnlessWhole);
    EXPECT_EQ(groups.Find("abcdefghijklm"), 1u);
    EXPECT_EQ(groups.GetGroups(), (Groups{"ABCDEFGHIJKLM"}));
    EXPECT_EQ(groups.Find("abcdefghijklmn"), 0u);
    EXPECT_EQ(groups.Find("abcdefghijklmnop"), 0u);
    EXPECT_TRUE(groups.GetGroups().empty());
}
