#include "core/CharRef.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <strings.h>

namespace {

// The names of the Latin-1 entities 160-255, in code order.
constexpr std::array<std::string_view, 96> kLatin1Entities = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct Entity {
    std::string_view name;
    std::uint16_t code;
};

// The table searched in order: the four markup entities, then the Latin-1 ones.
constexpr std::array<Entity, 100> kEntities = [] {
    std::array<Entity, 100> table{{{"quot", 34}, {"amp", 38}, {"lt", 60}, {"gt", 62}}};
    for (std::size_t i = 0; i < kLatin1Entities.size(); ++i)
        table[4 + i] = {kLatin1Entities[i], static_cast<std::uint16_t>(160 + i)};
    return table;
}();

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A number of at least one digit that fits 16 bits; nothing for anything else.
std::optional<std::uint16_t> ParseNumber(std::string_view digits, int base) {
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFF)
            return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// No entity name is longer; longer names are not looked up at all.
constexpr std::size_t kLongestEntityName = [] {
    std::size_t longest = 0;
    for (const Entity& entity : kEntities)
        longest = std::max(longest, entity.name.size());
    return longest;
}();

std::optional<std::uint16_t> LookUpEntity(std::string_view name) {
    if (name.size() > kLongestEntityName)
        return std::nullopt;
    for (const Entity& entity : kEntities)
        if (entity.name == name)
            return entity.code;
    for (const Entity& entity : kEntities)
        if (SameIgnoringCase(entity.name, name))
            return entity.code;
    return std::nullopt;
}

std::optional<std::uint16_t> DecodeName(std::string_view name) {
    if (auto decimal = ParseNumber(name.starts_with('#') ? name.substr(1) : name, 10))
        return decimal;
    if (name.size() > 2 && name[0] == '#' && (name[1] == 'x' || name[1] == 'X'))
        return ParseNumber(name.substr(2), 16);
    return LookUpEntity(name);
}

} // namespace

namespace {

// The reference at the start of the text, whose name ends at `end` (the ";" or npos): the
// characters it occupies, with its code, or 0.
std::size_t DecodeCharRefEndingAt(std::string_view text, std::size_t end, std::uint16_t& code) {
    const std::string_view name =
        text.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1);
    const auto decoded = DecodeName(name);
    if (!decoded)
        return 0;
    code = *decoded;
    return 1 + name.size() + (end == std::string_view::npos ? 0 : 1);
}

} // namespace

std::size_t DecodeCharRef(std::string_view text, std::uint16_t& code) {
    if (!text.starts_with('&'))
        return 0;
    return DecodeCharRefEndingAt(text, text.find(';', 1), code);
}

std::string DecodeCharRefs(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    // The next ";" is looked for once and reused by every "&" before it, so that text full of "&"
    // without ";" is read in one pass.
    std::size_t semicolon = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t amp = text.find('&', i);
        decoded.append(text.substr(i, amp - i));
        if (amp == std::string_view::npos)
            break;
        i = amp;
        // Every name starts with a letter, a digit or "#".
        const char first = i + 1 < text.size() ? text[i + 1] : ';';
        std::uint16_t code = 0;
        std::size_t used = 0;
        if (std::isalnum(static_cast<unsigned char>(first)) || first == '#') {
            if (semicolon != std::string_view::npos && semicolon <= i)
                semicolon = text.find(';', i + 1);
            const std::size_t end = semicolon == std::string_view::npos ? semicolon : semicolon - i;
            used = DecodeCharRefEndingAt(text.substr(i), end, code);
        }
        if (used > 0 && code >= 1 && code <= 255) {
            decoded += static_cast<char>(code);
            i += used;
        } else {
            decoded += text[i++];
        }
    }
    return decoded;
}
