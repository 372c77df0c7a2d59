#include "core/Filter.h"

#include <gtest/gtest.h>

namespace {

CMark Flagged(std::uint32_t flags, int section = 1, int searchId = 4) {
    return CMark(100, 'u', section, searchId, 0, flags);
}

} // namespace

TEST(Filter, SectionCountsOnlyPermanentKeepUnlessUnkeptIncluded) {
    const CFilter filter = MakeSectionFilter(1, false);
    EXPECT_TRUE(filter.MatchMark(Flagged(CMark::kPermanentKeep)));
    EXPECT_FALSE(filter.MatchMark(Flagged(CMark::kKept)));
    EXPECT_FALSE(filter.MatchMark(Flagged(CMark::kPermanentKeep | CMark::kDuplicate)));
    EXPECT_FALSE(filter.MatchMark(Flagged(CMark::kPermanentKeep, 2)));
    EXPECT_TRUE(MakeSectionFilter(1, true).MatchMark(Flagged(0)));
}

TEST(Filter, RegisterTakesEitherKeep) {
    const CFilter filter = MakeRegisterFilter('u', false);
    EXPECT_TRUE(filter.MatchMark(Flagged(CMark::kPermanentKeep)));
    EXPECT_TRUE(filter.MatchMark(Flagged(CMark::kKept | CMark::kDuplicate)));
    EXPECT_FALSE(filter.MatchMark(Flagged(0)));
    EXPECT_FALSE(MakeRegisterFilter('c', true).MatchMark(Flagged(CMark::kKept)));
    EXPECT_TRUE(MakeRegisterFilter('u', true).MatchMark(Flagged(0)));
}

TEST(Filter, MarksOfNoSearchIgnoreKeepAndDuplicates) {
    const CFilter noSearch = MakeSearchMarksFilter(0, false);
    EXPECT_TRUE(noSearch.MatchMark(Flagged(0, 1, 0)));
    EXPECT_TRUE(noSearch.MatchMark(Flagged(CMark::kDuplicate, 1, 0)));
    EXPECT_FALSE(noSearch.MatchMark(Flagged(CMark::kPermanentKeep, 1, 3)));

    const CFilter ofSearch = MakeSearchMarksFilter(4, false);
    EXPECT_TRUE(ofSearch.MatchMark(Flagged(CMark::kPermanentKeep)));
    EXPECT_FALSE(ofSearch.MatchMark(Flagged(CMark::kKept)));
    EXPECT_FALSE(ofSearch.MatchMark(Flagged(CMark::kPermanentKeep | CMark::kDuplicate)));
    EXPECT_TRUE(MakeSearchMarksFilter(4, true).MatchMark(Flagged(0)));
}

TEST(Filter, KeptFilterAndItsSwitches) {
    const CFilter kept = MakeKeptFilter(false, false);
    EXPECT_TRUE(kept.MatchMark(Flagged(CMark::kKept | CMark::kDuplicate)));
    EXPECT_TRUE(kept.MatchMark(Flagged(CMark::kPermanentKeep)));
    EXPECT_FALSE(kept.MatchMark(Flagged(CMark::kLong)));

    const CFilter heads = MakeKeptFilter(false, true);
    EXPECT_TRUE(heads.MatchMark(Flagged(CMark::kKept)));
    EXPECT_FALSE(heads.MatchMark(Flagged(CMark::kKept | CMark::kDuplicate)));
    EXPECT_TRUE(MakeKeptFilter(true, false).MatchMark(Flagged(CMark::kDuplicate)));
}

TEST(Filter, KeptOfSearchIgnoresIncludeUnkept) {
    CFilter filter = MakeKeptOfSearchFilter(4);
    filter.SetSwitches(true, false);
    EXPECT_TRUE(filter.MatchMark(Flagged(CMark::kKept)));
    EXPECT_FALSE(filter.MatchMark(Flagged(0)));
    EXPECT_FALSE(filter.MatchMark(Flagged(CMark::kKept | CMark::kDuplicate)));
    EXPECT_FALSE(filter.MatchMark(Flagged(CMark::kKept, 1, 5)));
}

TEST(Filter, CriteriaCombineAndSearchIdAloneTestsNothingOnTheMark) {
    CFilter filter = MakeSectionFilter(1, true);
    filter.SetRecord(100);
    EXPECT_TRUE(filter.MatchMark(Flagged(0)));
    filter.SetRecord(101);
    EXPECT_FALSE(filter.MatchMark(Flagged(0)));

    const CFilter searchOnly = MakeSearchIdFilter(9, true, false);
    EXPECT_TRUE(searchOnly.HasSearchId());
    EXPECT_TRUE(searchOnly.MatchMark(Flagged(CMark::kDuplicate, 1, 4)));
    EXPECT_TRUE(MakeNotRunFilter(-1).MatchMark(Flagged(0)));
}
