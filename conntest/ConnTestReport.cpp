#include "conntest/ConnTestReport.h"

#include <ctime>

namespace {

constexpr const char* kNewLine = "\r\n";
constexpr const char* kMailSubject = "ZRProTestWin Report";
constexpr const char* kMailBody = "Please paste (Ctrl+V) clipboard contents here:";

// Mail programs read a mailto field by URL rules: a "+" may turn into a blank and a raw blank
// may end the link, so everything beyond the unreserved characters is escaped.
std::string PercentEncoded(const std::string& text) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0x0f];
        }
    }
    return encoded;
}

} // namespace

void CConnTestReport::Start(const std::string& time) {
    text_ = std::string(kNewLine) + "Test started at " + time + kNewLine + kNewLine;
}

void CConnTestReport::Complete(const std::string& time) {
    text_ += std::string(kNewLine) + "Test completed at " + time + kNewLine + kNewLine;
}

void CConnTestReport::LogLine(const std::string& line) {
    text_ += line + kNewLine;
    window_.LogLine(line);
}

void CConnTestReport::LogConclusion(const std::string& line) {
    text_ += "CONCLUSION: " + line + kNewLine;
    window_.LogConclusion(line);
}

void CConnTestReport::SetPortRow(const std::string& name, int port, const std::string& mainText,
                                 const std::string& altText) {
    window_.SetPortRow(name, port, mainText, altText);
}

void CConnTestReport::ShowMessage(const std::string& text) {
    window_.ShowMessage(text);
}

std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[128] = {};
    if (!localtime_r(&now, &local) || std::strftime(text, sizeof text, "%c", &local) == 0)
        return std::to_string(now);
    return text;
}

std::string RunConnTest(const ConnTestConfig& config, ConnTestNetwork& network,
                        IConnTestListener& window, bool testAll, bool doHttp,
                        const std::function<std::string()>& now) {
    CConnTestReport report(window);
    report.Start(now());
    CConnTester(config, network, report).RunTests(testAll, doHttp);
    report.Complete(now());
    return report.Text();
}

std::string SupportMailLink(const std::string& supportAddress) {
    return "mailto:" + supportAddress + "?subject=" + PercentEncoded(kMailSubject) +
           "&body=" + PercentEncoded(kMailBody);
}
