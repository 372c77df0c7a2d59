#include "core/TermHighlighter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The pieces as "text" for plain and "[text]" for highlighted ones.
std::string Marked(const std::vector<std::string>& terms, const std::string& text) {
    CTermHighlighter highlighter;
    highlighter.SetTerms(terms);
    std::vector<CHighlightPiece> pieces;
    highlighter.SplitText(text, pieces);
    std::string marked;
    std::string joined;
    for (const CHighlightPiece& piece : pieces) {
        EXPECT_FALSE(piece.text.empty());
        marked += piece.flag ? "[" + piece.text + "]" : piece.text;
        joined += piece.text;
    }
    EXPECT_EQ(joined, text);
    return marked;
}

} // namespace

TEST(TermHighlighter, WholeWordsOnly) {
    EXPECT_EQ(Marked({"ACME"}, "The acme-ACME Co"), "The [acme]-[ACME] Co");
    EXPECT_EQ(Marked({"ACME"}, "ACMEX XACME"), "ACMEX XACME");
    EXPECT_EQ(Marked({"2000"}, "ACME 2000 20001"), "ACME [2000] 20001");
}

TEST(TermHighlighter, SplitPieces) {
    CTermHighlighter highlighter;
    highlighter.SetTerms({"ACME"});
    std::vector<CHighlightPiece> pieces;
    highlighter.SplitText("The acme-ACME Co", pieces);
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].flag, 0);
    EXPECT_EQ(pieces[0].text, "The ");
    EXPECT_EQ(pieces[1].flag, 1);
    EXPECT_EQ(pieces[1].text, "acme");
    EXPECT_EQ(pieces[2].text, "-");
    highlighter.SplitText("", pieces);
    EXPECT_TRUE(pieces.empty());
    highlighter.SetTerms({});
    highlighter.SplitText("acme", pieces);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].flag, 0);
}

TEST(TermHighlighter, Wildcards) {
    EXPECT_EQ(Marked({"AC-E"}, "ACE ACME ACTIVE ACMES"), "[ACE] [ACME] [ACTIVE] ACMES");
    EXPECT_EQ(Marked({"AC?E"}, "ACE ACME ACTIVE"), "[ACE] [ACME] ACTIVE");
    EXPECT_EQ(Marked({"AC*E"}, "ACE ACME ACTIVE"), "ACE [ACME] ACTIVE");
    // A wildcard covers joiners but never a blank or a change from letters to digits.
    EXPECT_EQ(Marked({"A-Z"}, "A-TO-Z A TO Z AB1Z"), "[A-TO-Z] A TO Z AB1Z");
    // The shortest span wins: a joiner ends the word as well as a blank does.
    EXPECT_EQ(Marked({"SHO-"}, "shoes, shoe-horns"), "[shoes], [shoe]-horns");
    EXPECT_EQ(Marked({"SHO-S"}, "shoe-horns"), "[shoe-horns]");
}

TEST(TermHighlighter, OptionalApostropheAndHyphen) {
    EXPECT_EQ(Marked({"O'NEIL"}, "ONEIL O'NEIL"), "[ONEIL] [O'NEIL]");
    EXPECT_EQ(Marked({"SEMI\\-SOFT"}, "SEMISOFT SEMI-SOFT"), "[SEMISOFT] [SEMI-SOFT]");
}

TEST(TermHighlighter, EscapedCharactersMatchThemselves) {
    EXPECT_EQ(Marked({"AB\\*"}, "AB* ABC"), "[AB*] ABC");
    EXPECT_EQ(Marked({"A\\$B"}, "A$B AXB"), "[A$B] AXB");
    EXPECT_EQ(Marked({"A\\?"}, "A? AB"), "[A?] AB");
}

TEST(TermHighlighter, AccentsAndCaseFold) {
    EXPECT_EQ(Marked({"cafe"}, "CAF\xC9 caf\xE9"), "[CAF\xC9] [caf\xE9]");
    EXPECT_EQ(Marked({"caf\xE9"}, "CAFE"), "[CAFE]");
}

TEST(TermHighlighter, FirstMatchingTermWins) {
    CTermHighlighter highlighter;
    highlighter.SetTerms({"ZEN-", "ACME", "AC-"});
    std::size_t length = 0;
    EXPECT_EQ(highlighter.MatchAt("ACMES", 0, kCharLetter, length), 2);
    EXPECT_EQ(length, 5u);
    EXPECT_EQ(highlighter.MatchAt("ACME", 0, kCharLetter, length), 1);
    EXPECT_EQ(highlighter.MatchAt("BETA", 0, kCharLetter, length), -1);
    EXPECT_EQ(highlighter.GetTerms(), (std::vector<std::string>{"ZEN-", "ACME", "AC-"}));
}

TEST(TermHighlighter, ShortestSpansWin) {
    std::size_t length = 0;
    // The first '-' takes as little as it can: "A" + "" + "B..." fails at the word's end, so
    // spans grow until the rest fits; the whole word is covered either way.
    ASSERT_TRUE(MatchWildcard("ABABAB X", 0, "A-B", kCharLetter, length));
    EXPECT_EQ(length, 6u);
    ASSERT_TRUE(MatchWildcard("AB'C", 0, "A?'C", kCharLetter, length));
    EXPECT_EQ(length, 4u);
    EXPECT_FALSE(MatchWildcard("AB", 0, "AB*", kCharLetter, length));
    ASSERT_TRUE(MatchWildcard("12-34 5", 0, "1-4", kCharDigit, length));
    EXPECT_EQ(length, 5u);
}

TEST(TermHighlighter, AnyRunCoversAtMostAHundredCharacters) {
    const std::string hundred(100, 'X');
    std::size_t length = 0;
    EXPECT_TRUE(MatchWildcard("A" + hundred + "B", 0, "A-B", kCharLetter, length));
    EXPECT_EQ(length, 102u);
    EXPECT_FALSE(MatchWildcard("A" + hundred + "XB", 0, "A-B", kCharLetter, length));
    EXPECT_TRUE(MatchWildcard("A" + hundred + "XB", 0, "A--B", kCharLetter, length));
}

TEST(TermHighlighter, ManyWildcardsOnALongWordFinishQuickly) {
    // Retrying every span of every wildcard would take longer than the universe has left.
    const std::string word(3000, 'A');
    CTermHighlighter highlighter;
    highlighter.SetTerms({"A-A-A-A-A-A-A-A-A-A-A-A-A-A-B", "?????????????????????????B"});
    std::vector<CHighlightPiece> pieces;
    highlighter.SplitText(word + " " + word + "C", pieces);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].flag, 0);
}
