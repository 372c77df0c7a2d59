#include "core/Base64.h"

#include <gtest/gtest.h>

namespace {

std::string Encoded(std::string_view bytes) {
    return Base64Encode(bytes.data(), bytes.size());
}

// The decoded bytes, or "!" when the text is refused.
std::string Decoded(std::string_view text) {
    CBuffer out;
    out.SetText("stale");
    if (!Base64Decode(text, out))
        return out.IsEmpty() ? "!" : "! but not emptied";
    return std::string(reinterpret_cast<const char*>(out.GetData()), out.GetLength());
}

} // namespace

TEST(Base64, StandardVectors) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"abc", "YWJj"},
        {"ab", "YWI="},
    };
    for (const auto& [bytes, text] : vectors) {
        EXPECT_EQ(Encoded(bytes), text);
        EXPECT_EQ(Decoded(text), bytes);
    }
    EXPECT_EQ(Encoded(std::string("\xfb\xff\xbf", 3)), "+/+/");
    EXPECT_EQ(Decoded("+/+/"), std::string("\xfb\xff\xbf", 3));
}

TEST(Base64, EveryByteValueRoundTrips) {
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        bytes += static_cast<char>(value);
    for (std::size_t length = 0; length <= bytes.size(); length += 37)
        EXPECT_EQ(Decoded(Encoded(bytes.substr(0, length))), bytes.substr(0, length));
}

TEST(Base64, MalformedTextIsRefused) {
    for (const char* text : {"YWI", "YWJjZ", "YW!=", "YW I", "Y===", "====", "=YWI", "YW=I",
                             "YWI=YWI=", "YWJj\n", "YWJ\xff"})
        EXPECT_EQ(Decoded(text), "!") << text;
}
