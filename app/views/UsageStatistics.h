#pragma once
// The address of the maker's usage statistics page, made from the web login's answers.

#include "app/views/ViewServices.h"
#include "web/HtmlUrl.h"
#include "web/WebOptions.h"

#include <string>

class CSystemOptions;

// The web login of the maker's server ([WebServers] Maker of the system settings): the form of
// the logged-in user posted with the short limits of the maker's pages. A failure comes back as
// its text, worded as every page that found no server is, for the view to tell once.
class CMakerWebLogin : public IWebLogin {
public:
    explicit CMakerWebLogin(const CSystemOptions& system);
    bool Login(const std::string& companyId, const std::string& userId, const std::string& password,
               CWebLoginAnswers& answers, std::string& errorText) override;
    std::string GetHost() const override { return server_.GetHost(); }

private:
    CHtmlUrl server_;
    CWebOptions options_;
};

// "http://<host>/cgi-bin/du2v.dll?Custom=zrstarta.htt&cookie=..&cname=..&company=..&db=..&
// oneclass=1|0", the answers urlencoded so that none can change the address's structure.
std::string BuildUsageStatisticsUrl(const std::string& host, const CWebLoginAnswers& answers,
                                    const std::string& databaseCodes, bool oneClassOnly);
