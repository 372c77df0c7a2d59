#include "core/WString.h"

#include <gtest/gtest.h>

TEST(WString, WesternAndGreekConversion) {
    EXPECT_EQ(CWString("\x80\xC1\x81", false).View(), u"\u20AC\u00C1\u0081");
    EXPECT_EQ(CWString("\x80\xC1\x81", true).View(), u"\u20AC\u0391\u0081");
    EXPECT_EQ(CWString("plain", true).View(), u"plain");
    const CWString empty;
    EXPECT_EQ(empty.GetLength(), 0);
    EXPECT_EQ(empty.GetData()[0], u'\0');
}

TEST(WString, CharacterReferencesBecomeOneUnit) {
    EXPECT_EQ(CWString("a&amp;b", false).View(), u"a&b");
    EXPECT_EQ(CWString("a & b &", false).View(), u"a & b &");
    EXPECT_EQ(CWString("&#x3A9;", false).View(), u"\u03A9");
    EXPECT_EQ(CWString("&eacute;", true).View(), u"\u00E9");
}

TEST(WString, PositionNamesTheUnitTheByteBecamePartOf) {
    CWString text;
    for (const auto& [in, out] :
         {std::pair{0, 0}, {1, 1}, {3, 1}, {5, 1}, {6, 2}, {7, 3}, {99, 4}}) {
        int position = in;
        text.SetText("a&amp;bc", false, &position);
        EXPECT_EQ(position, out) << in;
    }
    EXPECT_EQ(text.GetLength(), 4);
}

TEST(WString, AppendCopyLeftAndRight) {
    CWString text("ab", false);
    text.AppendText("\xE1", true);
    text.AppendText("\xE1", false);
    EXPECT_EQ(text.View(), u"ab\u03B1\u00E1");
    EXPECT_EQ(text.GetData()[text.GetLength()], u'\0');

    CWString copy(text);
    text.Empty();
    EXPECT_EQ(text.GetLength(), 0);
    EXPECT_EQ(copy.GetLength(), 4);
    text.Assign(copy);
    text = text;
    EXPECT_EQ(text.View(), copy.View());

    EXPECT_EQ(copy.Left(2).View(), u"ab");
    EXPECT_EQ(copy.Right(2).View(), u"\u03B1\u00E1");
    EXPECT_EQ(copy.Left(-1).GetLength(), 0);
    EXPECT_EQ(copy.Right(99).View(), copy.View());
}
