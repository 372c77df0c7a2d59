#include "core/GenTerm.h"

#include "FakeStringFinders.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

namespace {

bool Holds(const Texts& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

class GenTermTest : public testing::Test {
protected:
    int Expand(const char* term) { return genTerm_.SetTerm(term, finders_); }

    CFakeStringFinders finders_;
    CGenTerm genTerm_;
};

TEST_F(GenTermTest, LettersAndDigitsMakeSeparateTokens) {
    Expand("abc123 def");
    EXPECT_EQ(genTerm_.GetWords(), (Texts{"abc", "123", "def", "abc 123", "123 def"}));
}

TEST_F(GenTermTest, WildcardsAndEscapesBecomeWordsOfTheirOwn) {
    // A wildcard ending the term or a word stands for itself; so does one standing alone.
    Expand("abc *");
    EXPECT_EQ(genTerm_.GetWords(), (Texts{"abc", "\\*", "abc \\*"}));
    Expand("a-b \\x!");
    EXPECT_EQ(genTerm_.GetWords(),
              (Texts{"a", "\\-", "b", "\\x", "!", "a \\-", "\\- b", "b \\x", "\\x !"}));
}

TEST_F(GenTermTest, NeighbouringShortTokensOfOneKindAreAlsoJoined) {
    Expand("Ab CD 12 34");
    EXPECT_EQ(genTerm_.GetWords(),
              (Texts{"ab", "cd", "12", "34", "ab cd", "cd 12", "12 34", "abcd", "1234"}));
    Expand("abcdefg hijklmno");
    EXPECT_FALSE(Holds(genTerm_.GetWords(), "abcdefghijklmno"));
    Expand("abcdefg hijklmn");
    EXPECT_TRUE(Holds(genTerm_.GetWords(), "abcdefghijklmn"));
}

TEST_F(GenTermTest, LongWordsAreSearchedForByTheirBeginning) {
    Expand("abcdefghijklmnopqrst");
    EXPECT_EQ(genTerm_.GetWords().front(), "abcdefghijklmn-");
    Expand("abcdefghijklmno");
    EXPECT_EQ(genTerm_.GetWords().front(), "abcdefghijklmn-");
    Expand("abcdefghijklmn");
    EXPECT_EQ(genTerm_.GetWords().front(), "abcdefghijklmn");
    Expand("abcdefghijklmnopq xy");
    EXPECT_TRUE(Holds(genTerm_.GetWords(), "abcdefghijklmn- xy"));
}

TEST_F(GenTermTest, AtMostFiveTokensAreUsed) {
    Expand("1 2 3 4 5 6");
    EXPECT_EQ(genTerm_.GetWords().size(), 5u + 4u + 4u);
    EXPECT_FALSE(Holds(genTerm_.GetWords(), "6"));
}

TEST_F(GenTermTest, AnEmptyTermGivesNothing) {
    finders_.AddRegister('u', {"acme"});
    EXPECT_EQ(Expand("   "), 0);
    EXPECT_TRUE(genTerm_.GetWords().empty());
    EXPECT_TRUE(genTerm_.GetPatterns().empty());
    EXPECT_TRUE(genTerm_.GetFoundStrings().empty());
    EXPECT_TRUE(finders_.GetRequests().empty());
}

TEST_F(GenTermTest, PatternsComeFromTheDistinctiveGroups) {
    Expand("xylophone");
    EXPECT_EQ(genTerm_.GetPatterns(),
              (Texts{"-xy-", "-ylo-", "-loph-", "-opho-", "-phone-", "-hone"}));
    Expand("12");
    EXPECT_EQ(genTerm_.GetPatterns(), (Texts{"1-", "-12-", "-2"}));
    Expand("outs");
    EXPECT_EQ(genTerm_.GetPatterns(), (Texts{"-outs-"}));
    // A short whole word gives no pattern.
    Expand("bed");
    EXPECT_TRUE(genTerm_.GetPatterns().empty());
}

TEST_F(GenTermTest, EveryOfferedTextIsCountedRepeatsIncluded) {
    // Words 12, 12, "12 12", 1212; three patterns for each token, the second three refused.
    EXPECT_EQ(Expand("12 12"), 10);
    EXPECT_EQ(genTerm_.GetWords(), (Texts{"12", "12 12", "1212"}));
    EXPECT_EQ(genTerm_.GetPatterns().size(), 3u);
}

TEST_F(GenTermTest, EachLetterTokenAsksTheWordFinderOfEveryRegisterOnce) {
    finders_.AddRegister('u', {"acorn"});
    Expand("Acme 12 zoo");
    ASSERT_EQ(finders_.GetRequests().size(), 2u);
    EXPECT_EQ(finders_.GetRequests()[0].text, "ACME");
    EXPECT_EQ(finders_.GetRequests()[0].mode, 5);
    EXPECT_EQ(finders_.GetRequests()[0].pageSize, 128);
    EXPECT_EQ(finders_.GetRequests()[1].text, "ZOO");
}

TEST_F(GenTermTest, SimilarStringsComeFromAllRegistersMerged) {
    finders_.AddRegister('u', {"Acme", "Acne", "Acre", "Act"});
    finders_.AddRegister('c', {"ACNE", "Acorn", "Macmillan"});
    finders_.AddRegister('w', {"Acrobat", "Acmeist"});
    Expand("acme");
    // The term itself and strings holding its group "CM" are left out; repeats come once.
    EXPECT_EQ(genTerm_.GetFoundStrings(), (Texts{"acne", "acorn", "acre", "acrobat", "act"}));
}

TEST_F(GenTermTest, OnlyTheBeginningOfALongStringIsTestedForGroups) {
    finders_.AddRegister('u', {"acnabcdefghijklmcm", "acnabcdefghicm"});
    Expand("acme");
    EXPECT_EQ(genTerm_.GetFoundStrings(), (Texts{"acnabcdefghijklmcm"}));
}

TEST_F(GenTermTest, TheTokensShareABudgetOfSimilarStrings) {
    std::vector<std::string> words;
    for (char first = 'n'; first <= 'z'; ++first)
        for (char second = 'b'; second <= 'z'; ++second)
            words.push_back(std::string("ac") + first + second);
    finders_.AddRegister('u', words);
    Expand("acme");
    EXPECT_EQ(genTerm_.GetFoundStrings().size(), 32u);
    // Three tokens get ten each; the second token's strings repeat the first's.
    Expand("acme acme zz");
    EXPECT_EQ(genTerm_.GetFoundStrings().size(), 10u);
}

TEST_F(GenTermTest, RegistersWithoutAFinderAreLeftOut) {
    finders_.AddRegister('u', {"Acne"});
    finders_.AddRegister('c', {"Acorn"});
    finders_.FailRegister('c');
    Expand("acme");
    EXPECT_EQ(genTerm_.GetFoundStrings(), (Texts{"acne"}));

    finders_.FailRegister('u');
    Expand("acme");
    EXPECT_TRUE(genTerm_.GetFoundStrings().empty());
    EXPECT_FALSE(genTerm_.GetWords().empty());
}
