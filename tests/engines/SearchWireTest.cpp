// Running searches on the local service's engines over the wire: progress over several polls,
// the results in a first list and in chunks, and criteria the engine refuses.

#include "engines/OrbErrors.h"
#include "tests/support/LocalService.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace local_service;

namespace {

ZrEngineSearch_var Start(const EngineInfo& engine, const char* criteria,
                         const char* restriction = "") {
    CORBA::Boolean started = false;
    return engine.engine->StartSearch2(engine.sessionId, criteria, restriction, "Client", "Exam", 0,
                                       started);
}

} // namespace

TEST(SearchWire, ASearchEndsAfterSeveralPolls) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    ZrEngineSearch_var search = Start(Find(engines, 'u'), "WORDM=\"ACME\" AND STATS=\"rpla\"");
    std::vector<std::string> statuses;
    bool done = false;
    while (!done && statuses.size() < 10) {
        CORBA::String_var status;
        done = search->GetProgress(status.out());
        statuses.emplace_back(status.in());
    }
    ASSERT_TRUE(done);
    ASSERT_EQ(statuses.size(), 3u);
    EXPECT_EQ(statuses[0], "Searching 33%");
    EXPECT_EQ(statuses[1], "Searching 66%");
    EXPECT_EQ(statuses[2].rfind("Completed: ", 0), 0u);
    CORBA::String_var reason;
    search->GetErrorInfo(reason.out());
    EXPECT_STREQ(reason.in(), "");

    CORBA::ULong total = 0;
    UlongSeq_var first = search->GetResults(total);
    EXPECT_GE(total, 2u); // ACME and ACME ZENITH at least
    EXPECT_EQ(first->length(), total);
    EXPECT_TRUE(std::is_sorted(first->get_buffer(), first->get_buffer() + first->length()));
    EXPECT_EQ(statuses[2], "Completed: " + std::to_string(total) + " found");
    search->Dispose();
    CORBA::String_var status;
    EXPECT_THROW(search->GetProgress(status.out()), CORBA::OBJECT_NOT_EXIST);
}

TEST(SearchWire, ManyResultsComeInChunks) {
    ZrTestControl_var control = ResetControl();
    control->SetEngineFault("u", "firstList", "", 50);
    control->SetEngineFault("u", "polls", "", 1);
    EngineInfoSeq_var engines = Logon(Remote(), "");
    ZrEngineSearch_var search = Start(Find(engines, 'u'), "APPNO=\"1-\"");
    CORBA::String_var status;
    ASSERT_TRUE(search->GetProgress(status.out()));
    CORBA::ULong total = 0;
    UlongSeq_var first = search->GetResults(total);
    EXPECT_EQ(total, 600u);
    ASSERT_EQ(first->length(), 50u);

    UlongSeq_var rest = search->GetMarks(50, total - 1);
    ASSERT_EQ(rest->length(), total - 50);
    EXPECT_LT(first[49], rest[0]);
    UlongSeq_var one = search->GetMarks(70, 70);
    ASSERT_EQ(one->length(), 1u);
    EXPECT_EQ(one[0], rest[20]);
    UlongSeq_var last = search->GetMarks(total - 1, total + 100);
    ASSERT_EQ(last->length(), 1u);
    EXPECT_EQ(UlongSeq_var(search->GetMarks(total, total + 5))->length(), 0u);
}

TEST(SearchWire, ShortChunkReplies) {
    ZrTestControl_var control = ResetControl();
    control->SetEngineFault("c", "shortMarks", "", 3);
    control->SetEngineFault("c", "firstList", "", 0);
    control->SetEngineFault("c", "polls", "", 1);
    EngineInfoSeq_var engines = Logon(Remote(), "");
    ZrEngineSearch_var search = Start(Find(engines, 'c'), "APPNO=\"1-\"");
    CORBA::String_var status;
    search->GetProgress(status.out());
    CORBA::ULong total = 0;
    EXPECT_EQ(UlongSeq_var(search->GetResults(total))->length(), 0u);
    EXPECT_EQ(total, 600u);
    EXPECT_EQ(UlongSeq_var(search->GetMarks(0, 9))->length(), 7u);
}

TEST(SearchWire, ASearchThatFindsNothing) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    EXPECT_TRUE(Search(Find(engines, 'd'), "WORDM=\"QQQQQ\"").empty());
}

TEST(SearchWire, CriteriaSelectOverTheWire) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    const EngineInfo& uk = Find(engines, 'u');
    const auto all = Search(uk, "APPNO=\"1-\"");
    const auto acme = Search(uk, "WORDM=\"ACME\"");
    const auto either = Search(uk, "(WORDM=\"ACME\" OR WORDM=\"ZENITH\")");
    const auto pending = Search(uk, "(WORDM=\"ACME\" OR WORDM=\"ZENITH\") AND STATS=\"p\"");
    const auto notZenith = Search(uk, "WORDM=\"ACME\" ANDNOT WORDM=\"ZENITH\"");
    EXPECT_EQ(all.size(), 600u);
    EXPECT_GT(either.size(), acme.size());
    EXPECT_LT(pending.size(), either.size());
    EXPECT_FALSE(pending.empty());
    EXPECT_LT(notZenith.size(), acme.size());
}

TEST(SearchWire, TheInternationalRestrictionLimitsTheCountries) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    const EngineInfo& ir = Find(engines, 'I');
    const auto all = Search(ir, "APPNO=\"1-\"");
    const auto designatingCn = Search(ir, "APPNO=\"1-\" AND CNTRY=\"CN\"");
    EXPECT_LT(designatingCn.size(), all.size());
    EXPECT_FALSE(designatingCn.empty());

    ZrEngineSearch_var restricted = Start(ir, "APPNO=\"1-\"", "CN");
    CORBA::String_var status;
    while (!restricted->GetProgress(status.out())) {
    }
    CORBA::ULong total = 0;
    UlongSeq_var ids = restricted->GetResults(total);
    EXPECT_EQ(total, designatingCn.size());
}

TEST(SearchWire, UnreadableCriteriaAreRefusedWithAReason) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    for (const char* criteria :
         {"WORDM=ACME", "(WORDM=\"ACME\"", "FOO=\"bar\"", "WORDM=\"A\" OR"}) {
        try {
            Start(Find(engines, 'u'), criteria);
            ADD_FAILURE() << criteria;
        } catch (const CriteriaInvalid& e) {
            EXPECT_STRNE(e.text.in(), "") << criteria;
        }
    }
}

TEST(SearchWire, AnEngineCanRefuseAnyCriteria) {
    ZrTestControl_var control = ResetControl();
    control->SetEngineFault("s", "criteriaInvalid", "Too many terms", 0);
    EngineInfoSeq_var engines = Logon(Remote(), "");
    try {
        Start(Find(engines, 's'), "WORDM=\"ACME\"");
        ADD_FAILURE();
    } catch (const CriteriaInvalid& e) {
        EXPECT_STREQ(e.text.in(), "Too many terms");
    }
}

TEST(SearchWire, AFailedSearchGivesItsReason) {
    ZrTestControl_var control = ResetControl();
    control->SetEngineFault("u", "failSearch", "Index offline", 0);
    control->SetEngineFault("c", "failSearch", "", 0);
    EngineInfoSeq_var engines = Logon(Remote(), "");
    for (const char code : {'u', 'c'}) {
        ZrEngineSearch_var search = Start(Find(engines, code), "WORDM=\"ACME\"");
        CORBA::String_var status;
        while (!search->GetProgress(status.out())) {
        }
        EXPECT_STREQ(status.in(), "Failed");
        CORBA::String_var reason;
        search->GetErrorInfo(reason.out());
        EXPECT_STREQ(reason.in(), code == 'u' ? "Index offline" : "");
        CORBA::ULong total = 99;
        EXPECT_EQ(UlongSeq_var(search->GetResults(total))->length(), 0u);
        EXPECT_EQ(total, 0u);
    }
}

TEST(SearchWire, ALostSearchNoLongerExists) {
    ZrTestControl_var control = ResetControl();
    control->SetEngineFault("e", "loseSearch", "", 1);
    EngineInfoSeq_var engines = Logon(Remote(), "");
    ZrEngineSearch_var search = Start(Find(engines, 'e'), "WORDM=\"ACME\"");
    CORBA::String_var status;
    EXPECT_FALSE(search->GetProgress(status.out()));
    try {
        search->GetProgress(status.out());
        ADD_FAILURE();
    } catch (const CORBA::SystemException& e) {
        EXPECT_EQ(SystemExceptionName(e), "OBJECT_NOT_EXIST");
        EXPECT_TRUE(IsConnectionFailure(e));
    }
}
