// Collecting what a search found, over the wire: large results in chunks, engines that answer
// short or not at all, duplicate handling by application number, the keep and long flags, and
// the merge of a watch run into the ids gathered before.

#include "ConnectedFixture.h"
#include "engines/Orb.h"

#include <algorithm>
#include <set>

using namespace local_service;

namespace {

class SearchCollectionTest : public ConnectedFixture {
protected:
    // Runs the search to its end and collects it into the document.
    void Run(int searchId) {
        CSearchProgress progress(document_, Services());
        progress.AddSearch(searchId);
        ASSERT_TRUE(RunToEnd(progress));
        ASSERT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    }
    std::vector<CMark> MarksOfSearch(int searchId) const {
        return document_.GetFilteredMarks(MakeSearchIdFilter(searchId, false, true));
    }
};

TEST_F(SearchCollectionTest, AHundredThousandHitsComeInChunks) {
    CTestServiceProcess large;
    std::string error;
    ASSERT_TRUE(large.Start({100000, "u"}, error)) << error;
    Connect("Remote1=" + large.Addresses().remote + "\n");
    CORBA::Object_var object = GetOrb()->string_to_object(large.Addresses().control.c_str());
    control_ = ZrTestControl::_narrow(object);

    const int id = document_.AddSearchOfAll("u");
    Run(id);
    EXPECT_EQ(document_.FindSearch(id).GetFound(), 100000);
    EXPECT_EQ(MarksOf(id), 100000);
    const auto chunks = Calls("search.u.GetMarks(");
    ASSERT_EQ(chunks.size(), 7u);
    EXPECT_EQ(chunks.front(), "search.u.GetMarks(1000,17384)");
    EXPECT_EQ(chunks.back(), "search.u.GetMarks(99310,99999)");
    repository_.DisconnectAll();
    EXPECT_EQ(large.Stop(), 0);
}

TEST_F(SearchCollectionTest, ChunkBoundaries) {
    // Exactly the first list: no chunk and no Dispose; one more: one chunk of one id.
    control_->SetEngineFault("u", "firstList", "", 600);
    control_->SetEngineFault("c", "firstList", "", 599);
    const int id = document_.AddSearchOfAll("uc");
    Run(id);
    EXPECT_TRUE(Calls("search.u.GetMarks").empty());
    EXPECT_TRUE(Calls("search.u.Dispose").empty());
    EXPECT_EQ(Calls("search.c.GetMarks("), std::vector<std::string>{"search.c.GetMarks(599,599)"});
    EXPECT_EQ(Calls("search.c.Dispose").size(), 1u);
    EXPECT_EQ(MarksOf(id), 1200);
}

TEST_F(SearchCollectionTest, AFirstReplyLongerThanItsTotalGivesTheTotal) {
    const int id = document_.AddSearchOfAll("u");
    const std::vector<CORBA::ULong> all =
        Search(Find(Logon(Remote(), ""), 'u'),
               document_.FindSearch(id).GetCriteria().WriteEngineText().c_str());
    ASSERT_GT(all.size(), 3u);
    // The engine sends every id in its first list but reports three fewer.
    control_->SetEngineFault("u", "overTotal", "", 3);
    Run(id);
    EXPECT_EQ(document_.FindSearch(id).GetFound(), static_cast<int>(all.size() - 3));
    std::set<CORBA::ULong> marked;
    for (const CMark& mark : MarksOfSearch(id))
        marked.insert(mark.GetRecordNumber());
    EXPECT_EQ(marked, std::set<CORBA::ULong>(all.begin(), all.end() - 3));
    EXPECT_EQ(MarksOf(id), static_cast<int>(all.size() - 3));
    EXPECT_TRUE(Calls("search.u.GetMarks").empty());
}

TEST_F(SearchCollectionTest, ADatabaseWhoseIdsDoNotAllComeIsLeftOut) {
    // The EUTM engine never delivers its last three ids, the DE engine no first list.
    control_->SetEngineFault("c", "firstList", "", 100);
    control_->SetEngineFault("c", "shortMarks", "", 3);
    control_->SetEngineFault("d", "firstList", "", 0);
    const int id = document_.AddSearchOfAll("ucd");
    Run(id);
    EXPECT_EQ(
        Calls("search.c.GetMarks("),
        (std::vector<std::string>{"search.c.GetMarks(100,599)", "search.c.GetMarks(597,599)"}));
    const CSearch& search = document_.FindSearch(id);
    EXPECT_EQ(search.GetRunDatabases(), "u");
    EXPECT_EQ(search.GetFound(), 600);
    EXPECT_EQ(MarksOf(id), 600);
    EXPECT_EQ(document_.Marks().CountFiltered(MakeRegisterFilter('c', true)), 0);
}

TEST_F(SearchCollectionTest, NewMarksAreKeptAndLongByTheirSection) {
    // The defaults AutoKeep 0 and AutoLong 1: section 0 gives long marks, section 1 plain ones.
    const int first = document_.AddSearchOfAll("e", 0);
    const int second = document_.AddSearchOfAll("p", 1);
    Run(first);
    Run(second);
    for (const CMark& mark : MarksOfSearch(first))
        EXPECT_EQ(mark.GetFlags() & (CMark::kKept | CMark::kLong), CMark::kLong);
    for (const CMark& mark : MarksOfSearch(second))
        EXPECT_EQ(mark.GetFlags() & (CMark::kKept | CMark::kLong), 0u);

    settings_.WriteUserSettings("[Search]\nAutoKeep=2\nAutoLong=0\n");
    const int third = document_.AddSearchOfAll("t", 1);
    Run(third);
    for (const CMark& mark : MarksOfSearch(third))
        EXPECT_EQ(mark.GetFlags() & (CMark::kKept | CMark::kLong), CMark::kKept);
}

TEST_F(SearchCollectionTest, DeletedDuplicatesAreHitsWhoseApplicationIsHeldAlready) {
    settings_.WriteUserSettings("[Exam]\nDeleteDuplicates=1\n");
    const int first = document_.AddSearchOfAll("u");
    Run(first);
    // Within one run two hits of one application both become marks.
    EXPECT_EQ(MarksOf(first), 600);
    std::set<int> numbers;
    for (const CMark& mark : MarksOfSearch(first))
        numbers.insert(mark.GetAppNumber());
    EXPECT_LT(numbers.size(), 600u);
    EXPECT_EQ(numbers.count(0), 0u);
    // The numbers are asked for 300 ids at a time.
    const auto slices = Calls("u.SGEToAppNums2(");
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_NE(slices[0].find(",... 300 ids)"), std::string::npos) << slices[0];
    EXPECT_NE(slices[1].find(",... 300 ids)"), std::string::npos) << slices[1];

    const int second = document_.AddSearchOfAll("uc");
    Run(second);
    EXPECT_EQ(document_.Marks().CountFiltered(MakeRegisterFilter('u', true)), 600);
    EXPECT_EQ(MarksOf(second), 600); // only the EUTM hits are new
}

TEST_F(SearchCollectionTest, MultiClassDuplicatesJoinTheRecordHeldForTheirApplication) {
    settings_.WriteUserSettings("[Exam]\nMultiClassDuplicates=1\n");
    const int first = document_.AddSearchOfAll("u");
    Run(first);
    const int second = document_.AddSearchOfAll("u");
    Run(second);
    std::map<int, std::uint32_t> recordOfNumber;
    const std::vector<CMark> firstMarks = MarksOfSearch(first);
    EXPECT_EQ(MarksOf(first), 600);
    // The second run's marks carry their numbers and the ids of records already held.
    std::set<std::uint32_t> held;
    for (const CMark& mark : firstMarks)
        held.insert(mark.GetRecordNumber());
    std::vector<CMark> secondMarks;
    for (int i = 0; i < document_.Marks().GetCount(); ++i)
        if (document_.Marks().GetAt(i).GetSearchId() == second)
            secondMarks.push_back(document_.Marks().GetAt(i));
    ASSERT_EQ(secondMarks.size(), 600u);
    for (const CMark& mark : secondMarks) {
        EXPECT_NE(mark.GetAppNumber(), 0);
        EXPECT_TRUE(held.contains(mark.GetRecordNumber()));
        const auto [at, inserted] =
            recordOfNumber.emplace(mark.GetAppNumber(), mark.GetRecordNumber());
        EXPECT_EQ(at->second, mark.GetRecordNumber());
    }
    // Two records of one application: both hits joined one of them.
    std::set<std::uint32_t> joined;
    for (const CMark& mark : secondMarks)
        joined.insert(mark.GetRecordNumber());
    EXPECT_EQ(held.size(), 600u);
    EXPECT_LT(joined.size(), 600u);
}

TEST_F(SearchCollectionTest, AWatchMergesEachDatabasesIdsIntoThoseGatheredBefore) {
    const int id = document_.AddSearchOfAll("ucx");
    std::vector<CSearchResults> results{CSearchResults('u'), CSearchResults('c'),
                                        CSearchResults('c')};
    results[0].BeginMerge(2);
    const std::uint32_t previous[] = {1, 0xFFFFFFF0u};
    results[0].MergeAdd(previous);
    results[0].EndMerge();
    {
        CSearchEngines runner(document_.FindSearch(id), "Client", "EX", 0, Services());
        runner.Start();
        for (int poll = 0; poll < 5; ++poll)
            for (int i = 0; i < runner.GetDbCount(); ++i) {
                bool done = false;
                runner.GetSearchStatus(i, done);
            }
        runner.CollectWatchResults(document_, results);
    }
    const auto uk = results[0].GetIds();
    EXPECT_EQ(uk.size(), 602u);
    EXPECT_TRUE(std::is_sorted(uk.begin(), uk.end()));
    EXPECT_EQ(uk.front(), 1u);
    EXPECT_EQ(uk.back(), 0xFFFFFFF0u);
    EXPECT_TRUE(results[1].GetIds().empty()); // the last element of a code takes the ids
    EXPECT_EQ(results[2].GetIds().size(), 600u);
    const CSearch& search = document_.FindSearch(id);
    EXPECT_EQ(search.GetFound(), 1200);
    EXPECT_EQ(search.GetMarkCount(), 1200);
    EXPECT_EQ(search.GetRunDatabases(), "uc");
    EXPECT_EQ(document_.Marks().GetCount(), 0);
    EXPECT_EQ(Calls("local.LogSearch(").size(), 1u);
}

} // namespace
