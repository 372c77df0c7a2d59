#include "core/CleanString.h"

#include "core/NameAddr.h"

#include <gtest/gtest.h>

namespace {

std::string Collected(std::initializer_list<const char*> pieces) {
    CCleanString text;
    for (const char* piece : pieces)
        text.Append(piece);
    return text.GetText();
}

} // namespace

TEST(CleanString, PiecesAreSeparatedByOneBlankButNotBeforeAComma) {
    EXPECT_EQ(Collected({"x", "y"}), "x y");
    EXPECT_EQ(Collected({"a", ", b"}), "a, b");
    // White space left pending by the first piece gives the blank before the comma.
    EXPECT_EQ(Collected({"  a \t b  ", ", c"}), "a b , c");
}

TEST(CleanString, WhiteRunsFoldAndEndsAreDropped) {
    EXPECT_EQ(Collected({" \t\r\n one\xA0\xA0two \n"}), "one two");
    EXPECT_EQ(Collected({"   ", "  ", "x"}), "x");
    EXPECT_EQ(Collected({"x", "   "}), "x");
    EXPECT_EQ(Collected({"x", "", "y"}), "x y");
}

TEST(CleanString, SetTextStartsAfreshAndTheOtherFormsAgree) {
    CCleanString text("first  ");
    text.SetText("  second");
    text.Append("third");
    EXPECT_EQ(text.GetText(), "second third");

    CCleanString other;
    other.SetStdString(" a  b ");
    other.AppendCString("c");
    other.AppendClean(text);
    EXPECT_EQ(other.GetText(), "a b c second third");
    other.SetCString("");
    EXPECT_TRUE(other.IsEmpty());
}

TEST(NameAddr, EmptyMeansNoNameAndNoAddressWhateverTheLines) {
    CNameAddr entry;
    EXPECT_TRUE(entry.IsEmpty());
    entry.lines = {"1 High St", "Anytown"};
    EXPECT_TRUE(entry.IsEmpty());
    entry.address.Append("1 High St");
    EXPECT_FALSE(entry.IsEmpty());

    CNameAddr copy = entry;
    entry.Clear();
    EXPECT_TRUE(entry.IsEmpty());
    EXPECT_TRUE(entry.lines.empty());
    EXPECT_EQ(copy.address.GetText(), "1 High St");
    EXPECT_EQ(copy.lines.size(), 2u);
}
