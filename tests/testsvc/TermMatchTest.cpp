#include "testsvc/data/TermMatch.h"

#include <gtest/gtest.h>

TEST(TermMatch, Wildcards) {
    EXPECT_TRUE(CTermPattern("AC-").Matches("ACME"));
    EXPECT_TRUE(CTermPattern("AC-").Matches("AC"));
    EXPECT_FALSE(CTermPattern("AC-").Matches("BACME"));
    EXPECT_TRUE(CTermPattern("-ME").Matches("ACME"));
    EXPECT_TRUE(CTermPattern("A*ME").Matches("ACME"));
    EXPECT_FALSE(CTermPattern("A*ME").Matches("AME"));
    EXPECT_FALSE(CTermPattern("A*ME").Matches("ACCME"));
    EXPECT_TRUE(CTermPattern("AC?ME").Matches("ACME"));
    EXPECT_TRUE(CTermPattern("AC?ME").Matches("ACXME"));
    EXPECT_FALSE(CTermPattern("AC?ME").Matches("ACXXME"));
    EXPECT_TRUE(CTermPattern("acme").Matches("ACME"));
    EXPECT_FALSE(CTermPattern("ACME").Matches("ACMEX"));
}

TEST(TermMatch, BackslashMakesAWildcardLiteral) {
    const CTermPattern pattern("SEMI\\-SOFT");
    EXPECT_FALSE(pattern.HasWildcards());
    EXPECT_TRUE(pattern.Matches("SEMI-SOFT"));
    EXPECT_FALSE(pattern.Matches("SEMIXSOFT"));
    EXPECT_EQ(pattern.Letters(), "SEMI-SOFT");
    EXPECT_TRUE(CTermPattern("\\*").Matches("*"));
    EXPECT_FALSE(CTermPattern("\\*").Matches("A"));
}

TEST(TermMatch, OccursAnywhere) {
    EXPECT_TRUE(CTermPattern("holdings").Occurs("Acme Holdings Ltd"));
    EXPECT_TRUE(CTermPattern("H*LD").Occurs("Acme Holdings Ltd"));
    EXPECT_FALSE(CTermPattern("trading").Occurs("Acme Holdings Ltd"));
}

TEST(TermMatch, WordsAndDistances) {
    const std::vector<std::string> words = SplitWords("Coffee, tea; \xC1\xCB\xD6\xC1 cocoa-2");
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[0], "COFFEE");
    EXPECT_EQ(words[2], "\xC1\xCB\xD6\xC1");
    EXPECT_EQ(words[4], "2");
    EXPECT_EQ(EditDistance("ACME", "ACNE"), 1u);
    EXPECT_EQ(EditDistance("ACME", "ACMEX"), 1u);
    EXPECT_EQ(EditDistance("ACME", "EMCA"), 4u);
    EXPECT_EQ(EditDistance("", "ABC"), 3u);
}
