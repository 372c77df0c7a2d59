#include "web/HttpFetch.h"

#include "web/HeaderScan.h"
#include "web/HtmlUrl.h"
#include "web/TextEncoding.h"

namespace {

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// A library message without the line end it may carry.
std::string Trimmed(std::string message) {
    if (message.size() > 2 && message.ends_with('\n'))
        message.pop_back();
    if (message.size() > 2 && message.ends_with('\r'))
        message.pop_back();
    return message;
}

// The address a Location names, as written: a whole address as it stands (cut into parts and
// written out again, "http://h/p" would come back as the folder "/p/"), one without its scheme
// on the scheme of the address that answered, a path resolved against that address.
std::string LocationAddress(std::string_view location, const std::string& answered) {
    location = location.substr(0, location.find('#'));
    const CHtmlUrl base(answered);
    if (!CHtmlUrl(location).GetScheme().empty())
        return std::string(location);
    if (location.starts_with("//"))
        return base.GetScheme() + std::string(location.substr(2));
    return CHtmlUrl(location, &base).ToString();
}

} // namespace

FetchOutcome FetchFollowingRedirects(CWebClient& client, HttpExchange exchange) {
    FetchOutcome outcome;
    outcome.url = exchange.url;
    for (int redirects = 0;; ++redirects) {
        outcome.reply = client.Exchange(exchange);
        if (!outcome.reply.error.empty()) {
            outcome.error = Trimmed(outcome.reply.error);
            return outcome;
        }
        const int status = outcome.reply.status;
        if (!IsRedirect(status))
            return outcome;

        const std::string location = ScanHeader(outcome.reply.headers, "Location");
        const std::string prefix = std::to_string(status);
        if (location.empty()) {
            outcome.error = prefix + " without a Location";
            return outcome;
        }
        const std::string target = LocationAddress(location, outcome.url);
        if (!CHtmlUrl(target).IsWeb()) {
            outcome.error = prefix + " to an address that is not http or https: " + location;
            return outcome;
        }
        if (exchange.method == "GET" && target == outcome.url) {
            outcome.error = prefix + " resulting in recursion";
            return outcome;
        }
        if (redirects == kMaxRedirects) {
            outcome.error = "More than " + std::to_string(kMaxRedirects) + " redirects";
            return outcome;
        }
        if (status != 307 && status != 308) {
            exchange.method = "GET";
            exchange.body.clear();
        }
        exchange.url = target;
        outcome.url = target;
    }
}

std::string PageTextOfReply(const HttpReply& reply) {
    return PageTextOfBody(reply.body, ScanHeader(reply.headers, "Content-Type"));
}
