// Failures over the wire: a refused connection, a call that outlives its time-out, and the
// system exceptions an engine or a repository may raise. Each must give a known name and a
// message that is not empty.

#include "engines/Orb.h"
#include "engines/OrbErrors.h"
#include "platform/Process.h"
#include "tests/support/LocalService.h"

#include <gtest/gtest.h>

using namespace local_service;

namespace {

// The exception a call raises, caught as a system exception; fails the test when none comes.
template <typename Call>
std::string FailureName(Call call, bool* connectionFailure = nullptr) {
    try {
        call();
    } catch (const CORBA::SystemException& e) {
        if (connectionFailure)
            *connectionFailure = IsConnectionFailure(e);
        EXPECT_FALSE(RepositoryFailureText(e).empty());
        return SystemExceptionName(e);
    }
    ADD_FAILURE() << "no system exception";
    return "";
}

} // namespace

TEST(FaultsWire, ARefusedConnectionIsTransient) {
    const int port = platform::FindFreeLoopbackPort();
    ASSERT_NE(port, 0);
    CORBA::Object_var object = GetOrb()->string_to_object(
        ("corbaloc::127.0.0.1:" + std::to_string(port) + "/ZrRepository").c_str());
    ZrRepository_var nobody = ZrRepository::_unchecked_narrow(object);
    bool connectionFailure = false;
    EXPECT_EQ(FailureName([&] { Logon(nobody, ""); }, &connectionFailure), "TRANSIENT");
    EXPECT_TRUE(connectionFailure);
    try {
        Logon(nobody, "");
    } catch (const CORBA::SystemException& e) {
        EXPECT_EQ(RepositoryFailureText(e), "W326 Unable to contact the repository.");
    }
}

TEST(FaultsWire, ACallThatOutlivesItsTimeOutIsTimeout) {
    ZrTestControl_var control = ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    ZrEngine_var engine = ZrEngine::_duplicate(Find(engines, 'u').engine);
    omniORB::setClientCallTimeout(engine, 200);
    control->SetEngineFault("u", "slow", "", 1500);
    bool connectionFailure = false;
    EXPECT_EQ(
        FailureName([&] { CORBA::String_var version = engine->GetVersion(); }, &connectionFailure),
        "TIMEOUT");
    EXPECT_TRUE(connectionFailure);

    // The engine answers again once it is quick.
    control->SetEngineFault("u", "slow", "", 0);
    omniORB::setClientCallTimeout(engine, 5000);
    EXPECT_STRNE(CORBA::String_var(engine->GetVersion()).in(), "");
}

TEST(FaultsWire, EngineSystemExceptionsKeepTheirNames) {
    ZrTestControl_var control = ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    const struct {
        char code;
        const char* fault;
        const char* name;
    } cases[] = {{'a', "transient", "TRANSIENT"},
                 {'c', "commFailure", "COMM_FAILURE"},
                 {'d', "objectNotExist", "OBJECT_NOT_EXIST"}};
    for (const auto& c : cases) {
        control->SetEngineFault(std::string(1, c.code).c_str(), c.fault, "", 0);
        const EngineInfo& engine = Find(engines, c.code);
        bool connectionFailure = false;
        EXPECT_EQ(FailureName([&] { Search(engine, "WORDM=\"ACME\""); }, &connectionFailure),
                  c.name);
        EXPECT_TRUE(connectionFailure) << c.name;
    }
}

TEST(FaultsWire, AnEngineLostInTheMiddleOfASearch) {
    ZrTestControl_var control = ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    // StartSearch2 and the first poll succeed, then the engine's connection fails.
    control->SetEngineFault("p", "commFailure", "", 2);
    const EngineInfo& engine = Find(engines, 'p');
    CORBA::Boolean started = false;
    ZrEngineSearch_var search =
        engine.engine->StartSearch2(engine.sessionId, "WORDM=\"ACME\"", "", "", "", 0, started);
    CORBA::String_var status;
    EXPECT_FALSE(search->GetProgress(status.out()));
    EXPECT_EQ(FailureName([&] { search->GetProgress(status.out()); }), "COMM_FAILURE");
}

TEST(FaultsWire, RepositorySystemExceptions) {
    ZrTestControl_var control = ResetControl();
    control->SetRepositoryFault("remote", "objectNotExist", "", 0);
    control->SetRepositoryFault("local", "transient", "", 0);
    bool connectionFailure = false;
    EXPECT_EQ(FailureName([] { Logon(Remote(), ""); }, &connectionFailure), "OBJECT_NOT_EXIST");
    EXPECT_TRUE(connectionFailure);
    EXPECT_EQ(FailureName([] { Logon(Local(), "*"); }), "TRANSIENT");
    control->Reset();
    EXPECT_GT(Logon(Remote(), "")->length(), 0u);
}

TEST(FaultsWire, AnUnknownSessionIsRefused) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    const EngineInfo& engine = Find(engines, 'u');
    EXPECT_EQ(FailureName(
                  [&] { OctetSeq_var record = engine.engine->GetSummaryDetails3(12345, 16, ""); }),
              "NO_PERMISSION");
}

TEST(FaultsWire, TheControlObjectRefusesUnknownFaults) {
    ZrTestControl_var control = ResetControl();
    EXPECT_THROW(control->SetEngineFault("u", "melt", "", 0), CORBA::BAD_PARAM);
    EXPECT_THROW(control->SetEngineFault("Z", "slow", "", 1), CORBA::BAD_PARAM);
    EXPECT_THROW(control->SetRepositoryFault("proxy", "error", "", 0), CORBA::BAD_PARAM);
}
