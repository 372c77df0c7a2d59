#include "conntest/WinsockErrors.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <netdb.h>

TEST(WinsockErrorName, KnowsTheTwentyThreeNamesByTheirCodes) {
    EXPECT_EQ(WinsockErrorName(10061), "WSAECONNREFUSED");
    EXPECT_EQ(WinsockErrorName(10060), "WSAETIMEDOUT");
    EXPECT_EQ(WinsockErrorName(10004), "WSAEINTR");
    EXPECT_EQ(WinsockErrorName(10093), "WSANOTINITIALISED");
    EXPECT_EQ(WinsockErrorName(11001), "WSAHOST_NOT_FOUND");
    EXPECT_EQ(WinsockErrorName(11004), "WSANO_DATA");
    int known = 0;
    for (int code = 0; code < 12000; ++code)
        known += WinsockErrorName(code).rfind("WSA", 0) == 0;
    EXPECT_EQ(known, 23);
}

TEST(WinsockErrorName, UnknownCodesShowTheirNumber) {
    EXPECT_EQ(WinsockErrorName(12345), "Unrecognised error code: 12345");
    EXPECT_EQ(WinsockErrorName(0), "Unrecognised error code: 0");
    EXPECT_EQ(WinsockErrorName(-3), "Unrecognised error code: -3");
}

TEST(WinsockCodeFromErrno, MapsTheConnectFailures) {
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(ECONNREFUSED)), "WSAECONNREFUSED");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(ETIMEDOUT)), "WSAETIMEDOUT");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(ENETUNREACH)), "WSAENETUNREACH");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(EHOSTUNREACH)), "WSAENETUNREACH");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(EPERM)), "WSAEACCES");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(EADDRNOTAVAIL)), "WSAEADDRNOTAVAIL");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(EMFILE)), "WSAENOBUFS");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromErrno(EAFNOSUPPORT)), "WSAEAFNOSUPPORT");
    EXPECT_EQ(WinsockCodeFromErrno(EPIPE), EPIPE); // no counterpart: the number is kept
}

TEST(WinsockCodeFromGai, MapsTheResolverResults) {
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_NONAME, 0)), "WSAHOST_NOT_FOUND");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_AGAIN, 0)), "WSATRY_AGAIN");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_FAIL, 0)), "WSANO_RECOVERY");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_NODATA, 0)), "WSANO_DATA");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_ADDRFAMILY, 0)), "WSANO_DATA");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_MEMORY, 0)), "WSAENOBUFS");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_BADFLAGS, 0)), "WSAEINVAL");
    EXPECT_EQ(WinsockErrorName(WinsockCodeFromGai(EAI_SYSTEM, ENETDOWN)), "WSAENETDOWN");
}
