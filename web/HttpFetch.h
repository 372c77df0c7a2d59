#pragma once
// An exchange with its redirects followed, as pages and form posts fetch.
//
// A Location is fetched as written, from its own host (a relative one resolved against the
// address that answered); 301, 302 and 303 are followed as GET without a body, 307 and 308 keep
// method and body. Only http and https targets are followed, and at most kMaxRedirects of them.

#include "web/WebClient.h"

#include <string>

struct FetchOutcome {
    // The last response.
    HttpReply reply;
    // The address of the last response, as it was fetched.
    std::string url;
    // Why there is no last response to use; empty when there is (whatever its status).
    std::string error;
};

inline constexpr int kMaxRedirects = 10;

FetchOutcome FetchFollowingRedirects(CWebClient& client, HttpExchange exchange);

// The body of a 200 response as the parsers read it (see PageTextOfBody).
std::string PageTextOfReply(const HttpReply& reply);
