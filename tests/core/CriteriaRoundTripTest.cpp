// Random criteria written to the stored text and read back must come back unchanged (completed
// by the defaults that reading applies).
#include "CriteriaTestSupport.h"
#include "core/Criteria.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

class CriteriaGenerator {
public:
    explicit CriteriaGenerator(unsigned seed) : random_(seed) {}

    CCriteria Next() {
        CCriteria criteria;
        criteria.SetDbIds(Subset("aucsidefptnko"));
        criteria.SetClasses(Chance(5) ? "All" : ClassText());
        FillWords(criteria);
        criteria.SetStatus(Chance(3) ? "" : AnyText());
        criteria.SetAppNumFrom(AppNumText());
        criteria.SetAppNumTo(AppNumText());
        criteria.SetAppDateFrom(DateText());
        criteria.SetAppDateTo(DateText());
        criteria.SetImageCats(Texts());
        criteria.SetImageCatsMatchAll(criteria.GetImageCats().size() > 1 && Chance(2));
        criteria.SetLocarnoClasses(Texts());
        criteria.SetLocarnoMatchAll(criteria.GetLocarnoClasses().size() > 1 && Chance(2));
        criteria.SetOwnerNames(Texts());
        criteria.SetAgentNames(Texts());
        for (const std::string& name : Texts())
            criteria.AddDesignerName(name);
        criteria.SetSet(Chance(2) ? "" : AnyText());
        FillGoods(criteria);
        CCountryList countries;
        for (int i = 0; i < countries.GetCount(); ++i)
            countries.SetCountry(i, Chance(Chance(3) ? 1 : 20));
        criteria.SetCountries(countries);
        return criteria;
    }

private:
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random_); }

    std::string Subset(const std::string& letters) {
        std::string subset;
        for (const char c : letters) {
            if (Chance(3))
                subset += c;
        }
        return subset;
    }

    std::string ClassText() {
        std::string text;
        for (const char* item : {"1", "2", "3", "9", "35", "36", "37", "45", "301", "302", "350",
                                 "A", "B", "US1", "US2", "US3", "US108"}) {
            if (Chance(4))
                text += std::string(item) + ",";
        }
        return text;
    }

    // Any characters a stored value may hold, quotes, backslashes and joiner words included.
    std::string AnyText() {
        static const std::string pieces[] = {
            "a", "Z", "7", " ", "\"",   "\\", "(",   ")",  "=",      ",",     "-",
            "_", "'", "*", "?", "\xE9", "\t", "AND", "OR", "ANDNOT", "WORDM", "\xFF"};
        std::string text;
        for (int length = Below(6); length > 0; --length)
            text += pieces[Below(static_cast<int>(std::size(pieces)))];
        return text;
    }

    std::vector<std::string> Texts() {
        std::vector<std::string> texts(Chance(2) ? 0 : Below(4));
        for (std::string& text : texts)
            text = AnyText();
        return texts;
    }

    // A first word term reads back as one term: one token of the term list, or a quoted phrase.
    std::string FirstWordTerm(int kind) {
        if (kind == kTermMarkMatch || kind == kTermSimilarMark) {
            const std::string text = AnyText();
            return text.empty() ? "X" : text;
        }
        if (Chance(5))
            return "\"NEW WORLD " + std::to_string(Below(3000)) + "\"";
        static const std::string pieces[] = {"A", "CME", "Z",    "7", "-",  "*",
                                             "?", "\\-", "\xC9", "&", "\"", "'"};
        std::string term = "B";
        for (int length = Below(8); length > 0; --length)
            term += pieces[Below(static_cast<int>(std::size(pieces)))];
        return term;
    }

    std::vector<std::string> WordGroup(int kind) {
        std::vector<std::string> terms;
        if (Chance(3))
            return terms;
        terms.push_back(FirstWordTerm(kind));
        for (int more = Below(3); more > 0; --more)
            terms.push_back(AnyText());
        return terms;
    }

    void FillWords(CCriteria& criteria) {
        const int kind = Below(5);
        const std::vector<std::string> words = WordGroup(kind);
        if (!words.empty()) {
            criteria.AddWordTerm("", kValidateSearchDialog, nullptr, kind); // sets the kind
            criteria.SetWordTerms(words);
            const int andKind = Below(5);
            const std::vector<std::string> andWords = WordGroup(andKind);
            if (!andWords.empty()) {
                criteria.AddAndWordTerm("", kValidateSearchDialog, nullptr, andKind);
                criteria.SetAndWordTerms(andWords);
            }
        }
        const int excludedKind = Below(5);
        const std::vector<std::string> excluded = WordGroup(excludedKind);
        if (!excluded.empty()) {
            criteria.AddExcludedWordTerm("", kValidateSearchDialog, nullptr, excludedKind);
            for (const std::string& term : excluded)
                criteria.AddExcludedWord(term);
        }
    }

    void FillGoods(CCriteria& criteria) {
        const std::vector<std::string> goods = Texts();
        for (const std::string& term : goods)
            criteria.AddGoods(term);
        if (!goods.empty()) {
            for (const std::string& term : Texts())
                criteria.AddAndGoods(term);
        }
        for (const std::string& term : Texts())
            criteria.AddExcludedGoods(term);
    }

    // The stored text writes '-' in numbers as '_', so numbers here use '_' already.
    std::string AppNumText() {
        if (Chance(2))
            return "";
        static const char* const numbers[] = {"B12_345", "TMA123", "M12/3", "!raw \"q\"",
                                              "123 ABC", "12/3/4", "x\\y"};
        return numbers[Below(static_cast<int>(std::size(numbers)))];
    }

    std::string DateText() {
        if (Chance(2))
            return "";
        return std::to_string(1 + Below(31)) + " " + std::to_string(1 + Below(12)) + " " +
               std::to_string(1000 + Below(9000));
    }

    std::mt19937 random_;
};

} // namespace

TEST(CriteriaRoundTrip, RandomCriteriaReadBackUnchanged) {
    CriteriaGenerator generator(20040105);
    for (int i = 0; i < 3000; ++i) {
        CCriteria original = generator.Next();
        const std::string text = original.WriteCriteriaText(true);
        CCriteria read;
        const bool clean = read.ReadCriteriaText(text);
        original.FillDefaults();
        ASSERT_EQ(DescribeCriteria(read), DescribeCriteria(original)) << text;
        ASSERT_EQ(read.WriteCriteriaText(true), original.WriteCriteriaText(true));
        ASSERT_TRUE(clean || !read.GetLastError().empty()) << text;
    }
}

TEST(CriteriaRoundTrip, ValidTermsReadBackWithoutFailure) {
    CCriteria criteria;
    criteria.ResetWithDbIds("uc");
    ASSERT_TRUE(criteria.AddWordTerm("AC-E, \"NEW WORLD ORDER 2000\", Z?", kValidateSearchDialog,
                                     nullptr, kTermWordMatch));
    ASSERT_TRUE(
        criteria.AddAndWordTerm("ACME, ZENITH", kValidateSearchDialog, nullptr, kTermMarkMatch));
    ASSERT_TRUE(criteria.AddExcludedWordTerm("ABC-", kValidateSearchDialog, nullptr, kTermAnagram));
    ASSERT_TRUE(criteria.AddGoodsTerm("semi\\-soft, o'neil", nullptr));
    ASSERT_TRUE(criteria.AddExcludedGoodsTerm("a\\$b", nullptr));
    criteria.FillDefaults();
    CCriteria read;
    ASSERT_TRUE(read.ReadCriteriaText(criteria.WriteCriteriaText(true)));
    EXPECT_EQ(DescribeCriteria(read), DescribeCriteria(criteria));
}
