#pragma once
// Scripted network steps and a window that records what a run shows, for driving the
// connectivity test without a network.

#include "conntest/ConnTester.h"
#include "conntest/Network.h"

#include <map>
#include <string>
#include <vector>

// Answers every step from its script and records the calls, in order.
class FakeNetwork {
public:
    StackStatus stack{0, "Linux 6.1.0", "Running"};
    Resolution resolution{0, "198.51.100.7"};
    HttpResult http{"", 200, 5120};
    std::map<int, int> portErrors; // by port; a port not listed accepts
    std::vector<std::string> calls;

    // Network steps that answer from this object, which must outlive them.
    ConnTestNetwork Make();
};

class RecordingWindow : public IConnTestListener {
public:
    std::vector<std::string> log;
    std::vector<std::string> conclusion;
    std::vector<std::string> messages;
    std::vector<std::string> mainCells = std::vector<std::string>(kRowCount, "<unset>");
    std::vector<std::string> altCells = std::vector<std::string>(kRowCount, "<unset>");

    void LogLine(const std::string& line) override { log.push_back(line); }
    void LogConclusion(const std::string& line) override { conclusion.push_back(line); }
    void SetPortRow(const std::string& name, int port, const std::string& mainText,
                    const std::string& altText) override;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

// A status column: row 0's text, then one text for the nine engine rows.
std::vector<std::string> Column(const char* repository, const char* engines);

// The time every test run is stamped with.
inline constexpr const char* kRunTime = "Thu Jan  1 09:30:00 2004";
