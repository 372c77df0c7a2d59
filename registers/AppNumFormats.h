#pragma once
// Packed application numbers of the built-in registers: each hit carries its register's
// application number in one 32-bit value, written and read here.
//
// Parsers never fail: text they cannot read gives 0 in the number part. Each takes an optional
// out count of the characters it consumed (prefixes, digits, skipped separators, letters).

#include <cstdint>
#include <string>
#include <string_view>

// What the RW, CD, DE, UKDOM and US parsers and ParseAppNum answer for a text that starts
// with "M" (a Madrid designation, which those registers do not number); no formatter gives it.
inline constexpr std::uint32_t kMadridAppNum = 0xffffffff;

// Generic layout (IR, and the registration numbers of the US): the number in bits 8-31, bit 7
// a "B" prefix, bits 0-6 a letter count written as a lower-case suffix.
std::string FormatAppNum(std::uint32_t key);
std::uint32_t ParseAppNum(std::string_view text, int* used = nullptr);
// As ParseAppNum, but an "M" is read over and the number kept.
std::uint32_t ParseInAppNum(std::string_view text, int* used = nullptr);

// UK: the generic layout; numbers of 8,000,000 and more are international designations shown
// with an "M" and the number less 8,000,000.
std::string FormatUkAppNum(std::uint32_t key);
std::uint32_t ParseUkAppNum(std::string_view text, int* used = nullptr);
bool IsUkMadridAppNum(std::string_view text);

// EUTM: the generic layout, parsed by ParseAppNum.
std::string FormatCtmAppNum(std::uint32_t key);

// US: bit 31 marks a serial number (bits 0-30) shown "%2d-%06d"; else a registration number in
// the generic layout.
std::string FormatUsAppNum(std::uint32_t key);
std::uint32_t ParseUsAppNum(std::string_view text, int* used = nullptr);

// DE: the number in bits 6-31, a prefix code ("DE", "DESCH", "30200", ...) in bits 0-5.
std::string FormatDeAppNum(std::uint32_t key);
std::uint32_t ParseDeAppNum(std::string_view text, int* used = nullptr);

// IE: the number in bits 7-30, bit 31 an international or year form, bit 5 the year form
// "yyyy/nnnnn", bit 4 the "IR" form, bits 0-3 a one-letter suffix.
std::string FormatIeAppNum(std::uint32_t key);
std::uint32_t ParseIeAppNum(std::string_view text, int* used = nullptr);

// PL: bit 31 a "PL" prefix, the number in bits 8-30, bits 0-3 a one-letter suffix.
std::string FormatPlAppNum(std::uint32_t key);
std::uint32_t ParsePlAppNum(std::string_view text, int* used = nullptr);

// Community Designs: the application number in bits 10-31, the design index in bits 0-9.
std::string FormatCdAppNum(std::uint32_t key);
std::uint32_t ParseCdAppNum(std::string_view text, int* used = nullptr);

// CA: the number in bits 8-31, a two-digit extension in bits 0-7.
std::string FormatCaAppNum(std::uint32_t key);
std::uint32_t ParseCaAppNum(std::string_view text, int* used = nullptr);

// AU: the number in bits 8-31.
std::string FormatAuAppNum(std::uint32_t key);
std::uint32_t ParseAuAppNum(std::string_view text, int* used = nullptr);

// Reserved Words: the number in bits 8-31, shown with at least four digits.
std::string FormatA6AppNum(std::uint32_t key);
std::uint32_t ParseA6AppNum(std::string_view text, int* used = nullptr);

// UK domain names: the number itself.
std::string FormatUkdomAppNum(std::uint32_t key);
std::uint32_t ParseUkdomAppNum(std::string_view text, int* used = nullptr);
