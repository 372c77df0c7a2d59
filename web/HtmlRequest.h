#pragma once
// Form fields and the request that reaches one register page: URL, fields, GET or POST, and
// the cookies the embedded browser must install before opening it.

#include "web/HtmlUrl.h"
#include "web/NameValuePairs.h"

#include <string>
#include <string_view>

class CHtmlParams {
public:
    void Add(std::string_view name, std::string_view value);
    // Replaces the value of the first field of that name (ignoring case), else appends.
    void Set(std::string_view name, std::string_view value);
    void Clear() { pairs_.clear(); }
    // name=value of every field, each side urlencoded, joined by "&".
    std::string ToString() const;
    const NameValuePairs& GetPairs() const { return pairs_; }

private:
    NameValuePairs pairs_;
};

class CHtmlRequest {
public:
    // URL, fields and cookies emptied; GET.
    void Clear();
    // The URL scheme + host + path, with "?" + query when the query is not empty; fields
    // emptied; cookies kept.
    void Set(std::string_view scheme, std::string_view host, std::string_view path,
             std::string_view query, bool isPost);
    // The URL (no base), fields emptied, GET or POST; cookies kept.
    void SetUrl(std::string_view text, bool isPost);
    // The URL alone.
    void SetUrl(std::string_view text) { url_.SetUrl(text); }

    void AddUrlParam(std::string_view name, std::string_view value) { url_.AddParam(name, value); }
    void AddParam(std::string_view name, std::string_view value) { fields_.Add(name, value); }
    void SetParam(std::string_view name, std::string_view value) { fields_.Set(name, value); }
    void SetCookies(NameValuePairs cookies) { cookies_ = std::move(cookies); }
    const NameValuePairs& GetCookies() const { return cookies_; }

    std::string GetUrl() const { return url_.ToString(); }
    std::string GetObject() const { return url_.GetObject(); }
    std::string GetPostData() const { return fields_.ToString(); }
    const CHtmlUrl& GetHtmlUrl() const { return url_; }
    const CHtmlParams& GetParams() const { return fields_; }
    bool IsPost() const { return isPost_; }
    // The URL has no scheme.
    bool IsLocalFile() const { return url_.GetScheme().empty(); }

private:
    CHtmlUrl url_;
    CHtmlParams fields_;
    bool isPost_ = false;
    NameValuePairs cookies_;
};
