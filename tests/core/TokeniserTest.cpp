#include "core/Tokeniser.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Token {
    std::string text;
    bool isDelimiter;
    bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Token& token) {
    return out << '[' << token.text << (token.isDelimiter ? "]d" : "]");
}

// Every token up to the end of the text, read the way callers loop.
std::vector<Token> Tokens(CTokeniser& tokeniser) {
    std::vector<Token> tokens;
    while (!tokeniser.AtEnd()) {
        Token token;
        token.text = tokeniser.NextToken(&token.isDelimiter);
        tokens.push_back(token);
    }
    return tokens;
}

std::vector<Token> Tokens(const std::string& text, const std::string& delimiters,
                          bool honourQuotes = false) {
    CTokeniser tokeniser(text, delimiters, honourQuotes);
    return Tokens(tokeniser);
}

} // namespace

TEST(Tokeniser, DelimitersComeBackAsTheirOwnTokens) {
    CTokeniser tokeniser("a,,b", ",");
    EXPECT_EQ(Tokens(tokeniser),
              (std::vector<Token>{{"a", false}, {",", true}, {",", true}, {"b", false}}));
    bool isDelimiter = true;
    EXPECT_EQ(tokeniser.NextToken(&isDelimiter), "");
    EXPECT_FALSE(isDelimiter);
    EXPECT_EQ(tokeniser.GetPosition(), 4u);
}

TEST(Tokeniser, BlanksAndTabsAreSkippedBeforeEveryToken) {
    // A blank in the set only ends the token before it; it never comes back as a token.
    EXPECT_EQ(
        Tokens(" \tab  cd (e)", " ()"),
        (std::vector<Token>{{"ab", false}, {"cd", false}, {"(", true}, {"e", false}, {")", true}}));
    // Without the blank in the set, blanks inside a token stay.
    EXPECT_EQ(Tokens("  a b ,c", ","),
              (std::vector<Token>{{"a b ", false}, {",", true}, {"c", false}}));
    EXPECT_TRUE(CTokeniser(" \t ", ",").AtEnd());
}

TEST(Tokeniser, QuotedEscapes) {
    const std::string text = R"("say \"hi\" \\ ok")";
    CTokeniser plain(text, ",", true);
    plain.SetKeepEscapes(false);
    EXPECT_EQ(plain.NextToken(), R"(say "hi" \ ok)");

    CTokeniser kept(text, ",", true);
    EXPECT_EQ(kept.NextToken(), R"(say \"hi\" \\ ok)");

    CTokeniser quoted(text, ",", true);
    quoted.SetKeepQuotes(true);
    quoted.SetKeepEscapes(false);
    EXPECT_EQ(quoted.NextToken(), R"("say "hi" \ ok")");
}

TEST(Tokeniser, QuotesAreOrdinaryWhenNotHonoured) {
    EXPECT_EQ(Tokens(R"(a"b,c" d)", ","),
              (std::vector<Token>{{R"(a"b)", false}, {",", true}, {R"(c" d)", false}}));
    // Outside quotes a backslash is an ordinary character.
    EXPECT_EQ(Tokens(R"(a\,b)", ",", true),
              (std::vector<Token>{{R"(a\)", false}, {",", true}, {"b", false}}));
}

TEST(Tokeniser, QuotedTokenEndsAtTheClosingQuote) {
    EXPECT_EQ(Tokens(R"("a,b"cd,e)", ",", true),
              (std::vector<Token>{{"a,b", false}, {"cd", false}, {",", true}, {"e", false}}));
}

TEST(Tokeniser, QuotedEmptyValueDoesNotEndTheText) {
    CTokeniser tokeniser(R"(a="",b="x")", ",=", true);
    EXPECT_EQ(Tokens(tokeniser), (std::vector<Token>{{"a", false},
                                                     {"=", true},
                                                     {"", false},
                                                     {",", true},
                                                     {"b", false},
                                                     {"=", true},
                                                     {"x", false}}));

    CTokeniser kept(R"("")", ",", true);
    kept.SetKeepQuotes(true);
    EXPECT_EQ(kept.NextToken(), R"("")");
    EXPECT_TRUE(kept.AtEnd());
}

TEST(Tokeniser, UnterminatedQuoteTakesTheRest) {
    EXPECT_EQ(Tokens(R"(a,"b, c)", ",", true),
              (std::vector<Token>{{"a", false}, {",", true}, {"b, c", false}}));

    // A backslash standing last escapes nothing: it is kept and reading stops at the end.
    for (bool keepEscapes : {false, true}) {
        CTokeniser tokeniser(std::string("\"ab\\"), ",", true);
        tokeniser.SetKeepEscapes(keepEscapes);
        EXPECT_EQ(tokeniser.NextToken(), "ab\\");
        EXPECT_EQ(tokeniser.GetPosition(), 4u);
        EXPECT_TRUE(tokeniser.AtEnd());
        EXPECT_EQ(tokeniser.NextToken(), "");
    }
}
