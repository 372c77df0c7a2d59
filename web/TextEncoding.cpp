#include "web/TextEncoding.h"

#include "core/CodePages.h"
#include "registers/AsciiText.h"
#include "web/HtmlParser.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// How far into a body a meta tag declares its encoding.
constexpr std::size_t kPrescanBytes = 1024;

std::optional<char> Windows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < 32; ++i)
        if (codepage::kWindows1252High[i] == code)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

struct Utf8Form {
    unsigned char leadMask;
    unsigned char leadBits;
    std::size_t length;
    char32_t least;
};

// The lead byte of each multi-byte form, and the least code point it may carry.
constexpr Utf8Form kUtf8Forms[] = {
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};

// The code point of the UTF-8 sequence at the start of the text and its length; nothing for a
// byte that starts no valid, shortest-form sequence.
std::optional<std::pair<char32_t, std::size_t>> DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return std::pair<char32_t, std::size_t>{lead, 1};
    for (const Utf8Form& form : kUtf8Forms) {
        if ((lead & form.leadMask) != form.leadBits)
            continue;
        if (text.size() < form.length)
            return std::nullopt;
        char32_t code = lead & static_cast<unsigned char>(~form.leadMask);
        for (std::size_t i = 1; i < form.length; ++i) {
            const auto next = static_cast<unsigned char>(text[i]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < form.least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return std::pair<char32_t, std::size_t>{code, form.length};
    }
    return std::nullopt;
}

bool IsUtf8Name(std::string_view charset) {
    return EqualsNoCase(charset, "utf-8") || EqualsNoCase(charset, "utf8");
}

// The charset a meta tag at the start of the body declares, "" when none does.
std::string MetaCharset(std::string_view body) {
    CMemorySource source(body.substr(0, kPrescanBytes));
    CHtmlParser parser(source);
    CHtmlToken token;
    while (parser.NextToken(token)) {
        if (!token.IsStartTag("meta"))
            continue;
        if (std::string charset; token.GetAttribute("charset", &charset))
            return charset;
        if (EqualsNoCase(token.GetAttribute("http-equiv"), "content-type"))
            if (std::string charset = CharsetOfContentType(token.GetAttribute("content"));
                !charset.empty())
                return charset;
    }
    return {};
}

} // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto decoded = DecodeUtf8(utf8);
        if (!decoded) {
            text += utf8[0];
            utf8.remove_prefix(1);
            continue;
        }
        const auto [code, length] = *decoded;
        if (const auto byte = Windows1252Byte(code))
            text += *byte;
        else
            text += "&#" + std::to_string(static_cast<std::uint32_t>(code)) + ";";
        utf8.remove_prefix(length);
    }
    return text;
}

std::string CharsetOfContentType(std::string_view contentType) {
    for (std::size_t at = 0; at + 8 <= contentType.size(); ++at) {
        if (!StartsWithNoCase(contentType.substr(at), "charset="))
            continue;
        std::string_view value = contentType.substr(at + 8);
        if (value.starts_with('"') || value.starts_with('\'')) {
            const char quote = value[0];
            value.remove_prefix(1);
            return std::string(value.substr(0, value.find(quote)));
        }
        return std::string(value.substr(0, value.find_first_of("; \t")));
    }
    return {};
}

bool IsDeclaredUtf8(std::string_view body, std::string_view contentType) {
    if (const std::string charset = CharsetOfContentType(contentType); !charset.empty())
        return IsUtf8Name(charset);
    return body.starts_with(kByteOrderMark) || IsUtf8Name(MetaCharset(body));
}

std::string PageTextOfBody(std::string body, std::string_view contentType) {
    if (!IsDeclaredUtf8(body, contentType))
        return body;
    std::string_view utf8(body);
    if (utf8.starts_with(kByteOrderMark))
        utf8.remove_prefix(kByteOrderMark.size());
    return Utf8ToWindows1252(utf8);
}
