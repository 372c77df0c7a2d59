#include "registers/AppNumFormats.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Parser = std::uint32_t (*)(std::string_view, int*);
using Formatter = std::string (*)(std::uint32_t);

// One number text: what its register's parser makes of it, how many characters that took, and
// how the register's formatter shows the result.
struct NumberCase {
    const char* format;
    Parser parse;
    Formatter show;
    const char* text;
    std::uint32_t key;
    int used;
    const char* shown;
    bool readsBack = true; // the shown text parses to the same key
};

constexpr std::uint32_t B = 0x80;
constexpr std::uint32_t kUsSerial = 0x80000000;
constexpr std::uint32_t kIeInternational = 0x80000000;
constexpr std::uint32_t kIeYear = 0x20;
constexpr std::uint32_t kIeIr = 0x10;
constexpr std::uint32_t kPl = 0x80000000;

std::uint32_t Generic(std::uint32_t n, std::uint32_t letters = 0) {
    return n << 8 | letters;
}
std::uint32_t De(std::uint32_t n, std::uint32_t code) {
    return n << 6 | code;
}
std::uint32_t Ie(std::uint32_t n, std::uint32_t bits = 0) {
    return n << 7 | bits;
}
std::uint32_t Cd(std::uint32_t n, std::uint32_t index) {
    return n << 10 | index;
}

const std::vector<NumberCase> kCases = {
    // Generic (IR, EUTM parsing)
    {"IR", ParseInAppNum, FormatAppNum, "1,234,567", Generic(1234567), 9, "1,234,567"},
    {"IR", ParseInAppNum, FormatAppNum, "1234567", Generic(1234567), 7, "1,234,567"},
    {"IR", ParseInAppNum, FormatAppNum, "B12345a", Generic(12345, 1) | B, 7, "B12,345a"},
    {"IR", ParseInAppNum, FormatAppNum, "M123", Generic(123), 4, "123"},
    {"IR", ParseInAppNum, FormatAppNum, "12 345-678aa", Generic(12345678, 27), 12, "12,345,678aa"},
    {"IR", ParseInAppNum, FormatAppNum, "1000", Generic(1000), 4, "1,000"},
    {"IR", ParseInAppNum, FormatAppNum, "1000001", Generic(1000001), 7, "1,000,001"},
    {"IR", ParseInAppNum, FormatAppNum, "7az", Generic(7, 52), 3, "7az"},
    {"IR", ParseInAppNum, FormatAppNum, "7ba", Generic(7, 53), 3, "7ba"},
    {"IR", ParseInAppNum, FormatAppNum, "7dw", Generic(7, 127), 3, "7dw"},
    {"IR", ParseInAppNum, FormatAppNum, "--", 0, 0, "0"},
    {"IR", ParseInAppNum, FormatAppNum, "ds", Generic(0, 123), 2, "0ds"},
    {"EUTM", ParseAppNum, FormatCtmAppNum, "12,345,678", Generic(12345678), 10, "12,345,678"},
    {"EUTM", ParseAppNum, FormatCtmAppNum, "b4a", Generic(4, 1) | B, 3, "B4a"},
    {"EUTM", ParseAppNum, FormatCtmAppNum, "M12", kMadridAppNum, 3, nullptr},
    {"EUTM", ParseAppNum, FormatCtmAppNum, "BM12", kMadridAppNum, 4, nullptr},
    // UK, with its international designations from 8,000,000 on
    {"UK", ParseUkAppNum, FormatUkAppNum, "M123", Generic(8000123), 4, "M123"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "8000123", Generic(8000123), 7, "M123"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "m8,000,123", Generic(8000123), 10, "M123"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "1,234,567", Generic(1234567), 9, "1,234,567"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "B12345a", Generic(12345, 1) | B, 7, "B12,345a"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "BM12", Generic(0, 13) | B, 2, "B0m"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "2345678 ab", Generic(2345678, 28), 10, "2,345,678ab"},
    // US: serial numbers above 70,000,000, registration numbers below
    {"US", ParseUsAppNum, FormatUsAppNum, "75123456", 75123456 | kUsSerial, 8, "75-123456"},
    {"US", ParseUsAppNum, FormatUsAppNum, "75_123_456", 75123456 | kUsSerial, 10, "75-123456"},
    {"US", ParseUsAppNum, FormatUsAppNum, "1234567", Generic(1234567), 7, "1,234,567"},
    {"US", ParseUsAppNum, FormatUsAppNum, "B1234567b", Generic(1234567, 2) | B, 9, "B1,234,567b"},
    {"US", ParseUsAppNum, FormatUsAppNum, "70000001", 70000001 | kUsSerial, 8, "70-000001"},
    {"US", ParseUsAppNum, FormatUsAppNum, "M75123456", kMadridAppNum, 9, nullptr},
    // DE: prefix codes; the longest prefix that fits its width wins
    {"DE", ParseDeAppNum, FormatDeAppNum, "12345", De(12345, 32), 5, "DE12345"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DE12345", De(12345, 32), 7, "DE12345"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DE1", De(1, 32), 3, "DE1"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DE", De(0, 32), 0, "DE0"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DESCH1", De(1, 51), 6, "DESCH1"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DES1", De(1, 50), 4, "DES1"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DEST12", De(12, 52), 6, "DEST12"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DEZ9", De(9, 59), 4, "DEZ9"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DD123", De(123, 0), 5, "DD123"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "302000001234", De(1234, 60), 12, "302000001234"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "30201000000000077", De(77, 61), 17, "302010000077"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "M302000001234", kMadridAppNum, 13, nullptr},
    // IE: plain, Madrid, IR and year forms, with a one-letter suffix
    {"IE", ParseIeAppNum, FormatIeAppNum, "12345", Ie(12345), 5, "12345"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "12,345 c", Ie(12345, 3), 8, "12345c"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "M0", Ie(4000000, kIeIr), 2, "4000000", false},
    {"IE", ParseIeAppNum, FormatIeAppNum, "M12a", Ie(4000012, kIeIr | 1), 4, "M12a"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "IR1234567b", Ie(1234567, kIeIr | kIeInternational | 2),
     10, "IR1234567b"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "2005/01234", Ie(10501234, kIeYear | kIeInternational),
     10, "2005/01234"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "1999_00001e",
     Ie(9900001, kIeYear | kIeInternational | 5), 11, "1999/00001e"},
    // PL
    {"PL", ParsePlAppNum, FormatPlAppNum, "PL12345 b", Generic(12345, 2) | kPl, 9, "PL12,345b"},
    {"PL", ParsePlAppNum, FormatPlAppNum, "p123", Generic(123) | kPl, 4, "PL123"},
    {"PL", ParsePlAppNum, FormatPlAppNum, "L5", Generic(5) | kPl, 2, "PL5"},
    {"PL", ParsePlAppNum, FormatPlAppNum, "1-234-567", Generic(1234567), 9, "1,234,567"},
    // Community Designs
    {"CD", ParseCdAppNum, FormatCdAppNum, "12345-7", Cd(12345, 7), 7, "12345-7"},
    {"CD", ParseCdAppNum, FormatCdAppNum, "12,345_0012", Cd(12345, 12), 11, "12345-12"},
    {"CD", ParseCdAppNum, FormatCdAppNum, "12345", Cd(12345, 0), 5, "12345-0"},
    {"CD", ParseCdAppNum, FormatCdAppNum, "M12345-7", kMadridAppNum, 8, nullptr},
    // CA
    {"CA", ParseCaAppNum, FormatCaAppNum, "123,456-07", Generic(123456, 7), 10, "123,456-07"},
    {"CA", ParseCaAppNum, FormatCaAppNum, "123456", Generic(123456), 6, "123,456"},
    {"CA", ParseCaAppNum, FormatCaAppNum, "12345678", Generic(12345678), 8, "12,345,678"},
    {"CA", ParseCaAppNum, FormatCaAppNum, "1-300", Generic(1, 300 % 256), 5, "1-44"},
    // AU
    {"AU", ParseAuAppNum, FormatAuAppNum, "1,234,567", Generic(1234567), 9, "1,234,567"},
    {"AU", ParseAuAppNum, FormatAuAppNum, "12-345", Generic(12345), 6, "12,345"},
    {"AU", ParseAuAppNum, FormatAuAppNum, "16777215", Generic(16777215), 8, "16,777,215"},
    // Reserved Words
    {"RW", ParseA6AppNum, FormatA6AppNum, "12", Generic(12), 2, "0012"},
    {"RW", ParseA6AppNum, FormatA6AppNum, "1 234", Generic(1234), 5, "1234"},
    {"RW", ParseA6AppNum, FormatA6AppNum, "M5", kMadridAppNum, 2, nullptr},
    // UK domain names
    {"UKDOM", ParseUkdomAppNum, FormatUkdomAppNum, "123,456", 123456, 7, "123456"},
    {"UKDOM", ParseUkdomAppNum, FormatUkdomAppNum, "4294967295", 4294967295u, 10, nullptr},
    {"UKDOM", ParseUkdomAppNum, FormatUkdomAppNum, "m1", kMadridAppNum, 2, nullptr},
};

// Every threshold of every register: the value below it, at it and above it; and fields that
// would spill into their neighbours when too large for their bits.
const std::vector<NumberCase> kThresholds = {
    // Comma groups start at 1,000 and 1,000,000
    {"IR", ParseInAppNum, FormatAppNum, "999", Generic(999), 3, "999"},
    {"IR", ParseInAppNum, FormatAppNum, "1001", Generic(1001), 4, "1,001"},
    {"IR", ParseInAppNum, FormatAppNum, "999999", Generic(999999), 6, "999,999"},
    {"IR", ParseInAppNum, FormatAppNum, "1000000", Generic(1000000), 7, "1,000,000"},
    // Letter counts keep 7 bits: 128 would set the "B" bit
    {"IR", ParseInAppNum, FormatAppNum, "1dw", Generic(1, 127), 3, "1dw"},
    {"IR", ParseInAppNum, FormatAppNum, "1dx", Generic(1, 0), 3, "1", false},
    {"IR", ParseInAppNum, FormatAppNum, "1dy", Generic(1, 1), 3, "1a", false},
    // UK international designations from 8,000,000 on; "M" adds it only below
    {"UK", ParseUkAppNum, FormatUkAppNum, "7999999", Generic(7999999), 7, "7,999,999"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "8000000", Generic(8000000), 7, "M0", false},
    {"UK", ParseUkAppNum, FormatUkAppNum, "8000001", Generic(8000001), 7, "M1"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "M7999999", Generic(15999999), 8, "M7,999,999"},
    {"UK", ParseUkAppNum, FormatUkAppNum, "M8000000", Generic(8000000), 8, "M0", false},
    {"UK", ParseUkAppNum, FormatUkAppNum, "M8000001", Generic(8000001), 8, "M1"},
    // US serial numbers only above 70,000,000; the registration number's bits take what fits
    {"US", ParseUsAppNum, FormatUsAppNum, "69999999", 69999999u << 8, 8, nullptr},
    {"US", ParseUsAppNum, FormatUsAppNum, "70000000", 70000000u << 8, 8, nullptr},
    {"US", ParseUsAppNum, FormatUsAppNum, "70000001", 70000001 | kUsSerial, 8, "70-000001"},
    {"US", ParseUsAppNum, FormatUsAppNum, "8388607", Generic(8388607), 7, "8,388,607"},
    // IE: the international form from 4,000,000 on; 24 number bits; 4 letter bits below the
    // form bits
    {"IE", ParseIeAppNum, FormatIeAppNum, "3999999", Ie(3999999), 7, "3999999"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "4000000", Ie(4000000), 7, "4000000"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "4000001", Ie(4000001), 7, "M1", false},
    {"IE", ParseIeAppNum, FormatIeAppNum, "16777215", Ie(16777215), 8, "M12777215", false},
    {"IE", ParseIeAppNum, FormatIeAppNum, "16777216", Ie(0), 8, "0", false},
    {"IE", ParseIeAppNum, FormatIeAppNum, "1o", Ie(1, 15), 2, "1o"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "1p", Ie(1), 2, "1", false},
    {"IE", ParseIeAppNum, FormatIeAppNum, "1q", Ie(1, 1), 2, "1a", false},
    {"IE", ParseIeAppNum, FormatIeAppNum, "1999/99999", Ie(9999999, kIeYear | kIeInternational), 10,
     "1999/99999"},
    {"IE", ParseIeAppNum, FormatIeAppNum, "2000/00000", Ie(10000000, kIeYear | kIeInternational),
     10, "2000/00000"},
    // DE: a prefix counts only when the text is at least its width long
    {"DE", ParseDeAppNum, FormatDeAppNum, "DES", De(0, 32), 2, "DE0", false},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DEST", De(0, 50), 3, "DES0", false},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DEST1", De(1, 52), 5, "DEST1"},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DESCH", De(0, 50), 3, "DES0", false},
    {"DE", ParseDeAppNum, FormatDeAppNum, "DESCH12", De(12, 51), 7, "DESCH12"},
    // PL: 23 number bits, 4 letter bits; 257 letters would reach the number
    {"PL", ParsePlAppNum, FormatPlAppNum, "8388607", Generic(8388607), 7, "8,388,607"},
    {"PL", ParsePlAppNum, FormatPlAppNum, "8388608", Generic(0), 7, "0", false},
    {"PL", ParsePlAppNum, FormatPlAppNum, "1o", Generic(1, 15), 2, "1o"},
    {"PL", ParsePlAppNum, FormatPlAppNum, "1p", Generic(1), 2, "1", false},
    {"PL", ParsePlAppNum, FormatPlAppNum, "1iw", Generic(1, 1), 3, "1a", false},
    // CD: ten index bits; 1024 would add one to the application number
    {"CD", ParseCdAppNum, FormatCdAppNum, "6-1023", Cd(6, 1023), 6, "6-1023"},
    {"CD", ParseCdAppNum, FormatCdAppNum, "6-1024", Cd(6, 0), 6, "6-0", false},
    {"CD", ParseCdAppNum, FormatCdAppNum, "6-1025", Cd(6, 1), 6, "6-1", false},
    // CA: the extension is kept modulo 256; 256 would add one to the number
    {"CA", ParseCaAppNum, FormatCaAppNum, "6-255", Generic(6, 255), 5, "6-255"},
    {"CA", ParseCaAppNum, FormatCaAppNum, "6-256", Generic(6), 5, "6", false},
    {"CA", ParseCaAppNum, FormatCaAppNum, "6-257", Generic(6, 1), 5, "6-01", false},
    {"CA", ParseCaAppNum, FormatCaAppNum, "6-9", Generic(6, 9), 3, "6-09", false},
    {"CA", ParseCaAppNum, FormatCaAppNum, "6-10", Generic(6, 10), 4, "6-10"},
    // AU: 24 number bits
    {"AU", ParseAuAppNum, FormatAuAppNum, "16777216", Generic(0), 8, "0", false},
    // Reserved Words: four digits at least
    {"RW", ParseA6AppNum, FormatA6AppNum, "999", Generic(999), 3, "0999"},
    {"RW", ParseA6AppNum, FormatA6AppNum, "9999", Generic(9999), 4, "9999"},
    {"RW", ParseA6AppNum, FormatA6AppNum, "10000", Generic(10000), 5, "10000"},
};

// Parses, counts and shows each case; the shown text parses back where the case says so.
void CheckNumbers(const std::vector<NumberCase>& cases) {
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " \"" + c.text + "\"");
        int used = -1;
        EXPECT_EQ(c.parse(c.text, &used), c.key);
        EXPECT_EQ(used, c.used);
        EXPECT_EQ(c.parse(c.text, nullptr), c.key);
        if (c.shown) {
            EXPECT_EQ(c.show(c.key), c.shown);
        }
        if (c.shown && c.readsBack) {
            EXPECT_EQ(c.parse(c.show(c.key), nullptr), c.key);
        }
    }
}

TEST(AppNumFormats, EveryRegisterParsesAndShowsItsNumbers) {
    CheckNumbers(kCases);
}

TEST(AppNumFormats, ThresholdsAndFieldWidthsOfEveryRegister) {
    CheckNumbers(kThresholds);
    // Formatters at their widths: the US series code in two places, the DE padding.
    EXPECT_EQ(FormatUsAppNum(9999999 | kUsSerial), " 9-999999");
    EXPECT_EQ(FormatUsAppNum(10000000 | kUsSerial), "10-000000");
    EXPECT_EQ(FormatDeAppNum(De(123456, 60)), "302000123456");
    EXPECT_EQ(FormatDeAppNum(De(1234567, 60)), "302001234567");
    EXPECT_EQ(FormatDeAppNum(De(12345678, 60)), "3020012345678");
    for (const char* text : {"7999999", "8000000", "8000001"})
        EXPECT_EQ(IsUkMadridAppNum(text), std::string(text) != "7999999") << text;
}

TEST(AppNumFormats, MillionsOfTenAndMoreAreShownInFull) {
    EXPECT_EQ(FormatUkAppNum(Generic(7345678)), "7,345,678");
    EXPECT_EQ(FormatAppNum(Generic(12345678)), "12,345,678");
    EXPECT_EQ(FormatCaAppNum(Generic(12345678, 3)), "12,345,678-03");
    EXPECT_EQ(FormatAuAppNum(Generic(16000001)), "16,000,001");
    EXPECT_EQ(FormatPlAppNum(Generic(8388607) | kPl), "PL8,388,607");
    EXPECT_EQ(FormatCtmAppNum(Generic(12345678)), "12,345,678");
}

TEST(AppNumFormats, ShownFormsWithoutAParsedText) {
    EXPECT_EQ(FormatUsAppNum(5123456 | kUsSerial), " 5-123456");
    EXPECT_EQ(FormatDeAppNum(De(5, 1)), "5"); // a code no prefix has
    EXPECT_EQ(FormatDeAppNum(De(1234567, 60)), "302001234567");
    EXPECT_EQ(FormatIeAppNum(Ie(42, kIeInternational)), "42");
    EXPECT_EQ(FormatIeAppNum(Ie(4000001)), "M1");
    EXPECT_EQ(FormatA6AppNum(Generic(123456)), "123456");
    EXPECT_EQ(FormatUkdomAppNum(kMadridAppNum), "4294967295");
    EXPECT_EQ(FormatAppNum(0), "0");
}

TEST(AppNumFormats, LetterSuffixesKeepSevenBits) {
    // "zz" counts 702, of which the low 7 bits stay; IE and PL keep 4.
    EXPECT_EQ(ParseInAppNum("1zz", nullptr), Generic(1, 702 & 0x7f));
    EXPECT_EQ(ParseIeAppNum("1zz", nullptr), Ie(1, 702 & 0xf));
    EXPECT_EQ(ParsePlAppNum("1zz", nullptr), Generic(1, 702 & 0xf));
    EXPECT_EQ(FormatAppNum(Generic(1, 27)), "1aa");
}

TEST(AppNumFormats, SeparatorsAreSkippedOnlyRightAfterADigit) {
    int used = 0;
    EXPECT_EQ(ParseUkAppNum("12,,3", &used), Generic(12));
    EXPECT_EQ(used, 3);
    EXPECT_EQ(ParseUkAppNum(",12", &used), 0u);
    EXPECT_EQ(used, 0);
    // A year separator must follow a digit.
    EXPECT_EQ(ParseIeAppNum("12,/5", &used), Ie(12));
    EXPECT_EQ(used, 3);
    EXPECT_EQ(ParseCdAppNum("12,-5", &used), Cd(12, 0));
    EXPECT_EQ(used, 3);
}

TEST(AppNumFormats, OversizedNumbersStayOutOfTheFormBits) {
    // 16,777,216 wraps within the IE number bits instead of setting the international bit.
    EXPECT_EQ(ParseIeAppNum("16777217", nullptr), Ie(1));
    EXPECT_EQ(ParseCdAppNum("1-1025", nullptr), Cd(1, 1));
    EXPECT_EQ(ParsePlAppNum("8388609", nullptr), Generic(1));
}

TEST(AppNumFormats, UkMadridTexts) {
    for (const char* text : {"M1", "m", "8000000", "8,000,000", "12 345 678"})
        EXPECT_TRUE(IsUkMadridAppNum(text)) << text;
    for (const char* text : {"", "7999999", "B8000000", " 8000000", "1234567a"})
        EXPECT_FALSE(IsUkMadridAppNum(text)) << text;
}

} // namespace
