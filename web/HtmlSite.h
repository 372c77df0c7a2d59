#pragma once
// A register that publishes its own web page per mark. A site turns the mark's packed
// application number into the form the register's web application expects and builds the
// request that reaches the mark's details page, walking through pages and forms where the
// register needs it. The details window hands the request's address (with its cookies) to its
// browser; the difference check fetches it with FetchDetails.
//
// A site and its web client belong to one thread. Sites never throw: they return false with an
// error text, or with an empty one when a walk did not find the link or form it needed.

#include "web/HtmlPage.h"
#include "web/HtmlRequest.h"
#include "web/WebClient.h"
#include "web/WebServers.h"

#include <cstdint>
#include <optional>
#include <string>

class CHtmlSite {
public:
    CHtmlSite(CWebClient& client, CHtmlUrl server);
    virtual ~CHtmlSite() = default;
    CHtmlSite(const CHtmlSite&) = delete;
    CHtmlSite& operator=(const CHtmlSite&) = delete;

    // The connection to the site's server, made on first use; none, with the error "Cannot get
    // connection to <host>", when the server's address is not an http or https one.
    CWebConnection* GetConnection(std::string& error);
    void CloseConnection() { connection_.reset(); }
    std::string GetHostName() const { return server_.GetHost(); }

    // The number as the register's web application writes it.
    virtual std::string FormatAppNum(std::uint32_t number) const = 0;
    virtual bool BuildDetailsRequest(std::uint32_t number, CHtmlRequest& request,
                                     std::string& error) = 0;

    // Fetches the request's address into the page (on the site's connection when none is
    // given); true when the page reports no error, which is copied to `error`.
    bool FetchDetails(const CHtmlRequest& request, CHtmlPage& page, std::string& error,
                      CWebConnection* connection = nullptr);

protected:
    CWebClient& GetClient() const { return client_; }
    const CHtmlUrl& GetServer() const { return server_; }
    // GET of the server's address with the path and (as written) query.
    static void SetGet(CHtmlRequest& request, const CHtmlUrl& server, std::string_view path,
                       std::string_view query = {});
    // One step of a walk: a GET of the address into the page (FetchDetails for a form). A failed
    // fetch ends the walk with the page's error.
    bool FetchStep(CHtmlPage& page, const CHtmlUrl& url, std::string& error);
    // The form of that name (as a browser would submit it) on the page the request fetches;
    // false with the fetch's error, or with none when the page has no such form with an http or
    // https address.
    bool FetchForm(const CHtmlRequest& request, std::string_view name, CHtmlRequest& form,
                   std::string& error);
    bool FetchForm(const CHtmlUrl& url, std::string_view name, CHtmlRequest& form,
                   std::string& error);
    // The request for the browser: the address, GET or POST without fields, with the cookies
    // the client holds for its host (the browser shares no cookies with this client).
    void SetBrowserRequest(CHtmlRequest& request, const CHtmlUrl& url, bool isPost = false) const;

private:
    CWebClient& client_;
    CHtmlUrl server_;
    std::optional<CWebConnection> connection_;
};

// A link of a page, or a form's address, resolved against the page's address: false when the
// link is empty or the result is not http or https (the walk then ends without a request).
bool ResolveOnPage(const CHtmlPage& page, std::string_view link, CHtmlUrl& url);

// The text with every character of `characters` removed.
std::string WithoutChars(std::string text, std::string_view characters);
// The text with '0' put before it until it has `width` characters.
std::string ZeroPadded(std::string text, std::size_t width);
