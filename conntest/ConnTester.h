#pragma once
// The fixed test sequence of the connectivity test: TCP/IP stack, name resolution, HTTP access
// and the repository and engine ports of the main server, then the conclusion and the status
// table. Free of windows: it tells a listener what to show.

#include "conntest/ConnTestConfig.h"
#include "conntest/Network.h"

#include <array>
#include <string>

// What a run tells its window, line by line as it goes.
class IConnTestListener {
public:
    virtual ~IConnTestListener() = default;
    virtual void LogLine(const std::string& line) = 0;
    virtual void LogConclusion(const std::string& line) = 0;
    // One row of the status table, by its port (13573 to 13582).
    virtual void SetPortRow(const std::string& name, int port, const std::string& mainText,
                            const std::string& altText) = 0;
    // A failure the user is to see at once, besides the log line that records it.
    virtual void ShowMessage(const std::string& text) = 0;
};

// The repository port and the engine ports of the main server; row = port - kFirstPort.
struct ConnTestRow {
    int port;
    const char* database; // row label; the name in the conclusion lists (row 0 is never listed)
    const char* testLabel;
};

inline constexpr int kFirstPort = 13573;
inline constexpr int kRowCount = 10;
extern const std::array<ConnTestRow, kRowCount> kConnTestRows;

class CConnTester {
public:
    CConnTester(const ConnTestConfig& config, ConnTestNetwork& network, IConnTestListener& listener)
        : config_(config), network_(network), listener_(listener) {}

    void RunTests(bool testAll, bool doHttp);

private:
    enum class PortState { NotTested, Open, Closed };

    bool TestTcpIp();
    void TestDns();
    void TestHttp(bool doHttp);
    bool HttpGet(const std::string& server);
    void TestPorts(bool testAll);
    bool TestPort(const ConnTestRow& row);
    void Conclude(bool doHttp);
    void ConcludeOnDatabases();
    void FillStatusTable(bool testAll);

    const ConnTestConfig& config_;
    ConnTestNetwork& network_;
    IConnTestListener& listener_;
    bool tcpIpWorking_ = false;
    bool httpWorking_ = false;
    std::array<PortState, kRowCount> ports_{};
};
