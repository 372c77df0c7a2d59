#include "web/WebClient.h"

#include "registers/AsciiText.h"
#include "web/CurlTransport.h"
#include "web/HeaderScan.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

std::string LowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string CookieHeader(const NameValuePairs& cookies) {
    std::string header = "Cookie: ";
    for (std::size_t i = 0; i < cookies.size(); ++i)
        header += (i ? "; " : "") + cookies[i].first + "=" + cookies[i].second;
    return header;
}

// The proxy the exchange went through, for the credentials dialog.
std::string ProxyName(const CWebOptions& options, const CHtmlUrl& url) {
    if (!options.proxy.empty())
        return options.proxy;
    const bool https = EqualsNoCase(url.GetScheme(), "https://");
    for (const char* name : {https ? "https_proxy" : "http_proxy", "all_proxy"})
        if (const char* value = std::getenv(name))
            return value;
    return {};
}

// The program's handler, asked from any thread.
std::mutex installedHandlerMutex;
CWebClient::ProxyCredentialsHandler installedHandler;

CWebClient::ProxyCredentialsHandler InstalledHandler() {
    std::lock_guard lock(installedHandlerMutex);
    return installedHandler;
}

CWebClient::ProxyCredentialsHandler Install(CWebClient::ProxyCredentialsHandler handler) {
    std::lock_guard lock(installedHandlerMutex);
    return std::exchange(installedHandler, std::move(handler));
}

} // namespace

CScopedProxyCredentialsHandler::CScopedProxyCredentialsHandler(
    CWebClient::ProxyCredentialsHandler handler)
    : previous_(Install(std::move(handler))) {}

CScopedProxyCredentialsHandler::~CScopedProxyCredentialsHandler() {
    Install(std::move(previous_));
}

CWebClient::CWebClient(const CWebOptions& options)
    : CWebClient(options, std::make_unique<CCurlTransport>(options)) {}

CWebClient::CWebClient(const CWebOptions& options, std::unique_ptr<IHttpTransport> transport)
    : options_(options), transport_(std::move(transport)) {}

HttpReply CWebClient::Exchange(HttpExchange exchange) {
    const CHtmlUrl url(exchange.url);
    if (!url.IsWeb()) {
        HttpReply refused;
        refused.error = "Not an http or https address: " + exchange.url;
        return refused;
    }
    if (IsCancelled()) {
        HttpReply cancelled;
        cancelled.error = kCancelledText;
        return cancelled;
    }
    const std::string host = url.GetHostName();
    if (const NameValuePairs cookies = GetCookies(host); !cookies.empty())
        exchange.headers.push_back(CookieHeader(cookies));

    HttpReply reply;
    for (int retries = 0;;) {
        exchange.proxyCredentials = proxyCredentials_;
        reply = transport_->Exchange(exchange);
        if (reply.connectFailed && retries < options_.connectRetries && !IsCancelled()) {
            ++retries;
            std::this_thread::sleep_for(options_.connectBackOff);
            continue;
        }
        if (reply.status == 407) {
            const ProxyCredentialsHandler handler =
                proxyCredentialsHandler_ ? proxyCredentialsHandler_ : InstalledHandler();
            // A proxy's refusal reached no server, so asking again sends nothing twice.
            proxyCredentials_ = handler && !IsCancelled()
                                    ? handler(ProxyName(options_, url), options_.isCancelled)
                                    : std::nullopt;
            if (proxyCredentials_)
                continue;
        }
        break;
    }
    KeepCookies(host, reply.headers);
    return reply;
}

void CWebClient::SetCookie(const std::string& host, const std::string& name,
                           const std::string& value) {
    // A control character would end the Cookie header line and start another.
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20; };
    if (std::any_of(name.begin(), name.end(), isControl) ||
        std::any_of(value.begin(), value.end(), isControl))
        return;
    NameValuePairs& cookies = cookies_[LowerCase(host)];
    const auto same = std::find_if(cookies.begin(), cookies.end(),
                                   [&](const auto& c) { return c.first == name; });
    if (same == cookies.end())
        cookies.emplace_back(name, value);
    else
        same->second = value;
}

NameValuePairs CWebClient::GetCookies(const std::string& host) const {
    const auto found = cookies_.find(LowerCase(host));
    return found == cookies_.end() ? NameValuePairs() : found->second;
}

void CWebClient::KeepCookies(const std::string& host, const std::string& headers) {
    for (const auto& [name, value] : ScanSetCookies(headers))
        SetCookie(host, name, value);
}
