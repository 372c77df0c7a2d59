#include "registers/AppNumFormats.h"

#include "registers/AsciiText.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::uint32_t kBPrefixBit = 0x80;
constexpr std::uint32_t kUkMadridBase = 8000000;
constexpr std::uint32_t kIeMadridBase = 4000000;
constexpr std::uint32_t kUsSerialBit = 0x80000000;
constexpr std::uint32_t kUsSerialMinimum = 70000000;
constexpr std::uint32_t kIeInternationalBit = 0x80000000;
constexpr std::uint32_t kIeYearBit = 0x20;
constexpr std::uint32_t kIeIrBit = 0x10;
constexpr std::uint32_t kIeNumberMask = 0xffffff;
constexpr std::uint32_t kIeYearBase = 1900;
constexpr std::uint32_t kIeSerialsPerYear = 100000;
constexpr std::uint32_t kPlPrefixBit = 0x80000000;

char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Walks a number text the way every register's parser does: optional prefix letters, digits
// with at most one separator skipped after each digit, then letters. Counts what it consumed.
class CNumberReader {
public:
    explicit CNumberReader(std::string_view text) : text_(text) {}

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool AtDigit() const { return IsAsciiDigit(Peek()); }
    bool AfterDigit() const { return pos_ > 0 && IsAsciiDigit(text_[pos_ - 1]); }

    // Consumes the letter (either case) when it stands at the position.
    bool Take(char upperLetter) {
        if (ToUpper(Peek()) != upperLetter)
            return false;
        ++pos_;
        return true;
    }
    // Consumes one character when it is one of the set.
    bool TakeOneOf(std::string_view set) {
        if (Peek() == '\0' || set.find(Peek()) == std::string_view::npos)
            return false;
        ++pos_;
        return true;
    }
    // Consumes the prefix when the text at the position starts with it (case-sensitive).
    bool TakeExact(std::string_view prefix) {
        if (text_.substr(pos_, prefix.size()) != prefix)
            return false;
        pos_ += prefix.size();
        return true;
    }
    std::size_t Remaining() const { return text_.size() - pos_; }

    // Decimal digits; right after each digit one character of the separator set is skipped.
    std::uint32_t ReadDigits(std::string_view separators) {
        std::uint32_t value = 0;
        while (AtDigit()) {
            value = value * 10 + static_cast<std::uint32_t>(text_[pos_++] - '0');
            TakeOneOf(separators);
        }
        return value;
    }
    // A letter suffix in bijective base 26 ("a" 1, "z" 26, "aa" 27), any case.
    std::uint32_t ReadLetters() {
        std::uint32_t value = 0;
        while (IsAsciiLetter(Peek()))
            value = value * 26 + static_cast<std::uint32_t>(ToUpper(text_[pos_++]) - 'A' + 1);
        return value;
    }
    void SkipBlanks() {
        while (Peek() == ' ')
            ++pos_;
    }

    std::uint32_t Finish(std::uint32_t result, int* used) const {
        if (used)
            *used = static_cast<int>(pos_);
        return result;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

template <typename... Args>
std::string Formatted(const char* format, Args... args) {
    std::array<char, 48> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, args...);
    return buffer.data();
}

// Millions, thousands and units separated by commas; groups after the first keep three digits.
std::string GroupedNumber(std::uint32_t n) {
    const std::uint32_t millions = n / 1000000;
    const std::uint32_t thousands = n / 1000 % 1000;
    const std::uint32_t units = n % 1000;
    if (millions)
        return Formatted("%u,%03u,%03u", millions, thousands, units);
    if (thousands)
        return Formatted("%u,%03u", thousands, units);
    return Formatted("%u", units);
}

// The letter count as lower-case letters: 1-26 one letter, 27-127 two.
std::string LetterSuffix(std::uint32_t count) {
    if (count == 0)
        return "";
    if (count <= 26)
        return std::string(1, static_cast<char>('a' + count - 1));
    return {static_cast<char>('a' + (count - 27) / 26), static_cast<char>('a' + (count - 1) % 26)};
}

// The generic text without its "M" handling: "B", grouped number, suffix.
std::string GenericText(std::uint32_t key, std::uint32_t number) {
    return std::string(key & kBPrefixBit ? "B" : "") + GroupedNumber(number) +
           LetterSuffix(key & 0x7f);
}

// Optional "B", optional "M", digits, letters: the generic layout. Reports whether "M" was read.
std::uint32_t ReadGeneric(CNumberReader& reader, bool& hadM) {
    const std::uint32_t bPrefix = reader.Take('B') ? kBPrefixBit : 0;
    hadM = reader.Take('M');
    const std::uint32_t number = reader.ReadDigits(" ,-");
    const std::uint32_t letters = reader.ReadLetters();
    return (number << 8) | bPrefix | (letters & 0x7f);
}

struct CDePrefix {
    std::string_view prefix;
    std::uint32_t code;
    std::size_t width;
};

// Tried from the last entry to the first, so the longer "DESCH" and "DEST" win over "DES".
constexpr std::array<CDePrefix, 31> kDePrefixes = {{
    {"DD", 0, 3},      {"DE", 32, 3},   {"DEA", 33, 4}, {"DEB", 34, 4}, {"DEC", 35, 4},
    {"DED", 36, 4},    {"DEE", 37, 4},  {"DEF", 38, 4}, {"DEG", 39, 4}, {"DEH", 40, 4},
    {"DEJ", 41, 4},    {"DEK", 42, 4},  {"DEL", 43, 4}, {"DEM", 44, 4}, {"DEN", 45, 4},
    {"DEO", 46, 4},    {"DEP", 47, 4},  {"DEQ", 48, 4}, {"DER", 49, 4}, {"DES", 50, 4},
    {"DESCH", 51, 6},  {"DEST", 52, 5}, {"DET", 53, 4}, {"DEU", 54, 4}, {"DEV", 55, 4},
    {"DEW", 56, 4},    {"DEX", 57, 4},  {"DEY", 58, 4}, {"DEZ", 59, 4}, {"30200", 60, 12},
    {"30201", 61, 12},
}};
constexpr std::uint32_t kDeDefaultCode = 32;

} // namespace

std::string FormatAppNum(std::uint32_t key) {
    return GenericText(key, key >> 8);
}

std::uint32_t ParseAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    bool hadM = false;
    const std::uint32_t key = ReadGeneric(reader, hadM);
    return reader.Finish(hadM ? kMadridAppNum : key, used);
}

std::uint32_t ParseInAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    bool hadM = false;
    return reader.Finish(ReadGeneric(reader, hadM), used);
}

std::string FormatUkAppNum(std::uint32_t key) {
    const std::uint32_t number = key >> 8;
    if (number < kUkMadridBase)
        return GenericText(key, number);
    return std::string(key & kBPrefixBit ? "B" : "") + "M" + GroupedNumber(number - kUkMadridBase) +
           LetterSuffix(key & 0x7f);
}

std::uint32_t ParseUkAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    std::uint32_t bPrefix = 0;
    bool madrid = false;
    if (reader.Take('B'))
        bPrefix = kBPrefixBit;
    else
        madrid = reader.Take('M');
    std::uint32_t number = reader.ReadDigits(" ,-");
    const std::uint32_t letters = reader.ReadLetters();
    if (madrid && number < kUkMadridBase)
        number += kUkMadridBase;
    return reader.Finish((number << 8) | bPrefix | (letters & 0x7f), used);
}

bool IsUkMadridAppNum(std::string_view text) {
    if (text.empty())
        return false;
    if (ToUpper(text.front()) == 'M')
        return true;
    CNumberReader reader(text);
    return reader.ReadDigits(" ,-") >= kUkMadridBase;
}

std::string FormatCtmAppNum(std::uint32_t key) {
    return FormatAppNum(key);
}

std::string FormatUsAppNum(std::uint32_t key) {
    if (!(key & kUsSerialBit))
        return FormatAppNum(key);
    const std::uint32_t serial = key & ~kUsSerialBit;
    return Formatted("%2u-%06u", serial / 1000000, serial % 1000000);
}

std::uint32_t ParseUsAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    const bool hadM = reader.Take('M');
    const std::uint32_t bPrefix = reader.Take('B') ? kBPrefixBit : 0;
    const std::uint32_t number = reader.ReadDigits(",-_ ");
    const std::uint32_t letters = reader.ReadLetters();
    if (hadM)
        return reader.Finish(kMadridAppNum, used);
    if (number > kUsSerialMinimum)
        return reader.Finish(number | kUsSerialBit, used);
    return reader.Finish((number << 8) + bPrefix + (letters & 0x7f), used);
}

std::string FormatDeAppNum(std::uint32_t key) {
    const std::uint32_t code = key & 0x3f;
    std::string digits = Formatted("%u", key >> 6);
    for (const CDePrefix& entry : kDePrefixes) {
        if (entry.code != code)
            continue;
        const std::size_t shown = entry.prefix.size() + digits.size();
        if (shown < entry.width)
            digits.insert(0, entry.width - shown, '0');
        return std::string(entry.prefix) + digits;
    }
    return digits;
}

std::uint32_t ParseDeAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    const bool hadM = reader.Take('M');
    std::uint32_t code = kDeDefaultCode;
    for (auto entry = kDePrefixes.rbegin(); entry != kDePrefixes.rend(); ++entry) {
        if (reader.Remaining() >= entry->width && reader.TakeExact(entry->prefix)) {
            code = entry->code;
            break;
        }
    }
    const std::uint32_t number = reader.ReadDigits(" ,-");
    return reader.Finish(hadM ? kMadridAppNum : (number << 6) | code, used);
}

std::string FormatIeAppNum(std::uint32_t key) {
    const std::uint32_t number = (key >> 7) & kIeNumberMask;
    std::string text;
    if (key & kIeInternationalBit) {
        if (key & kIeYearBit)
            text = Formatted("%04u/%05u", number / kIeSerialsPerYear + kIeYearBase,
                             number % kIeSerialsPerYear);
        else if (key & kIeIrBit)
            text = Formatted("IR%07u", number);
        else
            text = Formatted("%u", number);
    } else if (number > kIeMadridBase) {
        text = Formatted("M%u", number - kIeMadridBase);
    } else {
        text = Formatted("%u", number);
    }
    return text + LetterSuffix(key & 0xf);
}

std::uint32_t ParseIeAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    std::uint32_t form = 0;
    if (reader.Take('I'))
        form |= kIeIrBit | kIeInternationalBit;
    if (reader.Take('R'))
        form |= kIeIrBit | kIeInternationalBit;
    std::uint32_t madrid = 0;
    if (reader.Take('M')) {
        form |= kIeIrBit;
        madrid = kIeMadridBase;
    }
    std::uint32_t number = reader.ReadDigits(",-");
    if (reader.AfterDigit() && reader.TakeOneOf("/_")) {
        form |= kIeYearBit | kIeInternationalBit;
        const std::uint32_t serial = reader.ReadDigits("");
        number = number * kIeSerialsPerYear + serial - kIeYearBase * kIeSerialsPerYear;
    }
    reader.SkipBlanks();
    const std::uint32_t letters = reader.ReadLetters() & 0xf;
    // Masked so that an oversized number cannot spill into the form bits.
    return reader.Finish((((madrid + number) & kIeNumberMask) << 7) | letters | form, used);
}

std::string FormatPlAppNum(std::uint32_t key) {
    return std::string(key & kPlPrefixBit ? "PL" : "") + GroupedNumber((key >> 8) & 0x7fffff) +
           LetterSuffix(key & 0xf);
}

std::uint32_t ParsePlAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    std::uint32_t prefix = 0;
    if (reader.Take('P'))
        prefix = kPlPrefixBit;
    if (reader.Take('L'))
        prefix = kPlPrefixBit;
    const std::uint32_t number = reader.ReadDigits(",-");
    reader.SkipBlanks();
    const std::uint32_t letters = reader.ReadLetters() & 0xf;
    return reader.Finish(prefix | ((number & 0x7fffff) << 8) | letters, used);
}

std::string FormatCdAppNum(std::uint32_t key) {
    return Formatted("%u-%u", key >> 10, key & 0x3ff);
}

std::uint32_t ParseCdAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    const bool hadM = reader.Take('M');
    const std::uint32_t number = reader.ReadDigits(",");
    std::uint32_t index = 0;
    if (reader.AfterDigit() && reader.TakeOneOf("-_"))
        index = reader.ReadDigits("");
    return reader.Finish(hadM ? kMadridAppNum : (number << 10) | (index & 0x3ff), used);
}

std::string FormatCaAppNum(std::uint32_t key) {
    const std::uint32_t extension = key & 0xff;
    return GroupedNumber(key >> 8) + (extension ? Formatted("-%02u", extension) : "");
}

std::uint32_t ParseCaAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    const std::uint32_t number = reader.ReadDigits(",");
    std::uint32_t extension = 0;
    if (reader.TakeOneOf("-"))
        extension = reader.ReadDigits("") % 256;
    return reader.Finish((number << 8) | extension, used);
}

std::string FormatAuAppNum(std::uint32_t key) {
    return GroupedNumber(key >> 8);
}

std::uint32_t ParseAuAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    return reader.Finish(reader.ReadDigits(",-") << 8, used);
}

std::string FormatA6AppNum(std::uint32_t key) {
    return Formatted("%04u", key >> 8);
}

std::uint32_t ParseA6AppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    const bool hadM = reader.Take('M');
    const std::uint32_t number = reader.ReadDigits(" ,-");
    return reader.Finish(hadM ? kMadridAppNum : number << 8, used);
}

std::string FormatUkdomAppNum(std::uint32_t key) {
    return Formatted("%u", key);
}

std::uint32_t ParseUkdomAppNum(std::string_view text, int* used) {
    CNumberReader reader(text);
    const bool hadM = reader.Take('M');
    const std::uint32_t number = reader.ReadDigits(" ,-");
    return reader.Finish(hadM ? kMadridAppNum : number, used);
}
