// Merging a watch run's ids into those of the runs before.

#include "engines/SearchResults.h"

#include <gtest/gtest.h>

namespace {

using Ids = std::vector<std::uint32_t>;

Ids Held(const CSearchResults& results) {
    return Ids(results.GetIds().begin(), results.GetIds().end());
}

void Merge(CSearchResults& results, std::size_t announced, const std::vector<Ids>& chunks) {
    results.BeginMerge(announced);
    for (const Ids& chunk : chunks)
        results.MergeAdd(chunk);
    results.EndMerge();
}

TEST(SearchResults, NewIdsJoinThePreviousOnesInOrderAndOnce) {
    CSearchResults results('u');
    Merge(results, 3, {{2, 5, 9}});
    EXPECT_EQ(Held(results), (Ids{2, 5, 9}));
    Merge(results, 3, {{1, 5, 7}});
    EXPECT_EQ(Held(results), (Ids{1, 2, 5, 7, 9}));
    // Chunk by chunk, with ids beyond the last previous one.
    Merge(results, 5, {{0, 2}, {3}, {9, 10, 11}});
    EXPECT_EQ(Held(results), (Ids{0, 1, 2, 3, 5, 7, 9, 10, 11}));
    EXPECT_EQ(results.GetDbCode(), 'u');
}

TEST(SearchResults, AFirstRunIsTakenAsItComes) {
    CSearchResults results('c');
    Merge(results, 4, {{7, 3}, {3}});
    EXPECT_EQ(Held(results), (Ids{7, 3, 3}));
    results.Reset();
    EXPECT_TRUE(results.GetIds().empty());
    Merge(results, 0, {});
    EXPECT_TRUE(results.GetIds().empty());
}

TEST(SearchResults, MoreIdsThanAnnouncedAreHeldAllTheSame) {
    CSearchResults results('d');
    Merge(results, 2, {{1, 2}});
    Ids many(5000);
    for (std::uint32_t i = 0; i < many.size(); ++i)
        many[i] = 3 + i;
    Merge(results, 1, {many});
    EXPECT_EQ(results.GetIds().size(), 5002u);
    EXPECT_EQ(results.GetIds().back(), 5002u);
}

} // namespace
