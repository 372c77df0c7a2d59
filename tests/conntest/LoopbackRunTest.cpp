// Whole runs over this machine's real network steps against servers on 127.0.0.1.

#include "FakeNetwork.h"
#include "LoopbackServers.h"
#include "conntest/ConnTestReport.h"
#include "conntest/CurlHttpClient.h"
#include "conntest/SystemNetwork.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

namespace {

class LoopbackRun : public ::testing::Test {
protected:
    void SetUp() override {
        ClearProxyEnvironment();
        config_.mainServer = "127.0.0.1";
        config_.webHost = "localhost";
        utsname system{};
        ASSERT_EQ(uname(&system), 0);
        stackLine_ =
            "... TCP/IP OK (" + std::string(system.sysname) + " " + system.release + " - Running)";
    }

    // Row i of the table goes to `ports[i]`.
    std::string Run(const std::vector<int>& ports, int httpPort, bool testAll) {
        std::map<int, int> mapped;
        for (int row = 0; row < kRowCount; ++row)
            mapped[kFirstPort + row] = ports.at(row);
        ConnTestNetwork network{std::make_unique<CSocketStack>(),
                                std::make_unique<CSystemResolver>(),
                                std::make_unique<CCurlHttpClient>(1s, httpPort),
                                std::make_unique<MappedConnector>(mapped, 300ms)};
        return RunConnTest(config_, network, window_, testAll, true, [] { return kRunTime; });
    }

    Lines LogStart(const std::string& httpLine) const {
        return {"Test 1. Checking for TCP/IP...",
                stackLine_,
                "",
                "Test 2. Checking DNS...",
                "... DNS OK (localhost - 127.0.0.1)",
                "",
                "Test 3. Checking for HTTP access to the outside world...",
                httpLine,
                "",
                "Test 4. Checking ZRpro ports..."};
    }

    static std::string Report(const Lines& log, const Lines& conclusion) {
        std::string text = "\r\nTest started at Thu Jan  1 09:30:00 2004\r\n\r\n";
        for (const std::string& line : log)
            text += line + "\r\n";
        for (const std::string& line : conclusion)
            text += "CONCLUSION: " + line + "\r\n";
        return text + "\r\nTest completed at Thu Jan  1 09:30:00 2004\r\n\r\n";
    }

    ConnTestConfig config_;
    RecordingWindow window_;
    std::string stackLine_;
    const OpenPort open_;
    const RefusedPort refused_;
};

} // namespace

TEST_F(LoopbackRun, EveryPortOpenAndThePageRead) {
    const HttpServer web(200, 6000);
    const std::string report = Run(std::vector<int>(kRowCount, open_.Port()), web.Port(), false);

    Lines log = LogStart("... HTTP OK (127.0.0.1 - read 6000 bytes)");
    for (int row = 0; row < kRowCount; ++row)
        log.push_back("... " + std::string(kConnTestRows[row].testLabel) +
                      " Port open (127.0.0.1:" + std::to_string(kFirstPort + row) + ")");
    log.insert(log.end(), {"", "Tests complete.  See CONCLUSION"});
    const Lines conclusion = {"Your network is correctly configured for full ZRPro access."};

    EXPECT_EQ(window_.log, log);
    EXPECT_EQ(window_.conclusion, conclusion);
    EXPECT_EQ(window_.mainCells, Column("OK", "OK"));
    EXPECT_EQ(window_.altCells, Column("N/A", "Not tested"));
    EXPECT_EQ(report, Report(log, conclusion));
}

TEST_F(LoopbackRun, RefusedAndSilentEnginesWithTestAll) {
    const HttpServer web(200, 4096);
    const SilentPort silent;
    std::vector<int> ports(kRowCount, open_.Port());
    ports[2] = refused_.Port();
    ports[5] = silent.Port();
    const std::string report = Run(ports, web.Port(), true);

    Lines log = LogStart("... HTTP OK (127.0.0.1 - read 4096 bytes)");
    log.insert(log.end(), {"... Main - ZrRepository Port open (127.0.0.1:13573)",
                           "... Main - UK Engine Port open (127.0.0.1:13574)",
                           "... Main - CTM Engine Port closed (127.0.0.1:13575 - WSAECONNREFUSED)",
                           "... Main - US Engine Port open (127.0.0.1:13576)",
                           "... Main - UKDOM Engine Port open (127.0.0.1:13577)",
                           "... Main - DE Engine Port closed (127.0.0.1:13578 - WSAETIMEDOUT)",
                           "... Main - IR Engine Port open (127.0.0.1:13579)",
                           "... Main - IE Engine Port open (127.0.0.1:13580)",
                           "... Main - RW Engine Port open (127.0.0.1:13581)",
                           "... Main - CD Engine Port open (127.0.0.1:13582)", "",
                           "Tests complete.  See CONCLUSION"});
    const Lines conclusion = {
        "You have access to the following databases: UK, US, UKDOM, IN, IE, RW, CD",
        "You do not have access to the following databases: CTM, DE",
        "Too access any of these you need to unblock the corresponding port number"};

    EXPECT_EQ(window_.log, log);
    EXPECT_EQ(window_.conclusion, conclusion);
    EXPECT_EQ(window_.mainCells,
              Lines({"OK", "OK", "Blocked", "OK", "OK", "Blocked", "OK", "OK", "OK", "OK"}));
    EXPECT_EQ(window_.altCells, Column("N/A", "N/A"));
    EXPECT_EQ(report, Report(log, conclusion));
}

TEST_F(LoopbackRun, MissingPageAndRefusedRepository) {
    const HttpServer web(404, 2048);
    std::vector<int> ports(kRowCount, open_.Port());
    ports[0] = refused_.Port();
    const std::string report = Run(ports, web.Port(), false);

    Lines log = LogStart("... HTTP ERROR (127.0.0.1 access failed with code: 404)");
    log.insert(log.end(),
               {"... Main - ZrRepository Port closed (127.0.0.1:13573 - WSAECONNREFUSED)",
                "... No access to main repository, so skipping engine tests", "",
                "Tests complete.  See CONCLUSION"});
    const Lines conclusion = {"There seems to be a problem accessing the Velorin web site.",
                              "Check this application is not being stopped by a firewall and",
                              "make sure you can access localhost with a browser."};

    EXPECT_EQ(window_.log, log);
    EXPECT_EQ(window_.conclusion, conclusion);
    EXPECT_EQ(window_.mainCells, Column("Blocked", "Not tested"));
    EXPECT_EQ(window_.altCells, Column("N/A", "Not tested"));
    EXPECT_TRUE(window_.messages.empty());
    EXPECT_EQ(report, Report(log, conclusion));
}

TEST_F(LoopbackRun, NoWebServerShowsTheLibraryMessage) {
    Run(std::vector<int>(kRowCount, open_.Port()), refused_.Port(), false);
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.log.at(7), "... HTTP ERROR (127.0.0.1 - " + window_.messages[0] + ")");
    EXPECT_EQ(window_.conclusion.at(0),
              "There seems to be a problem accessing the Velorin web site.");
    EXPECT_EQ(window_.mainCells, Column("OK", "OK"));
}

TEST_F(LoopbackRun, EveryStatusButOkIsAFailedPage) {
    for (const int status : {204, 302, 500}) {
        SCOPED_TRACE(status);
        window_ = RecordingWindow();
        const HttpServer web(status, status == 204 ? 0 : 512);
        Run(std::vector<int>(kRowCount, open_.Port()), web.Port(), false);
        EXPECT_EQ(window_.log.at(7), "... HTTP ERROR (127.0.0.1 access failed with code: " +
                                         std::to_string(status) + ")");
        EXPECT_EQ(window_.conclusion,
                  (Lines{"There seems to be a problem accessing the Velorin web site.",
                         "Check this application is not being stopped by a firewall and",
                         "make sure you can access localhost with a browser."}));
        EXPECT_TRUE(window_.messages.empty());
    }
}
