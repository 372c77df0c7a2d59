#include "core/CharRef.h"

#include <gtest/gtest.h>

namespace {

struct Decoded {
    std::size_t used;
    std::uint16_t code;
};

Decoded Decode(std::string_view text) {
    std::uint16_t code = 0xFFFF;
    const std::size_t used = DecodeCharRef(text, code);
    return {used, used ? code : std::uint16_t{0}};
}

} // namespace

TEST(CharRef, NumbersDecimalAndHexadecimal) {
    EXPECT_EQ(Decode("&#65;x").code, 65);
    EXPECT_EQ(Decode("&#65;x").used, 5u);
    EXPECT_EQ(Decode("&65;").code, 65); // the "#" may be left out
    EXPECT_EQ(Decode("&#x4a;").code, 0x4A);
    EXPECT_EQ(Decode("&#X4A;").used, 6u);
    EXPECT_EQ(Decode("&#300;").code, 300);
    EXPECT_EQ(Decode("&#65535;").code, 65535);
    // The name runs to the end of the text when no ";" closes it.
    EXPECT_EQ(Decode("&#65").used, 4u);
}

TEST(CharRef, EntityNamesExactThenIgnoringCase) {
    EXPECT_EQ(Decode("&amp;").code, 38);
    EXPECT_EQ(Decode("&quot;").code, 34);
    EXPECT_EQ(Decode("&nbsp;").code, 160);
    EXPECT_EQ(Decode("&Eacute;").code, 201);
    EXPECT_EQ(Decode("&eacute;").code, 233);
    EXPECT_EQ(Decode("&EACUTE;").code, 201); // the first in table order
    EXPECT_EQ(Decode("&AMP;").code, 38);
    EXPECT_EQ(Decode("&yuml;").code, 255);
    EXPECT_EQ(Decode("&amp").used, 4u);
}

TEST(CharRef, WhatIsNoReference) {
    for (const char* text :
         {"", "x", "&", "&;", "&#;", "&#x;", "&#xg1;", "&#12a;", "&bogus;", "&amp rest of the text",
          "&#65536;", "&#99999999999999999999;", "&#x10000;"})
        EXPECT_EQ(Decode(text).used, 0u) << text;
}

TEST(CharRef, DecodeCharRefsWritesOnlyBytes) {
    EXPECT_EQ(DecodeCharRefs("&AMP;&#x41;&#300;&amp"), "&A&#300;&");
    EXPECT_EQ(DecodeCharRefs("caf&eacute; & co&#0;"), "caf\xe9 & co&#0;");
    EXPECT_EQ(DecodeCharRefs("no references"), "no references");
}

TEST(CharRef, DecodeCharRefsFindsEachNameEnd) {
    // Every "&" before a ";" shares the one look-up of that ";".
    EXPECT_EQ(DecodeCharRefs("&&&amp;"), "&&&");
    EXPECT_EQ(DecodeCharRefs("&#65&amp;"), "&#65&");
    EXPECT_EQ(DecodeCharRefs("&amp;&lt;&#66"), "&<B");
    EXPECT_EQ(DecodeCharRefs("&& ;&gt"), "&& ;>");
}
