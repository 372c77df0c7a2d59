#include "core/ZrTerms.h"

#include "core/TermMapper.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Terms = std::vector<std::string>;

CTermMapper InputMapper(char matchAny, char matchOne, char matchOneOrNone) {
    CTermMapper mapper;
    mapper.Add(matchAny, '-');
    mapper.Add(matchOne, '*');
    mapper.Add(matchOneOrNone, '?');
    return mapper;
}

CTermMapper DisplayMapper(char matchAny, char matchOne, char matchOneOrNone) {
    CTermMapper mapper;
    mapper.Add('-', matchAny);
    mapper.Add('*', matchOne);
    mapper.Add('?', matchOneOrNone);
    return mapper;
}

// The message of a rejected word term, or "accepted".
std::string WordVerdict(const std::string& term, int mode, int kind) {
    std::string message;
    return ValidateWordTerm(term, mode, kind, message) ? "accepted" : message;
}

std::string GoodsVerdict(const std::string& term) {
    std::string message;
    return ValidateGoodsTerm(term, message) ? "accepted" : message;
}

} // namespace

TEST(TermMapper, InputMapperTurnsUserWildcardsIntoInternalOnes) {
    const CTermMapper mapper = InputMapper('%', '*', '?');
    EXPECT_EQ(mapper.Map("BRAND%"), "BRAND-");
    EXPECT_EQ(mapper.Map("SEMI-SOFT"), "SEMI\\-SOFT"); // an internal wildcard typed as literal
    EXPECT_EQ(mapper.Map("A\\%B"), "A%B");             // an escaped user wildcard is literal
    EXPECT_EQ(mapper.Map("A\\*B"), "A\\*B");           // an escaped internal wildcard stays escaped
    EXPECT_EQ(mapper.Map("A\\xB"), "AxB");
    EXPECT_EQ(mapper.Map("AB\\"), "AB\\");
    EXPECT_EQ(mapper.Lookup('%'), '-');
    EXPECT_EQ(mapper.Lookup('x'), 0);
    EXPECT_EQ(mapper.FindTarget('*'), '*');
    EXPECT_EQ(mapper.FindTarget('x'), 0);
}

TEST(TermMapper, DisplayMapperShowsInternalWildcardsAsTheUsersOnes) {
    const CTermMapper mapper = DisplayMapper('%', '_', '!');
    EXPECT_EQ(mapper.Map("AC-E*?"), "AC%E_!");
    EXPECT_EQ(mapper.Map("SEMI\\-SOFT"), "SEMI-SOFT");
    EXPECT_EQ(InputMapper('%', '_', '!').Map(mapper.Map("AC-E?")), "AC-E?");
}

TEST(TermMapper, ClearedMapperCopiesTheText) {
    CTermMapper mapper = InputMapper('%', '*', '?');
    mapper.Clear();
    EXPECT_EQ(mapper.Map("A%-\\x"), "A%-x");
}

TEST(ZrTerms, CommaListBecomesTermsUpToTheModesLimit) {
    CZrTerms terms;
    std::string message;
    EXPECT_TRUE(
        terms.AddTerms("ACME, ZENITH", kValidateSearchDialog, nullptr, kTermWordMatch, message));
    EXPECT_EQ(terms.GetTerms(), (Terms{"ACME", "ZENITH"}));

    EXPECT_FALSE(terms.AddTerms("A, B, C", kValidateQuickSearch, nullptr, kTermWordMatch, message));
    EXPECT_EQ(message, "Cannot search on more than 2 word terms.");
    EXPECT_EQ(terms.GetTerms(), (Terms{"A", "B"}));

    std::string thirteen;
    for (char c = 'A'; c < 'A' + 13; ++c)
        thirteen += std::string(1, c) + "X ";
    EXPECT_FALSE(terms.AddTerms(thirteen, kValidateSearchDialog, nullptr, kTermAnagram, message));
    EXPECT_EQ(message, "Cannot search on more than 12 word terms.");
    EXPECT_EQ(terms.GetTerms().size(), 12u);
    EXPECT_EQ(terms.GetKind(), kTermAnagram);
}

TEST(ZrTerms, MarkKindsTakeTheWholeTextAsOneTerm) {
    CZrTerms terms;
    std::string message;
    EXPECT_TRUE(
        terms.AddTerms("ACME, ZENITH", kValidateSearchDialog, nullptr, kTermMarkMatch, message));
    EXPECT_EQ(terms.GetTerms(), (Terms{"ACME, ZENITH"}));
    EXPECT_TRUE(terms.AddTerms("", kValidateSearchDialog, nullptr, kTermSimilarMark, message));
    EXPECT_TRUE(terms.IsEmpty());
    EXPECT_EQ(terms.GetKind(), kTermSimilarMark);
}

TEST(ZrTerms, RejectionKeepsEarlierTermsAndTheMessage) {
    CZrTerms terms;
    std::string message = "unchanged";
    EXPECT_TRUE(terms.AddTerms("ACME", kValidateSearchDialog, nullptr, kTermWordMatch, message));
    EXPECT_EQ(message, "unchanged");
    EXPECT_FALSE(terms.AddTerms("ACME R2D2 ZENITH", kValidateSearchDialog, nullptr, kTermWordMatch,
                                message));
    EXPECT_EQ(message, "Term 'R2D2' cannot have mixed letters and numbers.");
    EXPECT_EQ(terms.GetTerms(), (Terms{"ACME"}));
}

TEST(ZrTerms, QuotedPhraseStaysOneTermWithItsQuotes) {
    CZrTerms terms;
    std::string message;
    EXPECT_TRUE(terms.AddTerms("\"NEW WORLD ORDER 2000\", ACME", kValidateSearchDialog, nullptr,
                               kTermWordMatch, message));
    EXPECT_EQ(terms.GetTerms(), (Terms{"\"NEW WORLD ORDER 2000\"", "ACME"}));
}

TEST(ZrTerms, MapperAppliesBeforeValidation) {
    CZrTerms terms;
    std::string message;
    const CTermMapper mapper = InputMapper('%', '*', '?');
    EXPECT_TRUE(terms.AddTerms("BRAND%", kValidateSearchDialog, &mapper, kTermWordMatch, message));
    EXPECT_EQ(terms.GetTerms(), (Terms{"BRAND-"}));
    const CTermMapper display = DisplayMapper('%', '*', '?');
    EXPECT_EQ(terms.GetText(&display), "BRAND%");
    EXPECT_EQ(terms.GetSummaryText("&", &display), " &WD:BRAND%");
}

TEST(ZrTerms, WordTermMessages) {
    EXPECT_EQ(WordVerdict("ABCDEFGHIJKLMNOP", kValidateSearchDialog, kTermWordMatch),
              "Term 'ABCDEFGHIJKLMNOP' must be 15 charcters or less.");
    EXPECT_EQ(WordVerdict("\"ABCDEFGHIJKLMNOP\"", kValidateSearchDialog, kTermWordMatch),
              "accepted");
    EXPECT_EQ(WordVerdict("ABCDEFGHIJKLMNOP", kValidateSearchDialog, kTermMarkMatch), "accepted");
    EXPECT_EQ(WordVerdict("R2D2", kValidateSearchDialog, kTermWordMatch),
              "Term 'R2D2' cannot have mixed letters and numbers.");
    EXPECT_EQ(WordVerdict("AB-", kValidateSearchDialog, kTermAnagram), "accepted");
    EXPECT_EQ(WordVerdict("AB1", kValidateSearchDialog, kTermSimilarWord),
              "Term 'AB1' must be alphabetic.");
    EXPECT_EQ(WordVerdict("-*", kValidateSearchDialog, kTermSimilarWord),
              "Term '-*' must have at least one letter.");
    EXPECT_EQ(WordVerdict("A1", kValidateSearchDialog, kTermSimilarMark),
              "Term 'A1' must be alphabetic.");
    EXPECT_EQ(WordVerdict("AB&", kValidateSearchDialog, kTermAnagram),
              "Term 'AB&' contains an invalid character.");
    EXPECT_EQ(WordVerdict("*", kValidateNewExamination, kTermWordMatch),
              "Use '\\*' to search for '*'.");
    EXPECT_EQ(WordVerdict("?", kValidateQuickSearch, kTermWordMatch),
              "Use '\\?' to search for '?'.");
    EXPECT_EQ(WordVerdict("-", kValidateNewExamination, kTermWordMatch),
              "Term '-' must have other characters.");
    EXPECT_EQ(WordVerdict(".", kValidateNewExamination, kTermWordMatch),
              "Term '.' cannot be searched.");
    EXPECT_EQ(WordVerdict("\\&", kValidateNewExamination, kTermWordMatch), "accepted");
    EXPECT_EQ(WordVerdict("\\.", kValidateQuickSearch, kTermWordMatch),
              "Term '\\.' cannot be searched.");
    EXPECT_EQ(WordVerdict("AC-E", kValidateQuickSearch, kTermWordMatch),
              "Term 'AC-E' contains an invalid character.");
    EXPECT_EQ(WordVerdict("AC-E", kValidateNewExamination, kTermWordMatch), "accepted");
    EXPECT_EQ(WordVerdict("--", kValidateNewExamination, kTermWordMatch),
              "Term '--' must have at least one letter or number.");
    EXPECT_EQ(WordVerdict("CAF\xC9", kValidateQuickSearch, kTermWordMatch), "accepted");
    EXPECT_EQ(WordVerdict("R2D2", 7, kTermWordMatch), "accepted");
    EXPECT_EQ(WordVerdict("ABCDEFGHIJKLMNOP", 7, kTermWordMatch),
              "Term 'ABCDEFGHIJKLMNOP' must be 15 charcters or less.");
}

TEST(ZrTerms, SearchableCharacters) {
    for (const char c :
         {'\0', '\t', ' ', '-', '"', '\'', '.', ',', ':', ';', '\x91', '\x92', '\xB4'})
        EXPECT_FALSE(IsSearchableChar(c)) << int(static_cast<unsigned char>(c));
    for (const char c : {'&', 'A', '7', '*', '?', '\xE9', '!'})
        EXPECT_TRUE(IsSearchableChar(c)) << c;
}

TEST(ZrTerms, GoodsTermMessages) {
    EXPECT_EQ(GoodsVerdict("the"), "Term 'the' is too common for searching.");
    EXPECT_EQ(GoodsVerdict("OTHERS"), "Term 'OTHERS' is too common for searching.");
    EXPECT_EQ(GoodsVerdict("x"), "Term 'x' must have at least 2 letters or numbers.");
    EXPECT_EQ(GoodsVerdict("tv$"), "Term 'tv$' contains an invalid character '$'.");
    EXPECT_EQ(GoodsVerdict("a\\$b"), "accepted");
    EXPECT_EQ(GoodsVerdict("shoe-"), "accepted");
    EXPECT_EQ(GoodsVerdict("semi\\-soft"), "accepted");
    EXPECT_EQ(GoodsVerdict("a\\\\$"), "Term 'a\\\\$' contains an invalid character '$'.");
    EXPECT_EQ(GoodsVerdict("o'neil"), "accepted");
    EXPECT_EQ(GoodsVerdict("tv2"), "Term 'tv2' cannot have mixed letters and numbers.");
    EXPECT_EQ(GoodsVerdict("abcdefghijklmnop"),
              "Term 'abcdefghijklmnop' must be 15 charcters or less.");
}

TEST(ZrTerms, SimpleGroupsAreIdenticalMarkSearches) {
    CZrTerms terms;
    EXPECT_TRUE(terms.IsSimple());
    terms.SetTerms({"ACME", "\"NEW WORLD\""});
    EXPECT_TRUE(terms.IsSimple());
    terms.SetTerms({"ACME", "B", "C"});
    EXPECT_FALSE(terms.IsSimple());
    terms.SetTerms({"AC?E"});
    EXPECT_FALSE(terms.IsSimple());
    terms.SetTerms({});
    terms.SetKind(kTermSimilarWord);
    EXPECT_FALSE(terms.IsSimple());
}

TEST(ZrTerms, CompareAsSetsIgnoringCase) {
    CZrTerms these;
    CZrTerms those;
    EXPECT_EQ(these.Compare(those), 1);
    these.SetTerms({"ACME", "Zenith"});
    EXPECT_EQ(these.Compare(those), 2);
    EXPECT_EQ(those.Compare(these), 3);
    those.SetTerms({"zenith", "acme", "ACME"});
    EXPECT_EQ(these.Compare(those), 1);
    those.SetTerms({"zenith", "other"});
    EXPECT_EQ(these.Compare(those), 2); // each has one the other lacks: still "more"
    those.SetKind(kTermMarkMatch);
    EXPECT_EQ(these.Compare(those), 0);
}

TEST(ZrTerms, KindNamesAndCodes) {
    CZrTerms terms;
    const char* names[] = {"WORDM", "TMARK", "WAPPR", "TAPPR", "WANAG"};
    const char* codes[] = {"WD", "MK", "SWD", "SMK", "AN"};
    for (int kind = 0; kind < 5; ++kind) {
        terms.SetKind(kind);
        EXPECT_EQ(terms.GetKindName(), names[kind]);
        EXPECT_EQ(terms.GetKindCode(), codes[kind]);
    }
    terms.SetKind(5);
    EXPECT_EQ(terms.GetKindName(), "");
    EXPECT_EQ(terms.GetKindCode(), "");
}

TEST(ZrTerms, ListHelpers) {
    Terms terms;
    SplitCommaList("a, \"b c\",,d", terms);
    EXPECT_EQ(terms, (Terms{"a", "\"b c\"", "d"}));
    std::string text;
    JoinTerms({"A-", "B"}, text, ',', nullptr);
    EXPECT_EQ(text, "A-,B");
    Terms slashes = {"a\\\\\\b", "c\\d", "e"};
    CollapseBackslashes(slashes);
    EXPECT_EQ(slashes, (Terms{"a\\b", "c\\d", "e"}));
}
