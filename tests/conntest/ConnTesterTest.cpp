#include "FakeNetwork.h"
#include "conntest/ConnTestReport.h"
#include "conntest/WinsockErrors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using Lines = std::vector<std::string>;

namespace {

class ConnTester : public ::testing::Test {
protected:
    ConnTester() {
        config_.mainServer = "203.0.113.5";
        config_.webHost = "www.velorin.test";
        config_.supportAddress = "help@velorin.test";
    }

    std::string Run(bool testAll, bool doHttp) {
        ConnTestNetwork network = fake_.Make();
        return RunConnTest(config_, network, window_, testAll, doHttp, [] { return kRunTime; });
    }

    void CloseAllPorts(int error) {
        for (int port = kFirstPort; port < kFirstPort + kRowCount; ++port)
            fake_.portErrors[port] = error;
    }

    // Every port line of a run in which each port tried answered.
    static Lines OpenPortLines(int firstRow, int lastRow) {
        Lines lines;
        for (int row = firstRow; row <= lastRow; ++row)
            lines.push_back("... " + std::string(kConnTestRows[row].testLabel) +
                            " Port open (203.0.113.5:" + std::to_string(kFirstPort + row) + ")");
        return lines;
    }

    ConnTestConfig config_;
    FakeNetwork fake_;
    RecordingWindow window_;
};

} // namespace

TEST_F(ConnTester, FullAccessWithoutHttpAndTheWholeReport) {
    const std::string report = Run(false, false);

    Lines expectedLog = {"Test 1. Checking for TCP/IP...",
                         "... TCP/IP OK (Linux 6.1.0 - Running)",
                         "",
                         "Test 2. Checking DNS...",
                         "... DNS OK (www.velorin.test - 198.51.100.7)",
                         "",
                         "Test 3. Skipping HTTP tests",
                         "",
                         "Test 4. Checking ZRpro ports..."};
    for (const std::string& line : OpenPortLines(0, 9))
        expectedLog.push_back(line);
    expectedLog.push_back("");
    expectedLog.push_back("Tests complete.  See CONCLUSION");
    EXPECT_EQ(window_.log, expectedLog);
    EXPECT_THAT(window_.conclusion,
                ElementsAre("Your network is correctly configured for full ZRPro access."));
    EXPECT_EQ(window_.mainCells, Column("OK", "OK"));
    EXPECT_EQ(window_.altCells, Column("N/A", "Not tested"));
    EXPECT_THAT(fake_.calls, Not(Contains("get 203.0.113.5")));
    EXPECT_TRUE(window_.messages.empty());

    std::string expectedReport = "\r\nTest started at Thu Jan  1 09:30:00 2004\r\n\r\n";
    for (const std::string& line : expectedLog)
        expectedReport += line + "\r\n";
    expectedReport += "CONCLUSION: Your network is correctly configured for full ZRPro access.\r\n"
                      "\r\nTest completed at Thu Jan  1 09:30:00 2004\r\n\r\n";
    EXPECT_EQ(report, expectedReport);
}

TEST_F(ConnTester, ClosedRepositoryWithoutTestAllLeavesTheEnginesUntested) {
    fake_.portErrors[kFirstPort] = winsock::kECONNREFUSED;
    fake_.http = {"", 200, 70000};
    Run(false, true);

    EXPECT_THAT(window_.log,
                ElementsAre("Test 1. Checking for TCP/IP...",
                            "... TCP/IP OK (Linux 6.1.0 - Running)", "", "Test 2. Checking DNS...",
                            "... DNS OK (www.velorin.test - 198.51.100.7)", "",
                            "Test 3. Checking for HTTP access to the outside world...",
                            "... HTTP OK (203.0.113.5 - read 70000 bytes)", "",
                            "Test 4. Checking ZRpro ports...",
                            "... Main - ZrRepository Port closed (203.0.113.5:13573 - "
                            "WSAECONNREFUSED)",
                            "... No access to main repository, so skipping engine tests", "",
                            "Tests complete.  See CONCLUSION"));
    EXPECT_THAT(window_.conclusion,
                ElementsAre("",
                            "You do not have access to the following databases: UK, CTM, US, "
                            "UKDOM, DE, IN, IE, RW, CD",
                            "Too access any of these you need to unblock the corresponding port "
                            "number"));
    EXPECT_EQ(window_.mainCells, Column("Blocked", "Not tested"));
    EXPECT_EQ(window_.altCells, Column("N/A", "Not tested"));
    EXPECT_THAT(fake_.calls, ElementsAre("start", "resolve www.velorin.test", "get 203.0.113.5",
                                         "connect 203.0.113.5:13573"));
}

TEST_F(ConnTester, TestAllTriesEveryPortAndListsBothSides) {
    CloseAllPorts(winsock::kETIMEDOUT);
    fake_.portErrors.erase(kFirstPort + 1);
    fake_.portErrors.erase(kFirstPort + 6);
    const std::string report = Run(true, true);

    const Lines portLines(window_.log.begin() + 10, window_.log.begin() + 20);
    EXPECT_EQ(portLines[0],
              "... Main - ZrRepository Port closed (203.0.113.5:13573 - WSAETIMEDOUT)");
    EXPECT_EQ(portLines[1], "... Main - UK Engine Port open (203.0.113.5:13574)");
    EXPECT_EQ(portLines[6], "... Main - IR Engine Port open (203.0.113.5:13579)");
    EXPECT_EQ(portLines[9], "... Main - CD Engine Port closed (203.0.113.5:13582 - WSAETIMEDOUT)");
    EXPECT_THAT(window_.log,
                Not(Contains("... No access to main repository, so skipping engine tests")));
    EXPECT_THAT(window_.conclusion,
                ElementsAre("You have access to the following databases: UK, IN",
                            "You do not have access to the following databases: CTM, US, UKDOM, "
                            "DE, IE, RW, CD",
                            "Too access any of these you need to unblock the corresponding port "
                            "number"));
    EXPECT_EQ(window_.mainCells, Lines({"Blocked", "OK", "Blocked", "Blocked", "Blocked", "Blocked",
                                        "OK", "Blocked", "Blocked", "Blocked"}));
    EXPECT_EQ(window_.altCells, Column("N/A", "N/A"));
    EXPECT_NE(report.find("CONCLUSION: You have access to the following databases: UK, IN\r\n"
                          "CONCLUSION: You do not have access"),
              std::string::npos);
}

TEST_F(ConnTester, OneReachableDatabaseIsListedWithoutComma) {
    CloseAllPorts(winsock::kECONNREFUSED);
    fake_.portErrors.erase(kFirstPort);
    fake_.portErrors.erase(kFirstPort + 9);
    Run(false, false);
    EXPECT_EQ(window_.conclusion.at(0), "You have access to the following databases: CD");
    EXPECT_EQ(window_.mainCells, Lines({"OK", "Blocked", "Blocked", "Blocked", "Blocked", "Blocked",
                                        "Blocked", "Blocked", "Blocked", "OK"}));
}

TEST_F(ConnTester, HttpFailureOfTheLibraryIsShownLoggedAndConcluded) {
    fake_.http.failure = "Connection timed out after 5001 milliseconds";
    Run(false, true);

    EXPECT_THAT(window_.messages, ElementsAre("Connection timed out after 5001 milliseconds"));
    EXPECT_THAT(window_.log, Contains("... HTTP ERROR (203.0.113.5 - Connection timed out after "
                                      "5001 milliseconds)"));
    EXPECT_THAT(window_.conclusion,
                ElementsAre("There seems to be a problem accessing the Velorin web site.",
                            "Check this application is not being stopped by a firewall and",
                            "make sure you can access www.velorin.test with a browser."));
    // The ports are still tested and shown.
    EXPECT_EQ(window_.mainCells, Column("OK", "OK"));
}

TEST_F(ConnTester, LongLibraryMessagesAreCutTo256Characters) {
    fake_.http.failure = std::string(300, 'x');
    Run(false, true);
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0], std::string(256, 'x'));
    EXPECT_THAT(window_.log,
                Contains("... HTTP ERROR (203.0.113.5 - " + std::string(256, 'x') + ")"));
}

TEST_F(ConnTester, HttpStatusOtherThan200FailsWithoutMessageBox) {
    fake_.http = {"", 404, 321};
    Run(false, true);
    EXPECT_THAT(window_.log, Contains("... HTTP ERROR (203.0.113.5 access failed with code: 404)"));
    EXPECT_TRUE(window_.messages.empty());
    EXPECT_EQ(window_.conclusion.at(0),
              "There seems to be a problem accessing the Velorin web site.");
}

TEST_F(ConnTester, FailedStackSkipsEverythingAndTestsNoPort) {
    fake_.stack = {winsock::kSYSNOTREADY, "", ""};
    const std::string report = Run(true, true);

    EXPECT_THAT(window_.log,
                ElementsAre("Test 1. Checking for TCP/IP...", "... TCP/IP ERROR: WSASYSNOTREADY"));
    EXPECT_THAT(window_.conclusion,
                ElementsAre("You do not have TCP/IP installed",
                            "You need to use 'control panel'->network to add the TCP/IP protocol"));
    EXPECT_EQ(window_.mainCells, Column("Not tested", "Not tested"));
    EXPECT_EQ(window_.altCells, Column("N/A", "N/A"));
    EXPECT_THAT(fake_.calls, ElementsAre("start"));
    EXPECT_EQ(report, "\r\nTest started at Thu Jan  1 09:30:00 2004\r\n\r\n"
                      "Test 1. Checking for TCP/IP...\r\n"
                      "... TCP/IP ERROR: WSASYSNOTREADY\r\n"
                      "CONCLUSION: You do not have TCP/IP installed\r\n"
                      "CONCLUSION: You need to use 'control panel'->network to add the TCP/IP "
                      "protocol\r\n"
                      "\r\nTest completed at Thu Jan  1 09:30:00 2004\r\n\r\n");
}

TEST_F(ConnTester, DnsOutcomesAreLoggedButDoNotDecide) {
    fake_.resolution = {winsock::kHOST_NOT_FOUND, ""};
    Run(false, false);
    EXPECT_EQ(window_.log.at(4), "... DNS ERROR (www.velorin.test - WSAHOST_NOT_FOUND)");
    EXPECT_THAT(window_.conclusion,
                ElementsAre("Your network is correctly configured for full ZRPro access."));

    window_ = RecordingWindow();
    fake_.resolution = {0, ""};
    Run(false, false);
    EXPECT_EQ(window_.log.at(4), "... DNS ERROR (www.velorin.test - No address returned)");
}

TEST_F(ConnTester, EveryLineReachesTheReportInOrder) {
    fake_.portErrors[kFirstPort + 3] = 12345;
    const std::string report = Run(true, true);
    EXPECT_THAT(window_.log, Contains("... Main - US Engine Port closed (203.0.113.5:13576 - "
                                      "Unrecognised error code: 12345)"));

    std::string lines;
    for (const std::string& line : window_.log)
        lines += line + "\r\n";
    for (const std::string& line : window_.conclusion)
        lines += "CONCLUSION: " + line + "\r\n";
    EXPECT_EQ(report, "\r\nTest started at Thu Jan  1 09:30:00 2004\r\n\r\n" + lines +
                          "\r\nTest completed at Thu Jan  1 09:30:00 2004\r\n\r\n");
}

TEST(SupportMailLink, CarriesTheSubjectAndBodyEscapedForMailPrograms) {
    EXPECT_EQ(SupportMailLink("help@velorin.test"),
              "mailto:help@velorin.test?subject=ZRProTestWin%20Report"
              "&body=Please%20paste%20%28Ctrl%2BV%29%20clipboard%20contents%20here%3A");
}

TEST(LocalTimeText, GivesTheLocaleDateAndTime) {
    EXPECT_FALSE(LocalTimeText().empty());
}
