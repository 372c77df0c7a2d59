#include "engines/OrbErrors.h"

#include "engines/idl/ZrEngine.hh"

#include <gtest/gtest.h>

TEST(OrbErrors, SystemExceptionNames) {
    EXPECT_EQ(SystemExceptionName(CORBA::OBJECT_NOT_EXIST()), "OBJECT_NOT_EXIST");
    EXPECT_EQ(SystemExceptionName(CORBA::COMM_FAILURE()), "COMM_FAILURE");
    EXPECT_EQ(SystemExceptionName(CORBA::TRANSIENT()), "TRANSIENT");
    EXPECT_EQ(SystemExceptionName(CORBA::TIMEOUT()), "TIMEOUT");
    EXPECT_EQ(SystemExceptionName(CORBA::MARSHAL(0, CORBA::COMPLETED_MAYBE)), "MARSHAL");
    EXPECT_EQ(SystemExceptionName(CORBA::BAD_PARAM()), "BAD_PARAM");
    EXPECT_EQ(SystemExceptionName(CORBA::NO_PERMISSION()), "NO_PERMISSION");
    EXPECT_EQ(SystemExceptionName(CORBA::UNKNOWN()), "UNKNOWN");
    // A system exception caught by its base class keeps its name.
    try {
        throw CORBA::TIMEOUT(0, CORBA::COMPLETED_NO);
    } catch (const CORBA::SystemException& e) {
        EXPECT_EQ(SystemExceptionName(e), "TIMEOUT");
    }
}

TEST(OrbErrors, UserExceptionsHaveNoSystemName) {
    EXPECT_EQ(SystemExceptionName(CriteriaInvalid("bad")), "?");
    EXPECT_EQ(SystemExceptionName(TrademarkNotFound("none")), "?");
}

TEST(OrbErrors, ConnectionFailuresIncludeWhatOmniOrb4RaisesForThem) {
    EXPECT_TRUE(IsConnectionFailure(CORBA::COMM_FAILURE()));
    EXPECT_TRUE(IsConnectionFailure(CORBA::OBJECT_NOT_EXIST()));
    EXPECT_TRUE(IsConnectionFailure(CORBA::TRANSIENT()));
    EXPECT_TRUE(IsConnectionFailure(CORBA::TIMEOUT()));
    EXPECT_FALSE(IsConnectionFailure(CORBA::BAD_PARAM()));
    EXPECT_FALSE(IsConnectionFailure(CORBA::MARSHAL()));
}

TEST(OrbErrors, RepositoryFailureTextsAreNeverEmpty) {
    EXPECT_EQ(RepositoryFailureText(CORBA::TRANSIENT()), "W326 Unable to contact the repository.");
    EXPECT_EQ(RepositoryFailureText(CORBA::COMM_FAILURE()),
              "W326 Unable to contact the repository.");
    EXPECT_EQ(RepositoryFailureText(CORBA::NO_PERMISSION()),
              "W326 Repository call failed - NO_PERMISSION");
}

TEST(OrbErrors, FatalErrorText) {
    const omniORB::fatalException fatal("giopStream.cc", 412, "bad state");
    EXPECT_EQ(OmniOrbErrorText(fatal), "W310 omniORB error in giopStream.cc(412) - bad state");
}
