#include "app/views/UsageStatistics.h"

#include <cctype>

namespace {

std::string PercentEncode(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

} // namespace

std::string BuildUsageStatisticsUrl(const std::string& host, const CWebLoginAnswers& answers,
                                    const std::string& databaseCodes, bool oneClassOnly) {
    return "http://" + host +
           "/cgi-bin/du2v.dll?Custom=zrstarta.htt&cookie=" + PercentEncode(answers.cookie) +
           "&cname=" + PercentEncode(answers.clientName) +
           "&company=" + PercentEncode(answers.company) + "&db=" + PercentEncode(databaseCodes) +
           "&oneclass=" + (oneClassOnly ? "1" : "0");
}
