#include "core/Latin1.h"

#include <algorithm>
#include <array>

namespace {

unsigned Byte(char c) {
    return static_cast<unsigned char>(c);
}

bool InRange(unsigned value, unsigned first, unsigned last) {
    return value >= first && value <= last;
}

// Plain forms of the bytes from 128 on, as runs of equal plain forms.
struct PlainRun {
    unsigned char first;
    unsigned char last;
    char plain;
};

constexpr PlainRun kPlainRuns[] = {
    {131, 131, 'f'}, {138, 138, 'S'}, {167, 167, 'S'}, {154, 154, 's'}, {140, 140, 'O'},
    {156, 156, 'O'}, {210, 214, 'O'}, {216, 216, 'O'}, {159, 159, 'Y'}, {165, 165, 'Y'},
    {221, 221, 'Y'}, {161, 161, 'i'}, {236, 239, 'i'}, {162, 162, 'c'}, {169, 169, 'c'},
    {231, 231, 'c'}, {163, 163, 'L'}, {170, 170, 'a'}, {224, 230, 'a'}, {174, 174, 'R'},
    {178, 178, '2'}, {179, 179, '3'}, {185, 185, '1'}, {181, 181, 'u'}, {249, 252, 'u'},
    {192, 198, 'A'}, {199, 199, 'C'}, {200, 203, 'E'}, {204, 207, 'I'}, {208, 208, 'D'},
    {209, 209, 'N'}, {215, 215, 'x'}, {217, 220, 'U'}, {222, 222, 'T'}, {223, 223, 'B'},
    {232, 235, 'e'}, {240, 240, 'd'}, {241, 241, 'n'}, {242, 246, 'o'}, {248, 248, 'o'},
    {253, 253, 'y'}, {255, 255, 'y'}, {254, 254, 't'},
};

constexpr std::array<char, 256> kPlainForms = [] {
    std::array<char, 256> table{};
    for (unsigned value = 1; value < 256; ++value)
        table[value] = value >= 32 && value <= 127 ? static_cast<char>(value) : ' ';
    for (const PlainRun& run : kPlainRuns)
        for (unsigned value = run.first; value <= run.last; ++value)
            table[value] = run.plain;
    return table;
}();

bool IsTrimmed(char c) {
    return c == ' ' || c == '\n' || c == '\r';
}

} // namespace

bool IsWhiteChar(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == ' ' || Byte(c) == 160;
}

bool IsAlphaLatin1(char c) {
    const unsigned value = Byte(c);
    return InRange(value, 'A', 'Z') || InRange(value, 'a', 'z') || InRange(value, 192, 214) ||
           InRange(value, 216, 246) || InRange(value, 248, 255) || value == 138 || value == 140 ||
           value == 154 || value == 156 || value == 159;
}

bool IsAlnumLatin1(char c) {
    return IsAlphaLatin1(c) || (c >= '0' && c <= '9');
}

char ToLowerLatin1(char c) {
    const unsigned value = Byte(c);
    if (InRange(value, 'A', 'Z') || InRange(value, 192, 214) || InRange(value, 216, 222))
        return static_cast<char>(value + 32);
    if (value == 138 || value == 140)
        return static_cast<char>(value + 16);
    if (value == 159)
        return static_cast<char>(255);
    return c;
}

char ToUpperLatin1(char c) {
    const unsigned value = Byte(c);
    if (InRange(value, 'a', 'z') || InRange(value, 224, 246) || InRange(value, 248, 254))
        return static_cast<char>(value - 32);
    if (value == 154 || value == 156)
        return static_cast<char>(value - 16);
    if (value == 255)
        return static_cast<char>(159);
    return c;
}

bool IsUpperLatin1(char c) {
    return ToLowerLatin1(c) != c;
}

std::string LowerCaseLatin1(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        c = ToLowerLatin1(c);
    return lowered;
}

std::string UpperCaseLatin1(std::string_view text) {
    std::string raised(text);
    for (char& c : raised)
        c = ToUpperLatin1(c);
    return raised;
}

bool EqualNoCaseLatin1(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ToLowerLatin1(x) == ToLowerLatin1(y); });
}

bool LessNoCaseLatin1(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return Byte(ToLowerLatin1(x)) < Byte(ToLowerLatin1(y));
    });
}

char StripAccentLatin1(char c) {
    return kPlainForms[Byte(c)];
}

std::string_view TrimWhite(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

void TrimWhiteStd(std::string& text) {
    text = std::string(TrimWhite(text));
}
