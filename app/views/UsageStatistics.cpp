#include "app/views/UsageStatistics.h"

#include "web/UrlCoding.h"

std::string BuildUsageStatisticsUrl(const std::string& host, const CWebLoginAnswers& answers,
                                    const std::string& databaseCodes, bool oneClassOnly) {
    return "http://" + host +
           "/cgi-bin/du2v.dll?Custom=zrstarta.htt&cookie=" + UrlEncode(answers.cookie) +
           "&cname=" + UrlEncode(answers.clientName) + "&company=" + UrlEncode(answers.company) +
           "&db=" + UrlEncode(databaseCodes) + "&oneclass=" + (oneClassOnly ? "1" : "0");
}
