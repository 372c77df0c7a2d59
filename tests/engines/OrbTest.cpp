// Starting and destroying the ORB, and the limits it is started with, against the local service.

#include "engines/Orb.h"

#include "engines/OrbErrors.h"
#include "tests/support/LocalService.h"

#include <gtest/gtest.h>

using namespace local_service;

namespace {

// Destroys the ORB of the test program for one test and starts it again afterwards.
class Orb : public ::testing::Test {
protected:
    void SetUp() override {
        Process();
        ShutdownOrb();
        ASSERT_TRUE(CORBA::is_nil(GetOrb()));
    }
    void TearDown() override {
        if (CORBA::is_nil(GetOrb())) {
            ASSERT_TRUE(InitOrb());
        }
    }
};

} // namespace

TEST_F(Orb, TheLifetimeObjectStartsAndDestroysTheOrb) {
    {
        const COrbLifetime lifetime;
        EXPECT_TRUE(lifetime.IsStarted());
        EXPECT_FALSE(CORBA::is_nil(GetOrb()));
        EXPECT_GT(Logon(Remote(), "")->length(), 0u);
    }
    EXPECT_TRUE(CORBA::is_nil(GetOrb()));
    ShutdownOrb(); // nothing to destroy: no harm
}

TEST_F(Orb, EveryCallHasTheTimeOutTheOrbWasStartedWith) {
    OrbSettings settings;
    settings.callTimeoutMs = 300;
    const COrbLifetime lifetime(settings);
    ASSERT_TRUE(lifetime.IsStarted());
    ZrTestControl_var control = ResetControl();
    control->SetRepositoryFault("remote", "slow", "", 1500);
    try {
        Logon(Remote(), "");
        ADD_FAILURE() << "the call did not time out";
    } catch (const CORBA::SystemException& e) {
        EXPECT_EQ(SystemExceptionName(e), "TIMEOUT");
        EXPECT_EQ(RepositoryFailureText(e), "W326 Unable to contact the repository.");
    }
    control->SetRepositoryFault("remote", "none", "", 0);
}

TEST_F(Orb, AMillionHitsFitInOneMessage) {
    ASSERT_TRUE(InitOrb());
    // 1,048,576 ids are 4 MB: twice what the ORB lets through unless told otherwise.
    CTestServiceProcess large;
    std::string error;
    ASSERT_TRUE(large.Start({1u << 20, "u"}, error)) << error;
    CORBA::Object_var object = GetOrb()->string_to_object(large.Addresses().remote.c_str());
    EngineInfoSeq_var engines = Logon(ZrRepository::_narrow(object), "");
    const EngineInfo& engine = Find(engines, 'u');
    CORBA::Object_var controlObject = GetOrb()->string_to_object(large.Addresses().control.c_str());
    ZrTestControl::_narrow(controlObject)->SetEngineFault("u", "firstList", "", 1u << 20);

    CORBA::Boolean started = false;
    ZrEngineSearch_var search =
        engine.engine->StartSearch2(engine.sessionId, "APPNO=\"1-\"", "", "", "", 0, started);
    CORBA::String_var status;
    while (!search->GetProgress(status.out())) {
    }
    CORBA::ULong total = 0;
    UlongSeq_var ids = search->GetResults(total);
    EXPECT_EQ(total, 1u << 20);
    EXPECT_EQ(ids->length(), total);
    search->Dispose();
    EXPECT_EQ(large.Stop(), 0);
}
