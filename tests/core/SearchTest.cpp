#include "TestServices.h"
#include "core/CriteriaWording.h"
#include "core/SearchList.h"
#include "core/UserOptions.h"

#include <gtest/gtest.h>

namespace {

class CPlainWording : public CCriteriaWording {
public:
    std::string DbCodesToNames(const std::string& codes) const override { return codes; }
    std::string StatusCodesToText(const std::string& letters, bool) const override {
        return letters;
    }
    std::string AppNumRangeToText(const CZrAppNum&, const CZrAppNum&) const override { return {}; }
    std::string DateRangeToText(const CZrDate&, const CZrDate&) const override { return {}; }
};

CSearch SearchOf(const std::string& databases, int section = 0, int searchId = 0) {
    CSearch search(section, searchId);
    search.GetCriteria().SetDbIds(databases);
    return search;
}

class SearchTest : public ::testing::Test {
protected:
    SearchTest() { services.activeSearchList = &examination; }

    CTestServices services;
    CSearchList examination;
};

} // namespace

TEST_F(SearchTest, FirstRunTakesTheExaminationsRunOrder) {
    examination.NewOrder();
    CSearch search = SearchOf("uc");
    ASSERT_TRUE(search.AddResults(5, 3, "uc"));
    EXPECT_EQ(search.GetOrder(), 2);
    EXPECT_EQ(examination.NewOrder(), 3);
    EXPECT_EQ(search.GetFlags(), CSearch::kHasRun);
    EXPECT_EQ(search.GetFound(), 5);
    EXPECT_EQ(search.GetMarkCount(), 3);
    EXPECT_EQ(search.GetRunDatabases(), "uc");
    EXPECT_FALSE(search.IsCompleted());

    // Later runs add up and leave the run order alone.
    ASSERT_TRUE(search.AddResults(1, 1, "d"));
    EXPECT_EQ(search.GetOrder(), 2);
    EXPECT_EQ(search.GetFound(), 6);
    EXPECT_EQ(search.GetRunDatabases(), "ucd");
    EXPECT_EQ(search.GetDatabases(), "ucd");
}

TEST_F(SearchTest, NothingFoundFollowsTheHideDuplicatesSetting) {
    TheUserOptions().SetHideDuplicates(true);
    CSearch hidden = SearchOf("u");
    hidden.AddResults(4, 0, "u");
    EXPECT_TRUE(hidden.GetFlags() & CSearch::kNothingFound);
    // A run that delivers nothing leaves the flag; one that delivers marks clears it.
    hidden.AddResults(0, 0, "u");
    EXPECT_TRUE(hidden.GetFlags() & CSearch::kNothingFound);
    hidden.AddResults(2, 1, "u");
    EXPECT_FALSE(hidden.GetFlags() & CSearch::kNothingFound);

    TheUserOptions().SetHideDuplicates(false);
    CSearch shown = SearchOf("u");
    shown.AddResults(4, 0, "u");
    EXPECT_FALSE(shown.GetFlags() & CSearch::kNothingFound);
    CSearch empty = SearchOf("u");
    empty.AddResults(0, 0, "u");
    EXPECT_TRUE(empty.GetFlags() & CSearch::kNothingFound);
    EXPECT_TRUE(empty.IsCompleted());
}

TEST_F(SearchTest, AFailedDatabaseStaysInTheCriteria) {
    CSearch search = SearchOf("ucd");
    search.AddResults(3, 3, "ud");
    EXPECT_EQ(search.GetDatabases(), "ucd");
    EXPECT_EQ(search.GetRunDatabases(), "ud");
    search.AddResults(1, 1, "u");
    EXPECT_EQ(search.GetDatabases(), "ucd");
}

TEST_F(SearchTest, WithoutAnExaminationAFirstRunRecordsNothing) {
    services.activeSearchList = nullptr;
    CSearch search = SearchOf("u");
    EXPECT_FALSE(search.AddResults(3, 3, "u"));
    EXPECT_FALSE(search.HasRun());
    EXPECT_EQ(search.GetFound(), 0);

    InstallActiveExamination(nullptr);
    EXPECT_FALSE(search.AddResults(3, 3, "u"));
}

TEST_F(SearchTest, ResetKeepsCriteriaAndOtherFlags) {
    CSearch search = SearchOf("u");
    search.SetFlags(0x100);
    search.AddResults(0, 0, "u");
    search.SetCompleted(true);
    search.SetViewed(true);
    search.Reset();
    EXPECT_EQ(search.GetFlags(), 0x100u);
    EXPECT_FALSE(search.HasRun());
    EXPECT_EQ(search.GetRunDatabases(), "");
    EXPECT_EQ(search.GetDatabases(), "u");

    services.connectedCodes = "cd";
    TheUserOptions().SetDefaultStatus("rp");
    search.ResetCriteria();
    EXPECT_EQ(search.GetDatabases(), "cd");
    EXPECT_EQ(search.GetCriteria().GetStatus(), "rp");
}

TEST_F(SearchTest, DescriptionWithAndWithoutDatabases) {
    const CPlainWording wording;
    const CSearch search = SearchOf("uc");
    const std::string summary = search.GetCriteria().FormatCriteriaSummary(false, nullptr, wording);
    EXPECT_EQ(search.GetDescription(false, nullptr, wording), summary);
    EXPECT_EQ(search.GetDescription(true, nullptr, wording), "DB:DB-u DB-c " + summary);
}

TEST_F(SearchTest, SearchOrder) {
    CSearch run(1, 9);
    run.SetOrder(4);
    CSearch earlierRun(1, 12);
    earlierRun.SetOrder(2);
    const CSearch unrun(1, 3);
    EXPECT_TRUE(earlierRun < run);
    EXPECT_TRUE(run < unrun);
    EXPECT_FALSE(unrun < run);
    EXPECT_TRUE(CSearch(0, 50) < run);
    EXPECT_TRUE(unrun < CSearch(1, 4));
}

TEST(SearchList, AddGivesIdsAndKeepsOrder) {
    CSearchList list;
    EXPECT_EQ(list.Add(CSearch(1, 0)), 1);
    EXPECT_EQ(list.NewSearchId(), 2);
    EXPECT_EQ(list.Add(CSearch(0, 7)), 7);
    EXPECT_EQ(list.NewSearchId(), 8);
    CSearch run(1, 5);
    run.SetOrder(3);
    list.Add(run);
    list.Add(CSearch(1, 4));
    // Section 0 first; in section 1 the run search before the unrun ones, which go by id.
    EXPECT_EQ(list.GetFirstId(), 7);
    EXPECT_EQ(list.GetNextId(7), 5);
    EXPECT_EQ(list.GetNextId(5), 1);
    EXPECT_EQ(list.GetNextId(1), 4);
    EXPECT_EQ(list.GetNextId(4), -1);
    EXPECT_EQ(list.GetPreviousId(5), 7);
    EXPECT_EQ(list.GetPreviousId(7), -1);
    EXPECT_EQ(list.GetNextId(99), -1);
}

TEST(SearchList, LookupsReplaceAndRemove) {
    CSearchList list;
    EXPECT_EQ(list.NewSection(), 1);
    EXPECT_EQ(list.GetLastRunSection(), -1);
    EXPECT_EQ(list.GetFirstId(), -1);
    EXPECT_THROW(list.FindSearch(1), const char*);
    EXPECT_THROW(list.GetAt(0), const char*);

    list.Add(CSearch(2, 0));
    list.Add(CSearch(-3, 0));
    EXPECT_EQ(list.NewSection(), 3);
    CSearch changed(2, 1);
    changed.SetOrder(1);
    EXPECT_EQ(list.Replace(changed), 1);
    EXPECT_EQ(list.Replace(CSearch(2, 9)), -1);
    EXPECT_EQ(list.GetLastRunSection(), 2);
    EXPECT_TRUE(list.FindSearch(1).HasRun());
    list.ResetAt(1);
    EXPECT_FALSE(list.FindSearch(1).HasRun());
    EXPECT_FALSE(list.IsFreeId(2));
    list.Remove(2);
    EXPECT_TRUE(list.IsFreeId(2));
    EXPECT_EQ(list.NewSearchId(), 3);

    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.NewSearchId(), 1);
    EXPECT_EQ(list.NewOrder(), 1);
}

TEST(SearchList, PositionsAndCountsBySection) {
    CSearchList list;
    for (int section : {0, 0, 1, 1, 1})
        list.Add(CSearch(section, 0));
    CSearch finished(1, 0);
    finished.SetOrder(1);
    finished.SetFlags(CSearch::kHasRun | CSearch::kCompleted);
    const int finishedId = list.Add(finished);

    int position = 0, count = 0;
    EXPECT_EQ(list.GetSearchPosition(2, &position, &count), 0);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(list.GetSearchPosition(finishedId, &position, &count), 1);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(list.GetSearchPosition(99, &position, &count), -1);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(count, 4);

    int inSection = 0, run = 0, completed = 0;
    EXPECT_EQ(list.GetSectionCounts(1, inSection, run, completed), 1);
    EXPECT_EQ(inSection, 4);
    EXPECT_EQ(completed, 1);
}

TEST(SearchList, FiltersOnSearches) {
    CSearchList list;
    list.Add(SearchOf("uc", 0));
    list.Add(SearchOf("d", 1));
    CSearch run = SearchOf("u", 1);
    run.SetOrder(1);
    list.Add(run);

    EXPECT_EQ(list.CountFiltered(MakeNotRunFilter(-1)), 2);
    EXPECT_EQ(list.CountFiltered(MakeNotRunFilter(1)), 1);
    EXPECT_EQ(list.CountFiltered(MakeRegisterFilter('u', false)), 2);
    EXPECT_FALSE(list.HasFiltered(MakeRegisterFilter('s', false)));
    EXPECT_EQ(list.CountFiltered(MakeSectionFilter(1, false)), 2);
    EXPECT_EQ(list.CountFiltered(MakeSearchMarksFilter(0, false)), 1);
    EXPECT_EQ(list.CountFiltered(MakeKeptFilter(false, false)), 3);

    std::vector<int> ids;
    EXPECT_EQ(list.GetFilteredIds(MakeSearchIdFilter(2, false, false), ids), 1);
    EXPECT_EQ(ids, std::vector<int>{2});
    TVmRec<int> indexes;
    EXPECT_EQ(list.GetFilteredIndexes(MakeSectionFilter(1, false), indexes), 2);
    EXPECT_EQ(indexes.GetAt(0), 1);
}
