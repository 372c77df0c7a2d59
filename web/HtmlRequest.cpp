#include "web/HtmlRequest.h"

#include "registers/AsciiText.h"
#include "web/UrlCoding.h"

#include <algorithm>

void CHtmlParams::Add(std::string_view name, std::string_view value) {
    pairs_.emplace_back(name, value);
}

void CHtmlParams::Set(std::string_view name, std::string_view value) {
    const auto found = std::find_if(pairs_.begin(), pairs_.end(), [&](const auto& pair) {
        return EqualsNoCase(pair.first, name);
    });
    if (found == pairs_.end())
        Add(name, value);
    else
        found->second = value;
}

std::string CHtmlParams::ToString() const {
    std::string text;
    for (const auto& [name, value] : pairs_) {
        if (!text.empty())
            text += '&';
        text += UrlEncode(name);
        text += '=';
        text += UrlEncode(value);
    }
    return text;
}

void CHtmlRequest::Clear() {
    url_.Clear();
    fields_.Clear();
    isPost_ = false;
    cookies_.clear();
}

void CHtmlRequest::Set(std::string_view scheme, std::string_view host, std::string_view path,
                       std::string_view query, bool isPost) {
    std::string text = std::string(scheme) + std::string(host) + std::string(path);
    if (!query.empty())
        text += "?" + std::string(query);
    SetUrl(text, isPost);
}

void CHtmlRequest::SetUrl(std::string_view text, bool isPost) {
    url_.SetUrl(text);
    fields_.Clear();
    isPost_ = isPost;
}
