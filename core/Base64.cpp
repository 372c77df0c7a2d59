#include "core/Base64.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::int8_t kNotInAlphabet = -1;

constexpr std::array<std::int8_t, 256> kValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(kNotInAlphabet);
    for (std::size_t i = 0; i < kAlphabet.size(); ++i)
        values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
    return values;
}();

// The padding of a text of whole groups: 0, 1 or 2 "=" at its end and nowhere else.
int PaddingOf(std::string_view text) {
    const std::size_t first = text.find('=');
    if (first == std::string_view::npos)
        return 0;
    const std::size_t count = text.size() - first;
    if (count > 2 || text.find_first_not_of('=', first) != std::string_view::npos)
        return -1;
    return static_cast<int>(count);
}

} // namespace

std::string Base64Encode(const void* bytes, std::size_t length) {
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    std::string text;
    text.reserve((length + 2) / 3 * 4);
    for (std::size_t i = 0; i < length; i += 3) {
        const std::size_t count = std::min<std::size_t>(3, length - i);
        std::uint32_t group = std::uint32_t{data[i]} << 16;
        if (count > 1)
            group |= std::uint32_t{data[i + 1]} << 8;
        if (count > 2)
            group |= data[i + 2];
        for (std::size_t k = 0; k < 4; ++k)
            text += k <= count ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return text;
}

bool Base64Decode(std::string_view text, CBuffer& out) {
    out.Empty();
    const int padding = PaddingOf(text);
    if (text.size() % 4 != 0 || padding < 0)
        return false;
    const std::string_view digits = text.substr(0, text.size() - padding);
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (const char c : digits) {
        const std::int8_t value = kValues[static_cast<unsigned char>(c)];
        if (value == kNotInAlphabet)
            return false;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes += static_cast<char>((bits >> bitCount) & 0xFF);
        }
    }
    return out.SetText(bytes);
}
