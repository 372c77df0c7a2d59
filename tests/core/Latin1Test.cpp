#include "core/Latin1.h"

#include <gtest/gtest.h>

namespace {

char Byte(int value) {
    return static_cast<char>(value);
}

} // namespace

TEST(Latin1, LettersAndDigits) {
    for (int value : {int{'A'}, int{'z'}, 138, 140, 154, 156, 159, 192, 214, 216, 246, 248, 255})
        EXPECT_TRUE(IsAlphaLatin1(Byte(value))) << value;
    for (int value : {int{'0'}, int{'@'}, int{'['}, 139, 158, 170, 181, 215, 247})
        EXPECT_FALSE(IsAlphaLatin1(Byte(value))) << value;
    EXPECT_TRUE(IsAlnumLatin1('7'));
    EXPECT_FALSE(IsAlnumLatin1('-'));
}

TEST(Latin1, CaseMappingsAreInverseOverTheLetters) {
    EXPECT_EQ(ToLowerLatin1('Q'), 'q');
    EXPECT_EQ(ToLowerLatin1(Byte(138)), Byte(154));
    EXPECT_EQ(ToLowerLatin1(Byte(140)), Byte(156));
    EXPECT_EQ(ToLowerLatin1(Byte(159)), Byte(255));
    EXPECT_EQ(ToLowerLatin1(Byte(215)), Byte(215)); // the multiplication sign
    EXPECT_EQ(ToUpperLatin1(Byte(247)), Byte(247)); // the division sign
    EXPECT_EQ(ToUpperLatin1(Byte(223)), Byte(223)); // sharp s has no capital here
    for (int value = 0; value < 256; ++value) {
        const char c = Byte(value);
        if (IsUpperLatin1(c)) {
            EXPECT_EQ(ToUpperLatin1(ToLowerLatin1(c)), c) << value;
        }
    }
    EXPECT_TRUE(IsUpperLatin1(Byte(192)));
    EXPECT_FALSE(IsUpperLatin1(Byte(224)));
    EXPECT_FALSE(IsUpperLatin1('1'));
}

TEST(Latin1, StripAccent) {
    const std::pair<int, char> cases[] = {
        {0, '\0'},  {'a', 'a'}, {127, 127}, {131, 'f'}, {138, 'S'}, {167, 'S'}, {140, 'O'},
        {216, 'O'}, {159, 'Y'}, {221, 'Y'}, {161, 'i'}, {239, 'i'}, {169, 'c'}, {163, 'L'},
        {170, 'a'}, {230, 'a'}, {174, 'R'}, {178, '2'}, {185, '1'}, {181, 'u'}, {198, 'A'},
        {199, 'C'}, {203, 'E'}, {208, 'D'}, {209, 'N'}, {215, 'x'}, {220, 'U'}, {222, 'T'},
        {223, 'B'}, {235, 'e'}, {240, 'd'}, {241, 'n'}, {248, 'o'}, {253, 'y'}, {255, 'y'},
        {254, 't'}, {1, ' '},   {31, ' '},  {128, ' '}, {247, ' '}, {160, ' '},
    };
    for (const auto& [value, plain] : cases)
        EXPECT_EQ(StripAccentLatin1(Byte(value)), plain) << value;
}

TEST(Latin1, WhiteAndTrimming) {
    for (char c : {'\t', '\n', '\r', ' ', Byte(160)})
        EXPECT_TRUE(IsWhiteChar(c));
    EXPECT_FALSE(IsWhiteChar('\v'));

    EXPECT_EQ(TrimWhite(" \r\n text \n\r "), "text");
    EXPECT_EQ(TrimWhite("\tkeeps tabs\t"), "\tkeeps tabs\t");
    EXPECT_EQ(TrimWhite(" \n "), "");
    std::string text = "\n a b \r";
    TrimWhiteStd(text);
    EXPECT_EQ(text, "a b");
}

TEST(Latin1, WholeTextsInOneCaseAndComparedWithoutCase) {
    EXPECT_EQ(LowerCaseLatin1("\xC9toile \x8A ABC-1"), "\xE9toile \x9A abc-1");
    EXPECT_EQ(UpperCaseLatin1("\xE9toile \xFF abc-1"), "\xC9TOILE \x9F ABC-1");
    EXPECT_TRUE(EqualNoCaseLatin1("\xC9toile", "\xE9TOILE"));
    EXPECT_FALSE(EqualNoCaseLatin1("Acme", "Acmes"));
    // Lowered bytes compare unsigned, so accented letters follow the plain ones.
    EXPECT_TRUE(LessNoCaseLatin1("ZEBRA", "\xE9toile"));
    EXPECT_TRUE(LessNoCaseLatin1("acme", "ACMES"));
    EXPECT_FALSE(LessNoCaseLatin1("ACME", "acme"));
}
