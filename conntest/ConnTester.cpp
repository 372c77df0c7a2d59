#include "conntest/ConnTester.h"

#include "conntest/WinsockErrors.h"

#include <vector>

const std::array<ConnTestRow, kRowCount> kConnTestRows = {{
    {13573, "(Always required)", "Main - ZrRepository"},
    {13574, "UK", "Main - UK Engine"},
    {13575, "CTM", "Main - CTM Engine"},
    {13576, "US", "Main - US Engine"},
    {13577, "UKDOM", "Main - UKDOM Engine"},
    {13578, "DE", "Main - DE Engine"},
    {13579, "IN", "Main - IR Engine"},
    {13580, "IE", "Main - IE Engine"},
    {13581, "RW", "Main - RW Engine"},
    {13582, "CD", "Main - CD Engine"},
}};

namespace {

constexpr std::size_t kLongestMessage = 256;

// The heading followed by " UK, CTM".
std::string NameList(std::string heading, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        heading += (i == 0 ? " " : ", ") + names[i];
    return heading;
}

} // namespace

void CConnTester::RunTests(bool testAll, bool doHttp) {
    tcpIpWorking_ = TestTcpIp();
    if (tcpIpWorking_) {
        TestDns();
        TestHttp(doHttp);
        TestPorts(testAll);
        listener_.LogLine("Tests complete.  See CONCLUSION");
    }
    Conclude(doHttp);
    FillStatusTable(testAll);
}

bool CConnTester::TestTcpIp() {
    listener_.LogLine("Test 1. Checking for TCP/IP...");
    const StackStatus status = network_.stack->Start();
    if (status.error != 0) {
        listener_.LogLine("... TCP/IP ERROR: " + WinsockErrorName(status.error));
        return false;
    }
    listener_.LogLine("... TCP/IP OK (" + status.description + " - " + status.systemStatus + ")");
    listener_.LogLine("");
    return true;
}

void CConnTester::TestDns() {
    listener_.LogLine("Test 2. Checking DNS...");
    const std::string& host = config_.webHost;
    const Resolution resolution = network_.resolver->Resolve(host);
    if (resolution.error != 0)
        listener_.LogLine("... DNS ERROR (" + host + " - " + WinsockErrorName(resolution.error) +
                          ")");
    else if (resolution.address.empty())
        listener_.LogLine("... DNS ERROR (" + host + " - No address returned)");
    else
        listener_.LogLine("... DNS OK (" + host + " - " + resolution.address + ")");
    listener_.LogLine("");
}

void CConnTester::TestHttp(bool doHttp) {
    if (!doHttp) {
        listener_.LogLine("Test 3. Skipping HTTP tests");
    } else {
        listener_.LogLine("Test 3. Checking for HTTP access to the outside world...");
        httpWorking_ = HttpGet(config_.mainServer);
    }
    listener_.LogLine("");
}

bool CConnTester::HttpGet(const std::string& server) {
    const HttpResult result = network_.http->Get(server);
    if (!result.failure.empty()) {
        const std::string message = result.failure.substr(0, kLongestMessage);
        listener_.ShowMessage(message);
        listener_.LogLine("... HTTP ERROR (" + server + " - " + message + ")");
        return false;
    }
    if (result.status != 200) {
        listener_.LogLine("... HTTP ERROR (" + server +
                          " access failed with code: " + std::to_string(result.status) + ")");
        return false;
    }
    listener_.LogLine("... HTTP OK (" + server + " - read " + std::to_string(result.bodyBytes) +
                      " bytes)");
    return true;
}

void CConnTester::TestPorts(bool testAll) {
    listener_.LogLine("Test 4. Checking ZRpro ports...");
    if (TestPort(kConnTestRows[0]) || testAll) {
        for (int row = 1; row < kRowCount; ++row)
            TestPort(kConnTestRows[row]);
    } else {
        listener_.LogLine("... No access to main repository, so skipping engine tests");
    }
    listener_.LogLine("");
}

bool CConnTester::TestPort(const ConnTestRow& row) {
    const std::string& server = config_.mainServer;
    const std::string where = server + ":" + std::to_string(row.port);
    const int error = network_.connector->Connect(server, row.port);
    ports_[row.port - kFirstPort] = error == 0 ? PortState::Open : PortState::Closed;
    if (error != 0) {
        listener_.LogLine("... " + std::string(row.testLabel) + " Port closed (" + where + " - " +
                          WinsockErrorName(error) + ")");
        return false;
    }
    listener_.LogLine("... " + std::string(row.testLabel) + " Port open (" + where + ")");
    return true;
}

void CConnTester::Conclude(bool doHttp) {
    if (!tcpIpWorking_) {
        listener_.LogConclusion("You do not have TCP/IP installed");
        listener_.LogConclusion(
            "You need to use 'control panel'->network to add the TCP/IP protocol");
    } else if (!doHttp || httpWorking_) {
        ConcludeOnDatabases();
    } else {
        listener_.LogConclusion("There seems to be a problem accessing the Velorin web site.");
        listener_.LogConclusion("Check this application is not being stopped by a firewall and");
        listener_.LogConclusion("make sure you can access " + config_.webHost + " with a browser.");
    }
}

void CConnTester::ConcludeOnDatabases() {
    std::vector<std::string> reachable, unreachable;
    for (int row = 1; row < kRowCount; ++row)
        (ports_[row] == PortState::Open ? reachable : unreachable)
            .push_back(kConnTestRows[row].database);
    if (unreachable.empty()) {
        listener_.LogConclusion("Your network is correctly configured for full ZRPro access.");
        return;
    }
    listener_.LogConclusion(
        reachable.empty() ? ""
                          : NameList("You have access to the following databases:", reachable));
    listener_.LogConclusion(
        NameList("You do not have access to the following databases:", unreachable));
    listener_.LogConclusion(
        "Too access any of these you need to unblock the corresponding port number");
}

// A port that was never tried is "Not tested", never "Blocked": after a failed stack start or a
// closed repository nothing is known about it.
void CConnTester::FillStatusTable(bool testAll) {
    for (int row = 0; row < kRowCount; ++row) {
        const PortState state = ports_[row];
        const char* main = state == PortState::Open     ? "OK"
                           : state == PortState::Closed ? "Blocked"
                                                        : "Not tested";
        const char* alt = row == 0 || testAll ? "N/A" : "Not tested";
        listener_.SetPortRow(kConnTestRows[row].database, kConnTestRows[row].port, main, alt);
    }
}
