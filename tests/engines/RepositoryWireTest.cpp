// Logging on to the local service's repositories over the wire: the engines they hand out,
// sessions, variants, and what the engine connections make of them.

#include "engines/ZrDbEngine.h"
#include "tests/support/LocalService.h"

#include <gtest/gtest.h>
#include <set>

using namespace local_service;

namespace {

constexpr CORBA::ULong kMarch3 = 3u + (3u << 8) + (2017u << 16);

CZrDbEngine FromDiscovery(const EngineInfo& info, std::uint32_t flags) {
    return CZrDbEngine(static_cast<int>(info.dbCode & 0xFF), flags, CZrDate(info.dataDate),
                       info.name.in(), info.engine.in(), info.sessionId);
}

} // namespace

TEST(RepositoryWire, RemoteRepositoryOffersEveryRegisterWithASessionEach) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    std::string codes;
    std::set<CORBA::ULong> sessions;
    for (CORBA::ULong i = 0; i < engines->length(); ++i) {
        const EngineInfo& info = engines[i];
        if (info.dataDate == 0) {
            // The retired entry is on the wire for the client to skip.
            EXPECT_EQ(info.sessionId, 0u);
            continue;
        }
        codes += static_cast<char>(info.dbCode);
        EXPECT_EQ(info.dataDate, kMarch3);
        EXPECT_FALSE(CORBA::is_nil(info.engine));
        EXPECT_NE(info.sessionId, 0u);
        sessions.insert(info.sessionId);
    }
    EXPECT_EQ(codes, "acdeIknopstuw");
    EXPECT_EQ(sessions.size(), codes.size());
}

TEST(RepositoryWire, AWrongPasswordGetsAnErrorTextAndNoEngines) {
    ResetControl();
    CORBA::String_var error, version;
    EngineInfoSeq_var engines =
        Remote()->GetAvailableEngines2(TestClient("wrong"), "", "", error.out(), version.out());
    EXPECT_STRNE(error.in(), "");
    EXPECT_EQ(engines->length(), 0u);
}

TEST(RepositoryWire, OnlyTheLocalRepositoryIsAnAdministration) {
    EXPECT_FALSE(CORBA::is_nil(Local()));
    ZrRepository_var remote = Remote();
    EXPECT_TRUE(CORBA::is_nil(ZrAdmin::_narrow(remote)));
    EXPECT_TRUE(remote->_is_a("IDL:ZrRepository:1.0"));
    EXPECT_TRUE(Local()->_is_a("IDL:ZrRepository:1.0"));
}

TEST(RepositoryWire, TheLocalVariantChoosesEnginesByName) {
    ResetControl();
    ZrAdmin_var local = Local();
    EXPECT_EQ(Logon(local, "*")->length(), 3u);
    EXPECT_EQ(Logon(local, "")->length(), 3u);
    EngineInfoSeq_var office = Logon(local, "office");
    ASSERT_EQ(office->length(), 2u);
    EXPECT_STREQ(office[0].name.in(), "Office");
    EXPECT_EQ(Logon(local, "Nowhere")->length(), 0u);
}

TEST(RepositoryWire, TheInternationalRegisterComesAsCapitalI) {
    ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    const CZrDbEngine engine = FromDiscovery(Find(engines, 'I'), CZrDbEngine::kInternet);
    EXPECT_EQ(engine.GetDbCode(), 'i');
    EXPECT_EQ(engine.GetEngineCode(), 'I');
    EXPECT_EQ(engine.GetDate().Format(), "3 Mar 2017");
}

TEST(RepositoryWire, DisconnectDropsTheSessionOnce) {
    ZrTestControl_var control = ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    const EngineInfo& info = Find(engines, 'u');
    CZrDbEngine engine = FromDiscovery(info, CZrDbEngine::kInternet);
    CZrDbEngine copy = engine;

    engine.Disconnect(kPassword);
    EXPECT_EQ(engine.GetSessionId(), 0u);
    EXPECT_EQ(LoggedCalls(control, ".DropSession(").size(), 1u);
    engine.Disconnect(kPassword);
    EXPECT_EQ(LoggedCalls(control, ".DropSession(").size(), 1u);

    // The session is gone on the server: the copy's calls with it are refused.
    CORBA::Boolean started = false;
    EXPECT_THROW(
        copy.GetEngine()->StartSearch2(copy.GetSessionId(), "APPNO=\"1-\"", "", "", "", 0, started),
        CORBA::NO_PERMISSION);
}

TEST(RepositoryWire, DisconnectFromALostEngineStillForgetsTheSession) {
    ZrTestControl_var control = ResetControl();
    EngineInfoSeq_var engines = Logon(Remote(), "");
    CZrDbEngine engine = FromDiscovery(Find(engines, 'c'), CZrDbEngine::kInternet);
    control->SetEngineFault("c", "commFailure", "", 0);
    engine.Disconnect(kPassword);
    EXPECT_EQ(engine.GetSessionId(), 0u);
}

TEST(RepositoryWire, RepositoryTextsReachTheClient) {
    ZrTestControl_var control = ResetControl();
    control->SetRepositoryFault("remote", "newVersion",
                                "4\t4.6.0\thttp://example.invalid/setup\t"
                                "Please update\tFaster searches",
                                0);
    std::string error, version;
    Logon(Remote(), "", &error, &version);
    EXPECT_EQ(error, "");
    EXPECT_EQ(version, "4\t4.6.0\thttp://example.invalid/setup\tPlease update\tFaster searches");

    control->SetRepositoryFault("local", "error", "Licence expired", 0);
    EngineInfoSeq_var engines = Logon(Local(), "*", &error);
    EXPECT_EQ(error, "Licence expired");
    EXPECT_EQ(engines->length(), 0u);
}

TEST(RepositoryWire, SearchesAreLoggedWithTheLocalRepository) {
    ZrTestControl_var control = ResetControl();
    Local()->LogSearch(kUserId, "Client Ltd", "Exam 7", "UK: WD:ACME");
    EXPECT_EQ(LoggedCalls(control, "local.LogSearch(\"examiner\",\"Client Ltd\",\"Exam 7\"").size(),
              1u);
}
