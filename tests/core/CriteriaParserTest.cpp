#include "core/CriteriaParser.h"

#include "CriteriaTestSupport.h"
#include "core/Criteria.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Terms = std::vector<std::string>;

CCriteria Read(const std::string& text, bool expectSuccess = true) {
    CCriteria criteria;
    EXPECT_EQ(criteria.ReadCriteriaText(text), expectSuccess) << text;
    return criteria;
}

} // namespace

TEST(CriteriaParser, EmptyTextGivesCompletedEmptyCriteria) {
    const CCriteria criteria = Read("");
    EXPECT_TRUE(criteria.IsEmpty());
    EXPECT_TRUE(criteria.HasAllClasses());
    EXPECT_EQ(criteria.GetStatus(), "rpla");
    EXPECT_TRUE(criteria.GetCountries().IsAll());
}

TEST(CriteriaParser, TheWritersExampleReadsBack) {
    const CCriteria criteria =
        Read("DBIDS=\"uc\" AND CLASS=\"9,35-38\" AND (WORDM=\"ACME\" OR WORDM=\"ZENITH\") AND "
             "STATS=\"rpla\" AND APPDA=\"20010301-20011231\" ANDNOT GOODS=\"shoe\"");
    EXPECT_EQ(criteria.GetDbIds(), "uc");
    EXPECT_EQ(criteria.GetClassesText(), "9,35-38");
    int kind = -1;
    EXPECT_EQ(criteria.GetWordTerms(&kind), (Terms{"ACME", "ZENITH"}));
    EXPECT_EQ(kind, kTermWordMatch);
    EXPECT_EQ(criteria.GetStatus(), "rpla");
    EXPECT_EQ(criteria.GetAppDateFrom().FormatIso(), "2001-03-01");
    EXPECT_EQ(criteria.GetAppDateTo().FormatIso(), "2001-12-31");
    EXPECT_EQ(criteria.GetExcludedGoodsTerms(), (Terms{"shoe"}));
}

TEST(CriteriaParser, NamesIgnoreCaseAndUnknownItemsAreSkipped) {
    EXPECT_EQ(Read("wordm=\"ACME\"").GetWordTerms(), (Terms{"ACME"}));
    const CCriteria criteria = Read("FOO=\"bar\" AND STATS=\"rp\"");
    EXPECT_EQ(criteria.GetStatus(), "rp");
    EXPECT_TRUE(criteria.IsEmpty());
    EXPECT_EQ(Read("STATS ~ \"r\"").GetStatus(), "r"); // the equals sign is not checked
}

TEST(CriteriaParser, TwoWordListsBecomeTheMainAndTheSecondGroup) {
    const CCriteria criteria =
        Read("(WORDM=\"A\" OR WORDM=\"B\") AND (WORDM=\"C\" OR WORDM=\"D\")");
    int kind = -1;
    EXPECT_EQ(criteria.GetWordTerms(&kind), (Terms{"A", "B"}));
    EXPECT_EQ(kind, kTermWordMatch);
    EXPECT_EQ(criteria.GetAndWordTerms(&kind), (Terms{"C", "D"}));
    EXPECT_EQ(kind, kTermWordMatch);
}

TEST(CriteriaParser, ExcludedWordList) {
    const CCriteria criteria = Read("WORDM=\"ACME\" ANDNOT (WANAG=\"X\" OR WANAG=\"Y\")");
    EXPECT_EQ(criteria.GetWordTerms(), (Terms{"ACME"}));
    int kind = -1;
    EXPECT_EQ(criteria.GetExcludedWordTerms(&kind), (Terms{"X", "Y"}));
    EXPECT_EQ(kind, kTermAnagram);
}

TEST(CriteriaParser, FigurativeCodesJoinedByAndMatchAll) {
    const CCriteria all = Read("(IMCAT=\"x\" AND IMCAT=\"y\")");
    EXPECT_EQ(all.GetImageCats(), (Terms{"x", "y"}));
    EXPECT_TRUE(all.GetImageCatsMatchAll());
    EXPECT_TRUE(Read("(LOCAR=\"1\" AND LOCAR=\"2\")").GetLocarnoMatchAll());
    EXPECT_FALSE(Read("(LOCAR=\"1\" OR LOCAR=\"2\")").GetLocarnoMatchAll());
    // The AND that joins a single code to the other criteria asks for nothing more.
    EXPECT_FALSE(Read("STATS=\"rpla\" AND IMCAT=\"x\"").GetImageCatsMatchAll());
    EXPECT_FALSE(Read("STATS=\"rpla\" AND LOCAR=\"x\"").GetLocarnoMatchAll());
}

TEST(CriteriaParser, RangesAndValues) {
    const CCriteria numbers = Read("APPNO=\"123_4-\"");
    EXPECT_EQ(numbers.GetAppNumFrom().GetText(), "123_4");
    EXPECT_EQ(numbers.GetAppNumTo().GetText(), "");
    EXPECT_EQ(Read("APPNO=\"-9-9\"").GetAppNumTo().GetText(), "99");
    const CCriteria dates = Read("APPDA=\"-20011231\"");
    EXPECT_TRUE(dates.GetAppDateFrom().IsEmpty());
    EXPECT_EQ(dates.GetAppDateTo().FormatIso(), "2001-12-31");
    EXPECT_TRUE(Read("APPDA=\"junk-01\"").GetAppDateFrom().IsEmpty());

    EXPECT_EQ(Read("SET=\"a \\\"b\\\" \\\\c\"").GetSet(), "a \"b\" \\c");
    const CCriteria names = Read("(PROPN=\"\" OR PROPN=\"x\") AND SERVN=\"y\" AND DESNN=\"z\"");
    EXPECT_EQ(names.GetOwnerNames(), (Terms{"", "x"}));
    EXPECT_EQ(names.GetAgentNames(), (Terms{"y"}));
    EXPECT_EQ(names.GetDesignerNames(), (Terms{"z"}));
    EXPECT_EQ(Read("CNTRY=\"gb\" AND CNTRY=\"XX\"").GetCountries().GetText(), "GB");
    EXPECT_EQ(Read("CLASS=\"9, 46\"").GetClassesText(), "9"); // a bad class list is not a failure
}

TEST(CriteriaParser, GoodsGroups) {
    const CCriteria criteria =
        Read("GOODS=\"a\" AND (GOODS=\"b\" OR GOODS=\"c\") ANDNOT (GOODS=\"d\" OR GOODS=\"e\")");
    EXPECT_EQ(criteria.GetGoodsTerms(), (Terms{"a"}));
    EXPECT_EQ(criteria.GetAndGoodsTerms(), (Terms{"b", "c"}));
    EXPECT_EQ(criteria.GetExcludedGoodsTerms(), (Terms{"d", "e"}));
    const CCriteria unvalidated = Read("(GOODS=\"the\" OR GOODS=\"x\") AND GOODS=\"tv$\"");
    EXPECT_EQ(unvalidated.GetGoodsTerms(), (Terms{"the", "x"}));
    EXPECT_EQ(unvalidated.GetAndGoodsTerms(), (Terms{"tv$"}));
}

TEST(CriteriaParser, AndInsideAGroupAfterOrFails) {
    CCriteria criteria =
        Read("WORDM=\"x\" OR (WORDM=\"y\" AND WORDM=\"z\") AND STATS=\"r\"", false);
    EXPECT_FALSE(criteria.GetLastError().empty());
    EXPECT_EQ(criteria.GetWordTerms(), (Terms{"x"}));
    EXPECT_EQ(criteria.GetAndWordTerms(), (Terms{"y"}));
    EXPECT_EQ(criteria.GetStatus(), "r"); // reading went on in the enclosing group
    EXPECT_TRUE(criteria.HasAllClasses());

    const CCriteria orOnly = Read("WORDM=\"x\" OR (WORDM=\"y\" OR WORDM=\"z\")");
    EXPECT_EQ(orOnly.GetWordTerms(), (Terms{"x"}));
    EXPECT_EQ(orOnly.GetAndWordTerms(), (Terms{"y", "z"}));
}

TEST(CriteriaParser, RejectedWordTermFailsButIsKept) {
    CCriteria criteria = Read("WORDM=\"R2D2\" AND STATS=\"r\"", false);
    EXPECT_EQ(criteria.GetLastError(), "Term 'R2D2' cannot have mixed letters and numbers.");
    EXPECT_EQ(criteria.GetWordTerms(), (Terms{"R2D2"}));
    EXPECT_EQ(criteria.GetStatus(), "r");
    // The first failure is the one reported.
    criteria = Read("WAPPR=\"A1\" AND WANAG=\"B&\"", false);
    EXPECT_EQ(criteria.GetLastError(), "Term 'A1' must be alphabetic.");
    EXPECT_EQ(criteria.GetAndWordTerms(), (Terms{"B&"}));
}

TEST(CriteriaParser, StrayClosingParenthesisIsReported) {
    CCriteria criteria = Read("STATS=\"r\") AND WORDM=\"ACME\"", false);
    EXPECT_EQ(criteria.GetLastError(), "Criteria text has a ')' without a matching '('.");
    EXPECT_EQ(criteria.GetStatus(), "r");
    EXPECT_EQ(criteria.GetWordTerms(), (Terms{"ACME"})); // nothing after it is lost
    EXPECT_FALSE(criteria.ReadCriteriaText(") STATS=\"r\""));
    EXPECT_EQ(criteria.GetStatus(), "r");
    EXPECT_TRUE(criteria.ReadCriteriaText("(STATS=\"r\")"));
    EXPECT_TRUE(criteria.ReadCriteriaText("(STATS=\"r\""));
}

TEST(CriteriaParser, DeepNestingIsBoundedAndReported) {
    const int depth = 100000;
    const std::string text =
        std::string(depth, '(') + "STATS=\"r\"" + std::string(depth, ')') + " AND SET=\"after\"";
    CCriteria criteria = Read(text, false);
    EXPECT_EQ(criteria.GetLastError(), "Criteria text nests its groups too deeply.");
    EXPECT_EQ(criteria.GetSet(), "after");

    const int allowed = CCriteriaParser::kMaxGroupDepth;
    criteria = Read(std::string(allowed, '(') + "STATS=\"r\"" + std::string(allowed, ')'));
    EXPECT_EQ(criteria.GetStatus(), "r");
}

TEST(CriteriaParser, ExclusionsWithNothingBefore) {
    const CCriteria criteria = Read("ANDNOT GOODS=\"shoe\" ANDNOT WORDM=\"X\"");
    EXPECT_EQ(criteria.GetExcludedGoodsTerms(), (Terms{"shoe"}));
    EXPECT_EQ(criteria.GetExcludedWordTerms(), (Terms{"X"}));
    EXPECT_TRUE(criteria.GetGoodsTerms().empty());
    // Older stored texts wrote such criteria without the ANDNOT; they read as before.
    EXPECT_EQ(Read("GOODS=\"shoe\"").GetGoodsTerms(), (Terms{"shoe"}));
    Read("WORDM=\"x\" OR (ANDNOT WORDM=\"y\")", false);
}

TEST(CriteriaParser, QuotedEmptyValueDoesNotEndTheText) {
    const CCriteria criteria = Read("SET=\"\" AND \"\" STATS=\"r\"");
    EXPECT_EQ(criteria.GetStatus(), "r");
}

TEST(CriteriaParser, SplitRangeAndWordKinds) {
    std::string lower;
    std::string upper;
    SplitRange("12-3-4", lower, upper);
    EXPECT_EQ(lower, "12");
    EXPECT_EQ(upper, "34");
    SplitRange("12", lower, upper);
    EXPECT_EQ(lower, "12");
    EXPECT_EQ(upper, "");
    int kind = -1;
    EXPECT_TRUE(WordKindFromName("tappr", kind));
    EXPECT_EQ(kind, kTermSimilarMark);
    EXPECT_FALSE(WordKindFromName("WORD", kind));
}
