#include "app/views/UsageStatistics.h"

#include "app/MakerServer.h"
#include "web/CurlTransport.h"
#include "web/HttpStatus.h"
#include "web/MakerPages.h"
#include "web/NoAnswer.h"
#include "web/UrlCoding.h"
#include "web/WebServers.h"

namespace {

// The login page keeping its failure for the caller instead of telling the user itself.
class CQuietWebLoginPage : public CWebLoginPage {
public:
    using CWebLoginPage::CWebLoginPage;
    const std::string& GetFailure() const { return failure_; }

protected:
    void ShowError(const std::string& text) override { failure_ = text; }
    void ShowHttpError(int status) override { failure_ = HttpStatusText(status); }

private:
    std::string failure_;
};

CHtmlUrl MakerServer(const CSystemOptions& system) {
    CWebServers servers;
    servers.Load(system);
    return servers.Get(WebServer::Maker);
}

} // namespace

CMakerWebLogin::CMakerWebLogin(const CSystemOptions& system)
    : server_(MakerServer(system)), options_(MakerPageOptions()) {}

bool CMakerWebLogin::Login(const std::string& companyId, const std::string& userId,
                           const std::string& password, CWebLoginAnswers& answers,
                           std::string& errorText) {
    CNoAnswerWording wording("The usage statistics", "Usage Statistics on the Tools menu");
    CWebClient client(options_, wording.Watch(std::make_unique<CCurlTransport>(options_)));
    CWebConnection connection(client, server_);
    CQuietWebLoginPage page(connection);
    page.AddParam("compid", companyId);
    page.AddParam("userid", userId);
    page.AddParam("pass", password);
    if (!page.Post()) {
        errorText = wording.Word(page.GetFailure());
        return false;
    }
    answers = {page.GetCompany(), page.GetCName(), page.GetCookie()};
    return true;
}

std::string BuildUsageStatisticsUrl(const std::string& host, const CWebLoginAnswers& answers,
                                    const std::string& databaseCodes, bool oneClassOnly) {
    return "http://" + host +
           "/cgi-bin/du2v.dll?Custom=zrstarta.htt&cookie=" + UrlEncode(answers.cookie) +
           "&cname=" + UrlEncode(answers.clientName) + "&company=" + UrlEncode(answers.company) +
           "&db=" + UrlEncode(databaseCodes) + "&oneclass=" + (oneClassOnly ? "1" : "0");
}
