#include "core/Criteria.h"

#include "CriteriaTestSupport.h"
#include "core/TermMapper.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Terms = std::vector<std::string>;

CCriteria WithStatus(const std::string& status) {
    CCriteria criteria;
    criteria.SetStatus(status);
    return criteria;
}

} // namespace

TEST(Criteria, NewAndClearedCriteriaAreEmpty) {
    CCriteria criteria;
    EXPECT_EQ(criteria.WriteCriteriaText(true), "");
    EXPECT_EQ(criteria.GetStatus(), "");
    EXPECT_TRUE(criteria.IsEmpty());
    EXPECT_EQ(criteria.WriteEngineText(), "APPNO=\"1-\"");

    EXPECT_FALSE(criteria.AddWordTerm("R2D2", kValidateSearchDialog, nullptr, kTermAnagram));
    criteria.AddImageCat("x");
    criteria.SetImageCatsMatchAll(true);
    criteria.Clear();
    EXPECT_EQ(DescribeCriteria(criteria), DescribeCriteria(CCriteria()));
    EXPECT_EQ(criteria.GetLastError(), "Term 'R2D2' cannot have mixed letters and numbers.");

    criteria.ResetWithDbIds("uc");
    EXPECT_EQ(criteria.WriteCriteriaText(true), "DBIDS=\"uc\" AND STATS=\"rpla\"");
}

TEST(Criteria, WritesTheStoredTextInItsFixedOrder) {
    CCriteria criteria;
    criteria.SetDbIds("uc");
    ASSERT_TRUE(criteria.SetClasses("38, 9, 35-37"));
    ASSERT_TRUE(
        criteria.AddWordTerm("ACME, ZENITH", kValidateSearchDialog, nullptr, kTermWordMatch));
    criteria.SetDefaultStatus();
    ASSERT_TRUE(criteria.SetAppDateRange("1 Mar 2001", "31 Dec 2001"));
    ASSERT_TRUE(criteria.AddExcludedGoodsTerm("shoe", nullptr));
    EXPECT_EQ(criteria.WriteCriteriaText(true),
              "DBIDS=\"uc\" AND CLASS=\"9,35-38\" AND (WORDM=\"ACME\" OR WORDM=\"ZENITH\") AND "
              "STATS=\"rpla\" AND APPDA=\"20010301-20011231\" ANDNOT GOODS=\"shoe\"");
    EXPECT_EQ(criteria.WriteEngineText(),
              "CLASS=\"9,35-38\" AND (WORDM=\"ACME\" OR WORDM=\"ZENITH\") AND STATS=\"rpla\" AND "
              "APPDA=\"20010301-20011231\" ANDNOT GOODS=\"shoe\"");
}

TEST(Criteria, WritesEveryMember) {
    CCriteria criteria;
    criteria.AddWord("A");
    criteria.AddAndWordTerm("B", kValidateSearchDialog, nullptr, kTermSimilarWord);
    criteria.SetStatus("rp");
    criteria.SetAppNumRange("10", "20");
    criteria.SetImageCats({"1.1", "2.2"});
    criteria.AddLocarnoClass("12-01");
    criteria.SetOwnerNames({"Acme Ltd", ""});
    criteria.AddAgentName("Agent");
    criteria.AddDesignerName("Designer");
    criteria.SetSet("AddedLastWeek");
    criteria.AddGoods("shoes");
    criteria.AddAndGoods("boots");
    criteria.AddAndGoods("hats");
    criteria.AddCountry("fr", true);
    criteria.AddCountry("GB", true);
    criteria.AddExcludedGoods("socks");
    criteria.AddExcludedGoods("ties");
    criteria.AddExcludedWordTerm("X", kValidateSearchDialog, nullptr, kTermAnagram);
    EXPECT_EQ(criteria.WriteCriteriaText(false),
              "WORDM=\"A\" AND WAPPR=\"B\" AND STATS=\"rp\" AND APPNO=\"10-20\" AND "
              "(IMCAT=\"1.1\" OR IMCAT=\"2.2\") AND LOCAR=\"12-01\" AND "
              "(PROPN=\"Acme Ltd\" OR PROPN=\"\") AND SERVN=\"Agent\" AND DESNN=\"Designer\" AND "
              "SET=\"AddedLastWeek\" AND GOODS=\"shoes\" AND (GOODS=\"boots\" OR GOODS=\"hats\") "
              "AND (CNTRY=\"FR\" OR CNTRY=\"GB\") ANDNOT (GOODS=\"socks\" OR GOODS=\"ties\") "
              "ANDNOT WANAG=\"X\"");
}

TEST(Criteria, QuotesEscapeDoubleQuotesAndBackslashes) {
    CCriteria criteria;
    criteria.AddWord("5\"");
    criteria.SetSet("a\\b");
    EXPECT_EQ(criteria.WriteCriteriaText(false), "WORDM=\"5\\\"\" AND SET=\"a\\\\b\"");
}

TEST(Criteria, StatusAloneAsksEnginesForEveryApplication) {
    const CCriteria criteria = WithStatus("rpla");
    EXPECT_EQ(criteria.WriteCriteriaText(false), "STATS=\"rpla\"");
    EXPECT_EQ(criteria.WriteEngineText(), "STATS=\"rpla\" AND APPNO=\"1-\"");
}

TEST(Criteria, ClassesAllOrNone) {
    CCriteria criteria;
    ASSERT_TRUE(criteria.SetClasses("1-45, 301-350, A, B, US1-US108"));
    EXPECT_TRUE(criteria.HasAllClasses());
    EXPECT_EQ(criteria.WriteCriteriaText(false), "CLASS=\"All\"");
    criteria.SetClasses("");
    EXPECT_EQ(criteria.WriteCriteriaText(false), "");
    CCriteria read;
    ASSERT_TRUE(read.ReadCriteriaText(criteria.WriteCriteriaText(false)));
    EXPECT_TRUE(read.HasAllClasses());
    EXPECT_FALSE(criteria.SetClasses("9, 46"));
    EXPECT_EQ(criteria.GetClassesText(), "9");
}

TEST(Criteria, ApplicationNumberAndDateBounds) {
    CCriteria criteria;
    EXPECT_FALSE(criteria.SetAppNumFrom("123-4-5"));
    EXPECT_EQ(criteria.GetAppNumFrom().GetText(), "123-4-5"); // kept though invalid
    EXPECT_TRUE(criteria.SetAppNumFrom("123-4"));
    EXPECT_EQ(criteria.WriteCriteriaText(false), "APPNO=\"123_4-\"");
    criteria.SetAppNumFrom("");
    EXPECT_TRUE(criteria.SetAppDateTo("31 Dec 2001"));
    EXPECT_EQ(criteria.WriteCriteriaText(false), "APPDA=\"-20011231\"");
    EXPECT_FALSE(criteria.SetAppDateFrom("31 Feb 01"));
    EXPECT_TRUE(criteria.GetAppDateFrom().IsEmpty());
}

TEST(Criteria, RangeSettersKeepTheBoundsOnFailure) {
    CCriteria criteria;
    ASSERT_TRUE(criteria.SetAppNumRange("B100", "200"));
    EXPECT_FALSE(criteria.SetAppNumRange("300", "200"));
    EXPECT_FALSE(criteria.SetAppNumRange("12/3/4", ""));
    EXPECT_EQ(criteria.GetAppNumFrom().GetText(), "B100");
    EXPECT_EQ(criteria.GetAppNumTo().GetText(), "200");
    ASSERT_TRUE(criteria.SetAppNumRange("", "50"));
    EXPECT_TRUE(criteria.GetAppNumFrom().IsEmpty());

    ASSERT_TRUE(criteria.SetAppDateRange("1 Jan 2001", "1 Jan 2001"));
    EXPECT_FALSE(criteria.SetAppDateRange("2 Jan 2001", "1 Jan 2001"));
    EXPECT_FALSE(criteria.SetAppDateRange("soon", ""));
    EXPECT_EQ(criteria.GetAppDateFrom().FormatIso(), "2001-01-01");
    ASSERT_TRUE(criteria.SetAppDateRange("", "5 May 2005"));
    EXPECT_TRUE(criteria.GetAppDateFrom().IsEmpty());
    EXPECT_EQ(criteria.GetAppDateTo().FormatIso(), "2005-05-05");
}

TEST(Criteria, ExclusionsAloneStayExclusions) {
    CCriteria criteria;
    ASSERT_TRUE(criteria.AddExcludedGoodsTerm("shoe", nullptr));
    // Stored with ANDNOT in front, so that reading it back does not turn it into an inclusion.
    EXPECT_EQ(criteria.WriteCriteriaText(true), "ANDNOT GOODS=\"shoe\"");
    // An engine subtracts it from every application.
    EXPECT_EQ(criteria.WriteEngineText(), "APPNO=\"1-\" ANDNOT GOODS=\"shoe\"");

    criteria.AddExcludedWord("X");
    criteria.AddExcludedWord("Y");
    criteria.SetDbIds("u");
    EXPECT_EQ(criteria.WriteCriteriaText(false),
              "ANDNOT GOODS=\"shoe\" ANDNOT (WORDM=\"X\" OR WORDM=\"Y\")");
    EXPECT_EQ(criteria.WriteEngineText(),
              "APPNO=\"1-\" ANDNOT GOODS=\"shoe\" ANDNOT (WORDM=\"X\" OR WORDM=\"Y\")");
    EXPECT_EQ(criteria.WriteCriteriaText(true),
              "DBIDS=\"u\" ANDNOT GOODS=\"shoe\" ANDNOT (WORDM=\"X\" OR WORDM=\"Y\")");

    // Anything else in front of the exclusions is sent as it is, without the every-record term.
    criteria.SetDefaultStatus();
    EXPECT_EQ(criteria.WriteEngineText(),
              "STATS=\"rpla\" ANDNOT GOODS=\"shoe\" ANDNOT (WORDM=\"X\" OR WORDM=\"Y\")");
    CCriteria classes;
    classes.AddExcludedWord("X");
    ASSERT_TRUE(classes.SetClasses("9"));
    EXPECT_EQ(classes.WriteEngineText(), "CLASS=\"9\" ANDNOT WORDM=\"X\"");

    CCriteria read;
    ASSERT_TRUE(read.ReadCriteriaText(criteria.WriteCriteriaText(true)));
    EXPECT_EQ(read.GetExcludedGoodsTerms(), (Terms{"shoe"}));
    EXPECT_EQ(read.GetExcludedWordTerms(), (Terms{"X", "Y"}));
    EXPECT_TRUE(read.GetGoodsTerms().empty());
    EXPECT_TRUE(read.GetWordTerms().empty());
}

TEST(Criteria, SummaryForm) {
    const CTestWording wording;
    CTermMapper display;
    display.Add('-', '%');
    CCriteria criteria;
    criteria.SetDbIds("uc");
    criteria.SetClasses("9, 35-38");
    criteria.AddWordTerm("AC-E, ZENITH", kValidateSearchDialog, nullptr, kTermWordMatch);
    criteria.AddAndWordTerm("BETA", kValidateSearchDialog, nullptr, kTermMarkMatch);
    criteria.AddExcludedWordTerm("GAMMA", kValidateSearchDialog, nullptr, kTermAnagram);
    criteria.SetStatus("rp");
    criteria.SetAppNumRange("100", "200");
    criteria.SetAppDateRange("1 Mar 2001", "");
    criteria.SetImageCats({"x", "y"});
    criteria.SetImageCatsMatchAll(true);
    criteria.SetLocarnoClasses({"1", "2"});
    criteria.AddOwnerName("Acme");
    criteria.AddAgentName("Agent");
    criteria.AddDesignerName("Design");
    criteria.SetSet("AddedLastWeek");
    criteria.AddGoods("sho-");
    criteria.AddAndGoods("boots");
    criteria.AddAndGoods("hats");
    criteria.AddExcludedGoods("socks");
    criteria.AddCountry("GB", true);
    criteria.AddCountry("FR", true);
    EXPECT_EQ(criteria.FormatCriteriaSummary(true, &display, wording),
              "DB:DB-u DB-c CL:9,35-38 WD:AC%E,ZENITH &MK:BETA !AN:GAMMA ST:abbr:rp AP:100-200 "
              "DA:1 Mar 2001- DV:\"x\" &DV:\"y\" LO:\"1\" LO:\"2\" OW:\"Acme\" AG:\"Agent\" "
              "DN:\"Design\" SS:AddedLastWeek GD:sho% &GD:boots,hats !GD:socks CY:FR,GB");

    const CCriteria bare = WithStatus("rpla");
    EXPECT_EQ(bare.FormatCriteriaSummary(false, nullptr, wording), "CL:all ST:abbr:rpla");
    CCriteria all;
    all.FillDefaults();
    EXPECT_EQ(all.FormatCriteriaSummary(false, nullptr, wording), "CL:All ST:abbr:rpla");
}

TEST(Criteria, CountriesAllOrNoneWriteNothing) {
    const CTestWording wording;
    CCriteria criteria;
    EXPECT_EQ(criteria.FormatCriteriaSummary(false, nullptr, wording), "CL:all ST:abbr:");
    CCountryList countries;
    countries.SetAll(true);
    criteria.SetCountries(countries);
    EXPECT_EQ(criteria.WriteCriteriaText(false), "");
    EXPECT_EQ(criteria.FormatCriteriaSummary(false, nullptr, wording), "CL:all ST:abbr:");
}

TEST(Criteria, ValidatedGoodsAddersAppend) {
    CCriteria criteria;
    CTermMapper input;
    input.Add('%', '-');
    EXPECT_TRUE(criteria.AddGoodsTerm("shoes, boo%", &input));
    EXPECT_TRUE(criteria.AddGoodsTerm("hats", nullptr));
    EXPECT_EQ(criteria.GetGoodsTerms(), (Terms{"shoes", "boo-", "hats"}));
    EXPECT_FALSE(criteria.AddAndGoodsTerm("tv$", nullptr));
    EXPECT_EQ(criteria.GetLastError(), "Term 'tv$' contains an invalid character '$'.");

    std::string many;
    for (int i = 0; i < 26; ++i)
        many += "ab" + std::string(1, static_cast<char>('a' + i)) + " ";
    EXPECT_FALSE(criteria.AddExcludedGoodsTerm(many, nullptr));
    EXPECT_EQ(criteria.GetLastError(), "Cannot search on more than 25 goods terms.");
    EXPECT_EQ(criteria.GetExcludedGoodsTerms().size(), 25u);
    EXPECT_EQ(criteria.GetGoodsTermsText(nullptr), "shoes boo- hats");
}

TEST(Criteria, EmptinessAndIdenticalSearches) {
    CCriteria criteria;
    criteria.ResetWithDbIds("uc");
    criteria.SetClasses("9");
    EXPECT_TRUE(criteria.IsEmpty());
    EXPECT_TRUE(criteria.IsUnrestricted());
    criteria.SetWordTerms({"ACME", "ZENITH"});
    EXPECT_FALSE(criteria.IsEmpty());
    EXPECT_TRUE(criteria.IsUnrestricted());
    criteria.AddDesignerName("not looked at");
    EXPECT_TRUE(criteria.IsUnrestricted());
    criteria.SetStatus("rpl");
    EXPECT_FALSE(criteria.IsUnrestricted());
    criteria.SetStatus("aplr");
    criteria.AddWord("AC?E");
    EXPECT_FALSE(criteria.IsUnrestricted());

    for (auto restrict :
         std::vector<void (*)(CCriteria&)>{[](CCriteria& c) { c.SetAppNumTo("5"); },
                                           [](CCriteria& c) { c.SetAppDateFrom("1 Jan 2001"); },
                                           [](CCriteria& c) { c.AddLocarnoClass("1"); },
                                           [](CCriteria& c) { c.SetSet("AddedLastWeek"); },
                                           [](CCriteria& c) { c.AddExcludedGoods("socks"); }}) {
        CCriteria restricted;
        restricted.SetDefaultStatus();
        restrict(restricted);
        EXPECT_FALSE(restricted.IsEmpty());
        EXPECT_FALSE(restricted.IsUnrestricted());
    }
}

TEST(Criteria, Compare) {
    CCriteria these;
    CCriteria those;
    EXPECT_EQ(these.Compare(those), 1);
    these.SetDbIds("u");
    those.SetDbIds("c");
    EXPECT_EQ(these.Compare(those), 2); // each has a database the other lacks: more
    those.SetDbIds("uc");
    EXPECT_EQ(these.Compare(those), 3);
    these.SetWordTerms({"ACME"});
    EXPECT_EQ(these.Compare(those), 0); // more words, fewer databases
    these.SetDbIds("uc");
    EXPECT_EQ(these.Compare(those), 2);
    those.SetWordTerms({"acme"});
    those.SetImageCats({"1.1"});
    EXPECT_EQ(these.Compare(those), 3);
    these.SetClasses("9");
    those.SetClasses("10");
    EXPECT_EQ(these.Compare(those), 0);
    these.SetClasses("10");
    these.SetImageCats({"1.1"});
    these.AddExcludedWordTerm("X", kValidateSearchDialog, nullptr, kTermAnagram);
    those.AddExcludedWordTerm("X", kValidateSearchDialog, nullptr, kTermWordMatch);
    EXPECT_EQ(these.Compare(those), 0); // kinds differ
}

TEST(Criteria, CollapseBackslashes) {
    CCriteria criteria;
    criteria.AddWord("A\\\\\\-B");
    criteria.AddExcludedWord("C\\\\D");
    criteria.AddAndGoods("e\\\\f");
    criteria.AddOwnerName("g\\\\h");
    criteria.CollapseBackslashes();
    EXPECT_EQ(criteria.GetWordTerms(), (Terms{"A\\-B"}));
    EXPECT_EQ(criteria.GetExcludedWordTerms(), (Terms{"C\\D"}));
    EXPECT_EQ(criteria.GetAndGoodsTerms(), (Terms{"e\\f"}));
    EXPECT_EQ(criteria.GetOwnerNames(), (Terms{"g\\\\h"})); // names are not terms
}
