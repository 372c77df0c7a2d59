#include "web/HtmlSite.h"

#include "web/FormParser.h"

#include <algorithm>

CHtmlSite::CHtmlSite(CWebClient& client, CHtmlUrl server)
    : client_(client), server_(std::move(server)) {}

CWebConnection* CHtmlSite::GetConnection(std::string& error) {
    if (!connection_) {
        if (!server_.IsWeb()) {
            error = "Cannot get connection to " + GetHostName();
            return nullptr;
        }
        connection_.emplace(client_, server_);
    }
    return &*connection_;
}

bool CHtmlSite::FetchDetails(const CHtmlRequest& request, CHtmlPage& page, std::string& error,
                             CWebConnection* connection) {
    if (!connection && !(connection = GetConnection(error)))
        return false;
    page.FetchRequest(*connection, request);
    error = page.GetError();
    return error.empty();
}

void CHtmlSite::SetGet(CHtmlRequest& request, const CHtmlUrl& server, std::string_view path,
                       std::string_view query) {
    request.Set(server.GetScheme(), server.GetHost(), path, query, false);
}

bool CHtmlSite::FetchStep(CHtmlPage& page, const CHtmlUrl& url, std::string& error) {
    CHtmlRequest request;
    request.SetUrl(url.ToString(), false);
    return FetchDetails(request, page, error);
}

bool CHtmlSite::FetchForm(const CHtmlRequest& request, std::string_view name, CHtmlRequest& form,
                          std::string& error) {
    CHtmlPageFormParser page;
    if (!FetchDetails(request, page, error))
        return false;
    const CHtmlRequest* found = page.GetForm(name);
    if (!found || !found->GetHtmlUrl().IsWeb())
        return false;
    form = *found;
    return true;
}

bool CHtmlSite::FetchForm(const CHtmlUrl& url, std::string_view name, CHtmlRequest& form,
                          std::string& error) {
    CHtmlRequest request;
    request.SetUrl(url.ToString(), false);
    return FetchForm(request, name, form, error);
}

void CHtmlSite::SetBrowserRequest(CHtmlRequest& request, const CHtmlUrl& url, bool isPost) const {
    request.SetUrl(url.ToString(), isPost);
    request.SetCookies(client_.GetCookies(url.GetHostName()));
}

bool ResolveOnPage(const CHtmlPage& page, std::string_view link, CHtmlUrl& url) {
    if (link.empty())
        return false;
    url.SetUrl(page.ResolveLink(link));
    return url.IsWeb();
}

std::string WithoutChars(std::string text, std::string_view characters) {
    std::erase_if(text, [&](char c) { return characters.find(c) != std::string_view::npos; });
    return text;
}

std::string ZeroPadded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}
