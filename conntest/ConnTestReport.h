#pragma once
// One run as the dialog performs it, and the plain-text report that support staff receive:
// the start line, every log line, every conclusion line ("CONCLUSION: " first), the completion
// line, each line ending in CR LF.

#include "conntest/ConnTester.h"

#include <functional>
#include <string>

// Adds each line to the report, then passes it on to the window.
class CConnTestReport : public IConnTestListener {
public:
    explicit CConnTestReport(IConnTestListener& window) : window_(window) {}

    void Start(const std::string& time);
    void Complete(const std::string& time);
    const std::string& Text() const { return text_; }

    void LogLine(const std::string& line) override;
    void LogConclusion(const std::string& line) override;
    void SetPortRow(const std::string& name, int port, const std::string& mainText,
                    const std::string& altText) override;
    void ShowMessage(const std::string& text) override;

private:
    IConnTestListener& window_;
    std::string text_;
};

// The local date and time in the "%c" form of the current locale.
std::string LocalTimeText();

// Runs the whole sequence; returns the report.
std::string RunConnTest(const ConnTestConfig& config, ConnTestNetwork& network,
                        IConnTestListener& window, bool testAll, bool doHttp,
                        const std::function<std::string()>& now = LocalTimeText);

// The link that opens a mail to support, the report being on the clipboard for pasting.
std::string SupportMailLink(const std::string& supportAddress);
