#include "conntest/SystemNetwork.h"

#include "LoopbackServers.h"
#include "conntest/CurlHttpClient.h"
#include "conntest/WinsockErrors.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(SocketStack, StartsWhereSocketsCanBeMade) {
    const StackStatus status = CSocketStack().Start();
    EXPECT_EQ(status.error, 0);
    EXPECT_THAT(status.description, StartsWith("Linux"));
    EXPECT_EQ(status.systemStatus, "Running");
}

TEST(SystemResolver, GivesTheFirstIPv4AddressInDottedForm) {
    CSystemResolver resolver;
    for (const char* host : {"localhost", "127.0.0.1"}) {
        const Resolution resolution = resolver.Resolve(host);
        EXPECT_EQ(resolution.error, 0) << host;
        EXPECT_EQ(resolution.address, "127.0.0.1") << host;
    }
}

TEST(TcpConnector, OpenAndRefusedPorts) {
    const OpenPort open;
    const RefusedPort refused;
    CTcpConnector connector(2s);
    EXPECT_EQ(connector.Connect("127.0.0.1", open.Port()), 0);
    EXPECT_EQ(connector.Connect("localhost", open.Port()), 0);
    EXPECT_EQ(WinsockErrorName(connector.Connect("127.0.0.1", refused.Port())), "WSAECONNREFUSED");
}

TEST(TcpConnector, GivesUpOnASilentPortAfterItsTimeOut) {
    const SilentPort silent;
    CTcpConnector connector(300ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WinsockErrorName(connector.Connect("127.0.0.1", silent.Port())), "WSAETIMEDOUT");
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 10s); // the system's own connect time-out would take minutes
}

TEST(TcpConnector, RejectsPortsOutsideTheRange) {
    CTcpConnector connector(1s);
    EXPECT_EQ(connector.Connect("127.0.0.1", 0), winsock::kEINVAL);
    EXPECT_EQ(connector.Connect("127.0.0.1", 65536), winsock::kEINVAL);
}

class CurlHttpClient : public ::testing::Test {
protected:
    void SetUp() override { ClearProxyEnvironment(); }
};

TEST_F(CurlHttpClient, CountsTheBodyOfA200AndAsksTheServerItself) {
    const HttpServer server(200, 20000);
    const HttpResult result = CCurlHttpClient(2s, server.Port()).Get("127.0.0.1");
    EXPECT_EQ(result.failure, "");
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.bodyBytes, 20000u);
    ASSERT_EQ(server.Requests().size(), 1u);
    const std::string request = server.Requests()[0];
    EXPECT_THAT(request, StartsWith("GET / HTTP/1.1\r\n"));
    EXPECT_THAT(request, HasSubstr("User-Agent: ZRProTest\r\n"));
    EXPECT_THAT(request, HasSubstr("Cache-Control: no-cache\r\n"));
}

TEST_F(CurlHttpClient, ReportsOtherStatusCodes) {
    const HttpServer server(404, 3000);
    const HttpResult result = CCurlHttpClient(2s, server.Port()).Get("127.0.0.1");
    EXPECT_EQ(result.failure, "");
    EXPECT_EQ(result.status, 404);
}

TEST_F(CurlHttpClient, GivesTheLibraryMessageWhenNoAnswerComes) {
    const RefusedPort refused;
    const HttpResult refusedResult = CCurlHttpClient(2s, refused.Port()).Get("127.0.0.1");
    EXPECT_THAT(refusedResult.failure, HasSubstr("127.0.0.1"));
    EXPECT_EQ(refusedResult.status, 0);

    const SilentPort silent;
    const HttpResult silentResult = CCurlHttpClient(300ms, silent.Port()).Get("127.0.0.1");
    EXPECT_THAT(silentResult.failure, ContainsRegex("[Tt]imeout"));
}
