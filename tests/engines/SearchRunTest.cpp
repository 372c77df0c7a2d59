// Search runs over the wire, driven tick by tick as the progress dialog drives them: several
// engines with failing, lost and refusing ones among them, the question about going on, the
// rows and header, and what the document gets.

#include "ConnectedFixture.h"

#include <algorithm>

using platform::MessageAnswer;

namespace {

class SearchRunTest : public ConnectedFixture {};

TEST_F(SearchRunTest, OneFailingAndOneLostEngineLeaveTheOthersResults) {
    control_->SetEngineFault("d", "failSearch", "Index damaged", 0);
    control_->SetEngineFault("e", "loseSearch", "", 1);
    const int id = document_.AddSearchOfAll("udec");
    CScriptedMessages messages({MessageAnswer::Yes});
    {
        CSearchProgress progress(document_, Services());
        progress.AddSearch(id);
        ASSERT_TRUE(RunToEnd(progress));
        EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);

        ASSERT_EQ(messages.Shown().size(), 1u);
        const platform::Message& question = messages.Shown()[0];
        EXPECT_EQ(question.text, "Search on IE and DE databases has failed.\nWould you like to "
                                 "remove these databases and continue searching the remaining "
                                 "databases?");
        EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(question.icon, platform::MessageIcon::Question);
        EXPECT_TRUE(question.secondIsDefault);

        const auto& rows = progress.GetRows();
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0].name, "UK:");
        EXPECT_EQ(rows[0].status, "Completed: 600 found");
        EXPECT_EQ(rows[1].status, "Failed");
        EXPECT_EQ(rows[2].status, "Engine lost");
        EXPECT_EQ(progress.GetHeader(), "Performing search");
    }
    const CSearch& search = document_.FindSearch(id);
    EXPECT_EQ(search.GetFound(), 1200);
    EXPECT_EQ(search.GetRunDatabases(), "uc");
    EXPECT_TRUE(search.HasRun());
    EXPECT_EQ(MarksOf(id), 1200);
    EXPECT_EQ(document_.Marks().CountFiltered(MakeRegisterFilter('d', true)), 0);

    // The engines that delivered everything at once get no Dispose; the failed one does.
    EXPECT_TRUE(Calls("search.u.Dispose").empty());
    EXPECT_EQ(Calls("search.d.Dispose").size(), 1u);
    const auto logged = Calls("local.LogSearch(");
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].rfind("local.LogSearch(\"examiner\",\"Client Ltd\",\"EX-1\",\"DB:", 0), 0u);
}

TEST_F(SearchRunTest, TheFailureTextHasOneLinePerFailureInTheOrderSeen) {
    control_->SetEngineFault("d", "failSearch", "", 0);
    control_->SetEngineFault("e", "loseSearch", "", 1);
    document_.AddSearchOfAll("ude");
    CSearchEngines runner(document_.FindSearch(1), "c", "x", 0, Services());
    runner.Start();
    for (int poll = 0; poll < 5; ++poll)
        for (int i = 0; i < runner.GetDbCount(); ++i) {
            bool done = false;
            runner.GetSearchStatus(i, done);
        }
    EXPECT_EQ(runner.GetFailedDbs(), "ed");
    EXPECT_EQ(runner.GetFailureText(), "IE Engine connection broken - OBJECT_NOT_EXIST\n"
                                       "DE Search failed - Please contact Velorin");
}

TEST_F(SearchRunTest, RefusingToGoOnCancelsAndStoresNothing) {
    control_->SetEngineFault("c", "failSearch", "Out of service", 0);
    const int first = document_.AddSearchOfAll("uc");
    const int second = document_.AddSearchOfAll("u");
    CScriptedMessages messages({MessageAnswer::No});
    CSearchProgress progress(document_, Services());
    progress.AddSearch(first);
    progress.AddSearch(second);
    ASSERT_TRUE(RunToEnd(progress));
    EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Cancel);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Search on EUTM database has failed.\nWould you like to "
                                       "remove this database and continue searching the remaining "
                                       "database?"});
    EXPECT_FALSE(document_.FindSearch(first).HasRun());
    EXPECT_FALSE(document_.FindSearch(second).HasRun());
    EXPECT_EQ(document_.Marks().GetCount(), 0);
}

TEST_F(SearchRunTest, WhenEveryDatabaseFailsTheRunEndsAfterSayingWhy) {
    control_->SetEngineFault("uc", "failSearch", "Disc full", 0);
    const int first = document_.AddSearchOfAll("uc");
    const int second = document_.AddSearchOfAll("u");
    CScriptedMessages messages;
    CSearchProgress progress(document_, Services());
    progress.AddSearches(MakeNotRunFilter(-1));
    ASSERT_TRUE(RunToEnd(progress));
    EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Cancel);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Texts()[0],
              "The search could not be completed:\nUK Disc full\nEUTM Disc full");
    EXPECT_EQ(messages.Shown()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_FALSE(document_.FindSearch(first).HasRun());
    EXPECT_FALSE(document_.FindSearch(second).HasRun());
    EXPECT_EQ(Calls(".StartSearch2(").size(), 2u); // the second search never started
}

TEST_F(SearchRunTest, CriteriaTheEngineRejectsFailThatDatabaseOnly) {
    control_->SetEngineFault("c", "criteriaInvalid", "Term too short", 0);
    const int id = document_.AddSearchOfAll("uc");
    CScriptedMessages messages({MessageAnswer::Yes});
    CSearchProgress progress(document_, Services());
    progress.AddSearch(id);
    ASSERT_TRUE(RunToEnd(progress));
    EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    EXPECT_EQ(progress.GetRows()[1].status, "Failed");
    EXPECT_EQ(document_.FindSearch(id).GetRunDatabases(), "u");
    EXPECT_EQ(MarksOf(id), 600);
}

TEST_F(SearchRunTest, ARegisterWithoutEngineIsLost) {
    const int id = document_.AddSearchOfAll("0u");
    document_.AddSearchOfAll("u");
    CSearchEngines runner(document_.FindSearch(id), "c", "x", 0, Services());
    runner.Start();
    bool done = false;
    EXPECT_EQ(runner.GetSearchStatus(0, done), "Engine lost");
    EXPECT_TRUE(done);
    EXPECT_EQ(runner.GetFailureText(), "UK Engine connection broken - No engine connection");
    EXPECT_EQ(runner.GetSearchStatus(1, done), "Searching 33%");
    EXPECT_FALSE(done);
}

TEST_F(SearchRunTest, TheHeaderCountsTheSearchesAndCompletedStatusesAreShortWhilePolling) {
    control_->SetEngineFault("c", "polls", "", 6);
    control_->SetEngineFault("u", "polls", "", 1);
    for (int i = 0; i < 3; ++i)
        document_.AddSearchOfAll("uc");
    CSearchProgress progress(document_, Services());
    progress.AddSearches(MakeNotRunFilter(-1));
    progress.Begin();
    EXPECT_EQ(progress.GetRows()[1].name, "EUTM:");
    std::vector<std::string> headers;
    bool sawShortened = false;
    for (int tick = 0; tick < 100 && !progress.IsEnded(); ++tick) {
        progress.Tick();
        if (headers.empty() || headers.back() != progress.GetHeader())
            headers.push_back(progress.GetHeader());
        sawShortened = sawShortened || progress.GetRows()[0].status == "Completed";
    }
    EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    EXPECT_EQ(headers,
              (std::vector<std::string>{"Performing search 1 of 3", "Performing search 2 of 3",
                                        "Performing search 3 of 3"}));
    EXPECT_TRUE(sawShortened);
    EXPECT_FALSE(progress.IsTimerRunning());
}

TEST_F(SearchRunTest, RowsPastTheTwentySecondArePolledButNotShown) {
    const int id = document_.AddSearchOfAll(std::string(25, 'u'));
    CSearchProgress progress(document_, Services());
    progress.AddSearch(id);
    progress.Begin();
    EXPECT_EQ(progress.GetRows().size(), 22u);
    while (!progress.IsEnded())
        progress.Tick();
    EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    EXPECT_EQ(Calls(".StartSearch2(").size(), 25u);
    EXPECT_EQ(Calls("search.u.GetResults").size(), 25u);
}

TEST_F(SearchRunTest, ASearchNamingNoDatabaseIsStoredAtOnce) {
    const int id = document_.AddSearchOfAll("");
    CSearchProgress progress(document_, Services());
    progress.AddSearch(id);
    progress.Begin();
    EXPECT_TRUE(progress.IsEnded());
    EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Ok);
    EXPECT_TRUE(document_.FindSearch(id).HasRun());
    EXPECT_EQ(document_.FindSearch(id).GetFound(), 0);
    EXPECT_EQ(document_.FindSearch(id).GetRunDatabases(), "");
}

TEST_F(SearchRunTest, CancelStopsTheRunAndTheEngineSearchesAreDisposed) {
    control_->SetEngineFault("u", "polls", "", 50);
    const int id = document_.AddSearchOfAll("u");
    {
        CSearchProgress progress(document_, Services());
        progress.AddSearch(id);
        progress.Begin();
        progress.Tick();
        progress.Cancel();
        EXPECT_EQ(progress.GetResult(), CSearchProgress::Result::Cancel);
        EXPECT_FALSE(progress.IsTimerRunning());
        EXPECT_TRUE(Calls("search.u.Dispose").empty());
    }
    EXPECT_EQ(Calls("search.u.Dispose").size(), 1u);
    EXPECT_FALSE(document_.FindSearch(id).HasRun());
}

} // namespace
