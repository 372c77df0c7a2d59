#include "testsvc/data/CriteriaEvaluator.h"

#include "testsvc/data/MarkRecords.h"
#include "testsvc/data/TermMatch.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

class CriteriaEvaluator : public ::testing::Test {
protected:
    CriteriaEvaluator() : uk_(*FindRegister('u'), 400), ir_(*FindRegister('i'), 400) {}

    std::vector<std::uint32_t> Find(const std::string& criteria,
                                    const std::string& restriction = "",
                                    bool oneClassOnly = false) const {
        return CCriteriaEvaluator(uk_).Evaluate(criteria, restriction, oneClassOnly);
    }
    std::string Text(std::uint32_t id) const { return uk_.WordMarkText(*uk_.FindMark(id)); }
    std::vector<std::string> Texts(const std::vector<std::uint32_t>& ids) const {
        std::vector<std::string> texts;
        for (std::uint32_t id : ids)
            texts.push_back(Text(id));
        return texts;
    }
    bool Has(const std::vector<std::uint32_t>& ids, const std::string& text) const {
        const auto texts = Texts(ids);
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    CTestRegisterData uk_;
    CTestRegisterData ir_;
};

} // namespace

TEST_F(CriteriaEvaluator, TheEngineTextOfAnEmptySearchFindsEverything) {
    const auto all = Find("STATS=\"rpla\" AND APPNO=\"1-\"");
    EXPECT_EQ(all.size(), 400u);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    EXPECT_EQ(Find("").size(), 400u);
}

TEST_F(CriteriaEvaluator, WordKinds) {
    const auto word = Find("WORDM=\"ACME\"");
    EXPECT_TRUE(Has(word, "ACME"));
    EXPECT_TRUE(Has(word, "ACME ZENITH"));
    for (const std::string& text : Texts(word)) {
        const auto words = SplitWords(text);
        EXPECT_NE(std::find(words.begin(), words.end(), "ACME"), words.end()) << text;
    }
    EXPECT_TRUE(Has(Find("WORDM=\"AC-\""), "ACMEX"));
    const auto mark = Find("TMARK=\"ACME\"");
    for (const std::string& text : Texts(mark))
        EXPECT_EQ(text, "ACME");
    EXPECT_FALSE(mark.empty());
    EXPECT_TRUE(Has(Find("WAPPR=\"ACME\""), "ACNE"));
    EXPECT_TRUE(Has(Find("TAPPR=\"ACME ZENIT\""), "ACME ZENITH"));
    EXPECT_TRUE(Has(Find("WANAG=\"ACME\""), "EMCA"));
    EXPECT_FALSE(Has(Find("WANAG=\"ACME\""), "ACNE"));
}

TEST_F(CriteriaEvaluator, QuotedPhrasesKeepTheirOrder) {
    EXPECT_TRUE(Has(Find("WORDM=\"\\\"WORLD ORDER\\\"\""), "NEW WORLD ORDER"));
    EXPECT_FALSE(Has(Find("WORDM=\"\\\"ORDER WORLD\\\"\""), "NEW WORLD ORDER"));
}

TEST_F(CriteriaEvaluator, OrBindsWeakerThanAndAndNot) {
    const auto grouped = Find("WORDM=\"ACME\" OR (WORDM=\"ZENITH\" AND STATS=\"p\")");
    EXPECT_EQ(Find("WORDM=\"ACME\" OR WORDM=\"ZENITH\" AND STATS=\"p\""), grouped);
    EXPECT_TRUE(Has(grouped, "ZENITH"));      // pending
    EXPECT_TRUE(Has(grouped, "ACME ZENITH")); // registered, but ACME
    const auto excluded = Find("WORDM=\"ACME\" ANDNOT WORDM=\"ZENITH\"");
    EXPECT_TRUE(Has(excluded, "ACME"));
    EXPECT_FALSE(Has(excluded, "ACME ZENITH"));
    // An exclusion at the start excludes from every mark.
    EXPECT_EQ(Find("ANDNOT WORDM=\"ACME\"").size(), 400u - Find("WORDM=\"ACME\"").size());
}

TEST_F(CriteriaEvaluator, StatusClassNumberAndDate) {
    for (std::uint32_t id : Find("STATS=\"p\""))
        EXPECT_EQ(uk_.FindMark(id)->status, MarkStatus::Pending);
    for (std::uint32_t id : Find("CLASS=\"9,35-38\""))
        EXPECT_TRUE(uk_.FindMark(id)->classes & ((1ull << 9) | (0xFull << 35)));
    // One class only: no class outside the list.
    for (std::uint32_t id : Find("CLASS=\"9,35\"", "", true))
        EXPECT_EQ(uk_.FindMark(id)->classes & ~((1ull << 9) | (1ull << 35)), 0u);
    EXPECT_EQ(Find("CLASS=\"All\"").size(), 400u);

    const auto numbers = Find("APPNO=\"2000010-2000019\"");
    EXPECT_EQ(numbers.size(), 11u); // marks 10 to 19, and 20 which repeats the number of 19
    EXPECT_EQ(Find("APPNO=\"2000390-\"").size(), 10u); // 391 to 400; 390 has the number of 389
    const auto dates = Find("APPDA=\"20000101-20001231\"");
    for (std::uint32_t id : dates)
        EXPECT_EQ(DateYmd(uk_.FindMark(id)->appDay) / 10000, 2000u);
    EXPECT_FALSE(dates.empty());
}

TEST_F(CriteriaEvaluator, PartiesGoodsSetsAndCodes) {
    const auto owners = Find("PROPN=\"acme holdings\"");
    EXPECT_FALSE(owners.empty());
    EXPECT_EQ(Find("PROPN=\"ACME-LTD\""), owners);
    EXPECT_FALSE(Find("SERVN=\"Northgate IP\"").empty());
    for (std::uint32_t id : Find("GOODS=\"software\""))
        EXPECT_TRUE(uk_.FindMark(id)->HasClass(9) || uk_.FindMark(id)->HasClass(42));
    for (std::uint32_t id : Find("SET=\"AddedLastWeek\""))
        EXPECT_EQ(uk_.FindMark(id)->seq % 7, 0u);
    EXPECT_TRUE(Find("SET=\"NoSuchSet\"").empty());
    for (std::uint32_t id : Find("IMCAT=\"26\""))
        EXPECT_TRUE(uk_.FindMark(id)->device);
    EXPECT_FALSE(Find("IMCAT=\"26\"").empty());
    EXPECT_TRUE(Find("LOCAR=\"06-01\"").empty()); // not a designs register
    EXPECT_EQ(Find("CNTRY=\"GB\"").size(), 400u);
    EXPECT_TRUE(Find("CNTRY=\"FR\"").empty());
}

TEST_F(CriteriaEvaluator, InternationalRegistrationsByDesignation) {
    const CCriteriaEvaluator ir(ir_);
    const auto all = ir.Evaluate("APPNO=\"1-\"", "", false);
    const auto china = ir.Evaluate("APPNO=\"1-\" AND CNTRY=\"CN\"", "", false);
    EXPECT_LT(china.size(), all.size());
    EXPECT_EQ(ir.Evaluate("APPNO=\"1-\"", "CN", false), china);
    const auto either = ir.Evaluate("APPNO=\"1-\"", "CN, JP", false);
    EXPECT_GT(either.size(), china.size());
    // Other registers take no restriction.
    EXPECT_EQ(Find("APPNO=\"1-\"", "CN").size(), 400u);
}

TEST_F(CriteriaEvaluator, TextsItCannotReadAreRefused) {
    for (const char* criteria :
         {"WORDM=ACME", "WORDM=\"ACME", "(WORDM=\"ACME\"", "FOO=\"x\"", "WORDM=\"A\" OR",
          "WORDM \"A\"", "WORDM=\"A\") AND STATS=\"r\"", "WORDM=\"A\" # STATS=\"r\""}) {
        try {
            Find(criteria);
            ADD_FAILURE() << criteria;
        } catch (const CCriteriaError& e) {
            EXPECT_STRNE(e.what(), "") << criteria;
        }
    }
}
