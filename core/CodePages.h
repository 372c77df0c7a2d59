#pragma once
// The two 8-bit code pages of record text, Western (Windows-1252) and Greek (Windows-1253):
// their conversion to UTF-16 and a guess of which one a text is written in.

#include <array>
#include <cstdint>
#include <string_view>

namespace codepage {

// Bytes 128-255 as UTF-16; a byte the code page leaves undefined keeps its own value.
extern const std::array<char16_t, 128> kWindows1252High;
extern const std::array<char16_t, 128> kWindows1253High;

// What each byte value costs in Western and in Greek text: the rarer, the dearer; 200 for a byte
// that hardly occurs. Generated from word lists by scripts/make_code_page_tables.py.
extern const std::array<std::uint8_t, 256> kWesternCosts;
extern const std::array<std::uint8_t, 256> kGreekCosts;

// One byte of record text as UTF-16, Greek or Western.
inline char16_t ToUtf16(char byte, bool greek) {
    const auto value = static_cast<unsigned char>(byte);
    if (value < 128)
        return value;
    return (greek ? kWindows1253High : kWindows1252High)[value - 128];
}

} // namespace codepage

// True when the text reads as Greek (Windows-1253) rather than Western (Windows-1252): its bytes
// cost less by the Greek table than by the Western one.
bool ScoreFavoursSecondTable(std::string_view text);
