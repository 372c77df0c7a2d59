#include "app/details/WebRegisterPages.h"

#include "core/DrawSurface.h"
#include "core/Utf8.h"
#include "web/CurlTransport.h"
#include "web/HeaderScan.h"
#include "web/HttpFetch.h"
#include "web/HttpStatus.h"
#include "web/NoAnswer.h"
#include "web/RecordPageSites.h"
#include "web/RegisterSites.h"
#include "web/TextEncoding.h"
#include "web/WalkSites.h"

#include <memory>

namespace {

using namespace std::chrono_literals;

template <class Site>
bool BuildByNumber(CWebClient& client, const CWebServers& servers, const CPageOrder& order,
                   CHtmlRequest& request, std::string& error) {
    Site site(client, servers);
    return site.BuildDetailsRequest(order.key, request, error);
}

// The request of the mark's page, built by the register's site.
bool BuildRequest(CWebClient& client, const CWebServers& servers, const CPageOrder& order,
                  CHtmlRequest& request, std::string& error) {
    switch (order.code) {
    case '0':
    case 'u':
        return CHtmlSiteUk(client, servers).BuildBrowserRequest(order.record, request, error);
    case '1':
    case 'a':
        return CHtmlSiteA6(client, servers).OpenSpecialRegister(order.record, request, error);
    case 'k': {
        // A failed look-up of the registry's form leaves the request at the whois script.
        const bool built =
            CHtmlSiteUkdom(client, servers).BuildWhoisRequest(order.wordMark, request, error);
        error.clear();
        return built;
    }
    case 'c':
        return BuildByNumber<CHtmlSiteCtm>(client, servers, order, request, error);
    case 'd':
        return BuildByNumber<CHtmlSiteDe>(client, servers, order, request, error);
    case 'e':
        return BuildByNumber<CHtmlSiteIe>(client, servers, order, request, error);
    case 'i':
        return BuildByNumber<CHtmlSiteIn>(client, servers, order, request, error);
    case 'n':
        return BuildByNumber<CHtmlSiteCa>(client, servers, order, request, error);
    case 'o':
        return BuildByNumber<CHtmlSiteCd>(client, servers, order, request, error);
    case 'p':
        return BuildByNumber<CHtmlSitePl>(client, servers, order, request, error);
    case 's':
        return BuildByNumber<CHtmlSiteUs>(client, servers, order, request, error);
    case 't':
        return BuildByNumber<CHtmlSiteAu>(client, servers, order, request, error);
    default:
        error = kNoPtoSupportText;
        return false;
    }
}

// One request with its form fields: in the body of a POST, else after the address.
HttpExchange ExchangeOf(const CHtmlRequest& request) {
    HttpExchange exchange;
    exchange.url = request.GetUrl();
    const std::string fields = request.GetPostData();
    if (request.IsPost()) {
        exchange.method = "POST";
        exchange.headers.push_back("Content-Type: application/x-www-form-urlencoded");
        exchange.body = fields;
    } else if (!fields.empty()) {
        exchange.url += (exchange.url.find('?') == std::string::npos ? "?" : "&") + fields;
    }
    return exchange;
}

std::string HtmlForBrowser(const std::string& body, std::string_view contentType) {
    if (IsDeclaredUtf8(body, contentType) && IsValidUtf8(body))
        return body;
    return Utf16ToUtf8(RecordTextToUtf16(body, false));
}

// The mark's page on the client, or why there is none.
void FetchOnClient(CWebClient& client, const CWebServers& servers, const CPageOrder& order,
                   CPageResult& result) {
    CHtmlRequest request;
    if (!BuildRequest(client, servers, order, request, result.error)) {
        // A walk that did not find its link or form says nothing more.
        if (result.error.empty())
            result.error = HttpStatusText(404);
        return;
    }
    // The cookies of a walk are those of this client already; a site may name more.
    const std::string host = request.GetHtmlUrl().GetHostName();
    for (const auto& [name, value] : request.GetCookies())
        client.SetCookie(host, name, value);
    const FetchOutcome outcome = FetchFollowingRedirects(client, ExchangeOf(request));
    if (!outcome.error.empty()) {
        result.error = outcome.error;
    } else if (outcome.reply.status != 200) {
        result.error = HttpStatusText(outcome.reply.status);
    } else {
        const std::string contentType = ScanHeader(outcome.reply.headers, "Content-Type");
        result.url = outcome.url;
        result.html = HtmlForBrowser(outcome.reply.body, contentType);
        result.text = PageTextOfBody(outcome.reply.body, contentType);
    }
}

} // namespace

CWebOptions CWebRegisterPages::DetailsOptions() {
    CWebOptions options;
    options.connectTimeout = 33s;
    options.connectBackOff = 1s;
    options.connectRetries = 3;
    options.receiveTimeout = 60s;
    options.totalTimeout = 90s;
    return options;
}

CPageResult CWebRegisterPages::FetchPage(const CPageOrder& order,
                                         const std::function<bool()>& isCancelled) {
    CPageResult result;
    CWebOptions options = options_;
    options.isCancelled = isCancelled;
    CNoAnswerWording wording("The register's page for " + order.markName,
                             "Reload Original Page on the PTO tab's menu");
    CWebClient client(options, wording.Watch(std::make_unique<CCurlTransport>(options)));
    FetchOnClient(client, servers_, order, result);
    // Whatever failed after an exchange nobody answered failed for want of that answer.
    if (!result.error.empty() && !(isCancelled && isCancelled()))
        result.error = wording.Word(result.error);
    return result;
}
