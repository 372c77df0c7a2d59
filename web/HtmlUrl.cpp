#include "web/HtmlUrl.h"

#include "registers/AsciiText.h"
#include "web/UrlCoding.h"

#include <charconv>

namespace {

// The length of the scheme name at the start of the text (a letter, then letters, digits, "+",
// "." and "-") when a ":" follows it; 0 otherwise.
std::size_t SchemeNameLength(std::string_view text) {
    if (text.empty() || !IsAsciiLetter(text[0]))
        return 0;
    std::size_t i = 1;
    while (i < text.size() && (IsAsciiLetter(text[i]) || IsAsciiDigit(text[i]) || text[i] == '+' ||
                               text[i] == '.' || text[i] == '-'))
        ++i;
    return i < text.size() && text[i] == ':' ? i : 0;
}

// The length of the scheme with its "://" or ":\\" separator at the start of the text; 0 when
// the text does not start with one.
std::size_t SchemeLength(std::string_view text) {
    const std::size_t name = SchemeNameLength(text);
    const std::string_view separator = text.substr(name, 3);
    return name > 0 && (separator == "://" || separator == ":\\\\") ? name + 3 : 0;
}

// Where ":port" begins in a host text, or npos when it has none ("[::1]" is no port).
std::size_t PortColon(std::string_view host) {
    const std::size_t colon = host.rfind(':');
    if (colon == std::string_view::npos || host.find(']', colon) != std::string_view::npos)
        return std::string_view::npos;
    return colon;
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

void CHtmlUrl::SetUrl(std::string_view text, const CHtmlUrl* base) {
    *this = CHtmlUrl();
    std::string_view rest = text;
    if (const std::size_t length = SchemeLength(text)) {
        scheme_ = text.substr(0, length);
        port_ = EqualsNoCase(scheme_, "https://") ? 443 : 80;
        rest.remove_prefix(length);
        const std::size_t slash = rest.find_first_of("/\\");
        host_ = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
        if (const std::size_t colon = PortColon(host_); colon != std::string_view::npos) {
            int port = 0;
            const char* end = host_.data() + host_.size();
            const auto [next, error] = std::from_chars(host_.data() + colon + 1, end, port);
            if (error == std::errc() && next == end && port > 0 && port < 65536)
                port_ = port;
        }
    }

    const std::size_t question = rest.find('?');
    const bool hasQuery = question != std::string_view::npos;
    const bool absolutePath = !rest.empty() && IsSeparator(rest[0]);
    if (hasQuery) {
        query_ = rest.substr(question + 1);
        rest = rest.substr(0, question);
    }

    std::size_t separator = rest.rfind('/');
    if (separator == std::string_view::npos)
        separator = rest.rfind('\\');
    if (separator != std::string_view::npos) {
        directory_ = rest.substr(0, separator);
        file_ = rest.substr(separator + 1);
    } else if (scheme_.empty()) {
        file_ = rest;
    }
    // "http://h/abc" names the directory /abc.
    if (!host_.empty() && directory_.empty() && !file_.empty() &&
        file_.find('.') == std::string::npos) {
        directory_ = "/" + file_;
        file_.clear();
    }
    if (const std::size_t hash = file_.find('#'); hash != std::string::npos) {
        fragment_ = file_.substr(hash);
        file_.resize(hash);
    }

    if (base && scheme_.empty())
        ResolveAgainst(*base, hasQuery, absolutePath);
}

void CHtmlUrl::ResolveAgainst(const CHtmlUrl& base, bool hasQuery, bool absolutePath) {
    scheme_ = base.scheme_;
    host_ = base.host_;
    port_ = base.port_;
    if (absolutePath) {
        // A path from the root stays, also one of a file in the root ("/a.htm").
    } else if (!directory_.empty()) {
        std::string baseDirectory = base.directory_;
        std::string_view relative = directory_;
        while (relative.size() > 2 &&
               (relative.starts_with("../") || relative.starts_with("..\\"))) {
            relative.remove_prefix(3);
            std::size_t cut = baseDirectory.rfind('/');
            if (cut == std::string::npos)
                cut = baseDirectory.rfind('\\');
            baseDirectory.resize(cut == std::string::npos ? 0 : cut);
        }
        directory_ = baseDirectory + "/" + std::string(relative);
    } else {
        directory_ = base.directory_;
        // An empty, query-only or fragment-only reference names the base document itself.
        if (file_.empty()) {
            file_ = base.file_;
            if (!hasQuery)
                query_ = base.query_;
        }
    }
    if (port_ == 0)
        port_ = 80;
}

void CHtmlUrl::Resolve(std::string_view text) {
    const CHtmlUrl base = *this;
    SetUrl(text, &base);
}

void CHtmlUrl::AddParam(std::string_view name, std::string_view value) {
    if (!query_.empty())
        query_ += '&';
    query_ += UrlEncode(name);
    query_ += '=';
    query_ += UrlEncode(value);
}

std::string CHtmlUrl::ToString() const {
    return scheme_ + host_ + GetObject();
}

std::string CHtmlUrl::GetObject() const {
    std::string object = directory_ + "/" + file_;
    if (!query_.empty())
        object += "?" + query_;
    return object;
}

bool CHtmlUrl::IsWeb() const {
    return (EqualsNoCase(scheme_, "http://") || EqualsNoCase(scheme_, "https://")) &&
           !GetHostName().empty();
}

std::string CHtmlUrl::GetHostName() const {
    std::string name = host_.substr(0, PortColon(host_));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

CHtmlUrl ResolveWebUrl(std::string_view link, const CHtmlUrl& base) {
    // "mailto:", "javascript:" and their like name no document on the base's server.
    if (SchemeNameLength(link) > 0 && SchemeLength(link) == 0)
        return {};
    CHtmlUrl url(link, &base);
    return url.IsWeb() ? url : CHtmlUrl();
}
