#pragma once
// One HTTP exchange: a request out, a status, headers and body back, or the reason none came.
// The web client drives it; libcurl implements it (CCurlTransport).

#include <optional>
#include <string>
#include <vector>

struct ProxyCredentials {
    std::string user;
    std::string password;
};

struct HttpExchange {
    // "GET" or "POST".
    std::string method = "GET";
    // An absolute http or https address.
    std::string url;
    // Header lines, "Name: value".
    std::vector<std::string> headers;
    // Sent only with POST.
    std::string body;
    std::optional<ProxyCredentials> proxyCredentials;
};

struct HttpReply {
    // 0 when no response came.
    int status = 0;
    // The response's header lines, CR LF separated, the status line first.
    std::string headers;
    // The address the response came from.
    std::string finalUrl;
    std::string body;
    // Why no complete response came; empty when one did.
    std::string error;
    // No connection could be made, so nothing of the request reached the server.
    bool connectFailed = false;
};

class IHttpTransport {
public:
    virtual ~IHttpTransport() = default;
    // One exchange: no redirect is followed, no retry made.
    virtual HttpReply Exchange(const HttpExchange& exchange) = 0;
};
