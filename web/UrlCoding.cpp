#include "web/UrlCoding.h"

#include "core/SmallHelpers.h"
#include "registers/AsciiText.h"

#include <cctype>
#include <cstring>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

void AppendEscaped(std::string& out, unsigned char byte, const char* digits) {
    out += '%';
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsAsciiAlnum(char c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c);
}

bool IsKeptByUrlEncode(char c) {
    return IsAsciiAlnum(c) || (c != '\0' && std::strchr("$-_@.!*(),", c) != nullptr);
}

} // namespace

std::string UrlEncode(std::string_view text) {
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (const char c : text) {
        if (IsKeptByUrlEncode(c))
            encoded += c;
        else if (c == ' ')
            encoded += '+';
        else
            AppendEscaped(encoded, static_cast<unsigned char>(c), kHexDigits);
    }
    return encoded;
}

std::string UrlDecode(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '+') {
            c = ' ';
        } else if (c == '%' && i + 2 < text.size() && IsHexDigit(text[i + 1]) &&
                   IsHexDigit(text[i + 2])) {
            c = static_cast<char>(HexDigitValue(text[i + 1]) * 16 + HexDigitValue(text[i + 2]));
            i += 2;
        }
        if (static_cast<unsigned char>(c) < 32)
            AppendEscaped(decoded, static_cast<unsigned char>(c), kHexDigits);
        else
            decoded += c;
    }
    return decoded;
}

std::string EncodePathValue(std::string_view text, bool keepSlashes) {
    std::string encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        if (IsAsciiAlnum(c) || c == '-' || c == '.' || c == '_' || c == '~' ||
            (keepSlashes && c == '/'))
            encoded += c;
        else
            AppendEscaped(encoded, static_cast<unsigned char>(c), kUpperHexDigits);
    }
    return encoded;
}

NameValuePairs ParseQuery(std::string_view url) {
    NameValuePairs pairs;
    const std::size_t question = url.find('?');
    if (question == std::string_view::npos)
        return pairs;
    std::string_view rest = url.substr(question + 1);
    while (true) {
        const std::size_t amp = rest.find('&');
        const std::string_view part = rest.substr(0, amp);
        const std::size_t equals = part.find('=');
        const std::string_view name = part.substr(0, equals);
        if (!name.empty())
            pairs.emplace_back(name, equals == std::string_view::npos ? std::string_view()
                                                                      : part.substr(equals + 1));
        if (amp == std::string_view::npos)
            return pairs;
        rest.remove_prefix(amp + 1);
    }
}

bool GetUrlParam(std::string_view url, std::string_view name, std::string& value) {
    for (const auto& [parameter, raw] : ParseQuery(url))
        if (EqualsNoCase(parameter, name)) {
            value = UrlDecode(raw);
            return true;
        }
    return false;
}
