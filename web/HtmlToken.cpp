#include "web/HtmlToken.h"

#include "core/CharRef.h"
#include "registers/AsciiText.h"

namespace {

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsTagNameChar(char c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '-';
}

bool IsAttributeNameChar(char c) {
    return IsTagNameChar(c) || c == '_' || c == ':' || c == '.';
}

std::size_t SkipWhite(std::string_view text, std::size_t i) {
    while (i < text.size() && IsWhite(text[i]))
        ++i;
    return i;
}

template <typename Predicate>
std::size_t SkipWhile(std::string_view text, std::size_t i, Predicate predicate) {
    while (i < text.size() && predicate(text[i]))
        ++i;
    return i;
}

} // namespace

std::string_view CHtmlToken::GetTagName() const {
    std::size_t start = 0;
    if (kind_ == kStartTag)
        start = 1;
    else if (kind_ == kEndTag)
        start = 2;
    else
        return {};
    const std::string_view text(text_);
    if (start > text.size())
        return {};
    return text.substr(start, SkipWhile(text, start, IsTagNameChar) - start);
}

bool CHtmlToken::IsStartTag(std::string_view name) const {
    return kind_ == kStartTag && EqualsNoCase(GetTagName(), name);
}

bool CHtmlToken::IsEndTag(std::string_view name) const {
    return kind_ == kEndTag && EqualsNoCase(GetTagName(), name);
}

std::string CHtmlToken::GetText() const {
    return DecodeCharRefs(text_);
}

template <typename Visit>
void CHtmlToken::VisitAttributes(Visit visit) const {
    if (kind_ != kStartTag)
        return;
    std::string_view text(text_);
    if (text.ends_with('>'))
        text.remove_suffix(1);
    std::size_t i = SkipWhile(text, SkipWhite(text, 1), IsTagNameChar);
    while (true) {
        i = SkipWhite(text, i);
        if (i >= text.size())
            return;
        std::string_view name;
        if (IsAttributeNameChar(text[i])) {
            const std::size_t start = i;
            i = SkipWhile(text, i, IsAttributeNameChar);
            name = text.substr(start, i - start);
        } else {
            i = SkipWhile(text, i, [](char c) { return !IsWhite(c) && c != '='; });
        }
        i = SkipWhite(text, i);
        std::string_view value;
        if (i < text.size() && text[i] == '=') {
            i = SkipWhite(text, i + 1);
            if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
                const std::size_t close = text.find(text[i], i + 1);
                value = text.substr(i + 1, close == std::string_view::npos ? std::string_view::npos
                                                                           : close - i - 1);
                i = close == std::string_view::npos ? text.size() : close + 1;
            } else {
                const std::size_t start = i;
                i = SkipWhile(text, i, [](char c) { return !IsWhite(c) && c != '>'; });
                value = text.substr(start, i - start);
            }
        }
        if (!name.empty() && visit(name, value))
            return;
    }
}

NameValuePairs CHtmlToken::GetAttributes() const {
    NameValuePairs attributes;
    VisitAttributes([&](std::string_view name, std::string_view value) {
        attributes.emplace_back(name, DecodeCharRefs(value));
        return false;
    });
    return attributes;
}

bool CHtmlToken::GetAttribute(std::string_view name, std::string* value) const {
    bool found = false;
    VisitAttributes([&](std::string_view candidate, std::string_view raw) {
        if (!EqualsNoCase(candidate, name))
            return false;
        found = true;
        if (value)
            *value = DecodeCharRefs(raw);
        return true;
    });
    return found;
}

std::string CHtmlToken::GetAttribute(std::string_view name) const {
    std::string value;
    GetAttribute(name, &value);
    return value;
}
