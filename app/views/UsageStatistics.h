#pragma once
// The address of the maker's usage statistics page, made from the web login's answers.

#include "app/views/ViewServices.h"

#include <string>

// "http://<host>/cgi-bin/du2v.dll?Custom=zrstarta.htt&cookie=..&cname=..&company=..&db=..&
// oneclass=1|0", the answers urlencoded so that none can change the address's structure.
std::string BuildUsageStatisticsUrl(const std::string& host, const CWebLoginAnswers& answers,
                                    const std::string& databaseCodes, bool oneClassOnly);
