#pragma once
// A web session for one thread: the caller's time-outs, connect retries with back-off, kept-alive
// connections, cookies kept per host in memory, the environment's proxy and a credentials
// callback for a proxy that asks for them. Pages and sites fetch through it.

#include "web/HtmlUrl.h"
#include "web/HttpTransport.h"
#include "web/NameValuePairs.h"
#include "web/WebOptions.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class CWebClient {
public:
    // Asked when a proxy answers 407, with the proxy's address and the options' cancel (which a
    // handler that waits for the user heeds); no answer means the user cancelled, and the
    // exchange ends with that 407. A client without a handler of its own asks the one installed
    // for the program (CScopedProxyCredentialsHandler).
    using ProxyCredentialsHandler = std::function<std::optional<ProxyCredentials>(
        const std::string& proxy, const std::function<bool()>& isCancelled)>;

    // Over libcurl.
    explicit CWebClient(const CWebOptions& options = {});
    CWebClient(const CWebOptions& options, std::unique_ptr<IHttpTransport> transport);
    CWebClient(const CWebClient&) = delete;
    CWebClient& operator=(const CWebClient&) = delete;

    // One exchange with an http or https address: the host's cookies are sent and those the
    // response sets are kept; a connection that cannot be made is tried again after the
    // back-off, and a proxy's 407 asks the credentials handler. Once the options' cancel answers
    // true no exchange starts and none is tried again.
    HttpReply Exchange(HttpExchange exchange);

    // Cookies are kept by host name (without port, ignoring case); a later one of the same name
    // replaces the earlier.
    void SetCookie(const std::string& host, const std::string& name, const std::string& value);
    NameValuePairs GetCookies(const std::string& host) const;

    void SetProxyCredentialsHandler(ProxyCredentialsHandler handler) {
        proxyCredentialsHandler_ = std::move(handler);
    }

private:
    bool IsCancelled() const { return options_.isCancelled && options_.isCancelled(); }
    void KeepCookies(const std::string& host, const std::string& headers);

    CWebOptions options_;
    std::unique_ptr<IHttpTransport> transport_;
    std::map<std::string, NameValuePairs> cookies_;
    ProxyCredentialsHandler proxyCredentialsHandler_;
    std::optional<ProxyCredentials> proxyCredentials_;
};

// Installs, for its lifetime, the handler asked by every client without one of its own: the
// program's credentials dialog, which answers whichever thread asks. Without one a 407 stands.
class CScopedProxyCredentialsHandler {
public:
    explicit CScopedProxyCredentialsHandler(CWebClient::ProxyCredentialsHandler handler);
    ~CScopedProxyCredentialsHandler();
    CScopedProxyCredentialsHandler(const CScopedProxyCredentialsHandler&) = delete;
    CScopedProxyCredentialsHandler& operator=(const CScopedProxyCredentialsHandler&) = delete;

private:
    CWebClient::ProxyCredentialsHandler previous_;
};

// A web client with the server that object paths are sent to: what a page is fetched on.
class CWebConnection {
public:
    CWebConnection(CWebClient& client, CHtmlUrl server)
        : client_(client), server_(std::move(server)) {}
    CWebClient& GetClient() const { return client_; }
    const CHtmlUrl& GetServer() const { return server_; }

private:
    CWebClient& client_;
    CHtmlUrl server_;
};
