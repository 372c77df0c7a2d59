// The automatic search design: how term lists become word groups and searches, and what reaches
// the examination document.

#include "search/AutoSearchDesign.h"

#include "core/ClassList.h"
#include "tests/app/DocFixture.h"

#include <gtest/gtest.h>

namespace {

using Groups = std::vector<std::pair<std::string, std::string>>;

std::vector<std::string> Numbered(const std::string& prefix, int count) {
    std::vector<std::string> entries;
    for (int i = 1; i <= count; ++i)
        entries.push_back(prefix + std::to_string(i));
    return entries;
}

TEST(AutoSearchDesign, EntriesSharingAWordBecomeOneSearch) {
    EXPECT_EQ(DesignWordGroups({"red apple", "red pear", "green"}),
              (Groups{{"red", "apple pear"}, {"green", ""}}));
    EXPECT_EQ(DesignWordGroups({"blue   sky high", "blue moon"}),
              (Groups{{"blue", "sky high moon"}}))
        << "split at the first run of blanks";
}

TEST(AutoSearchDesign, EachPairTriesTheFourCasesBeforeTheNextPair) {
    EXPECT_EQ(DesignWordGroups({"apple red", "pear apple"}), (Groups{{"apple", "red pear"}}));
    EXPECT_EQ(DesignWordGroups({"apple red", "red pear"}), (Groups{{"apple pear", "red"}}));
    EXPECT_EQ(DesignWordGroups({"apple red", "pear red"}), (Groups{{"apple pear", "red"}}));
    // The third entry fits the second pair by case a, but the first pair by case d.
    EXPECT_EQ(DesignWordGroups({"a b", "c d", "c b"}), (Groups{{"a c", "b"}, {"c", "d"}}));
    // A merged text compares whole.
    EXPECT_EQ(DesignWordGroups({"x red", "red y", "x y z"}),
              (Groups{{"x y", "red"}, {"x", "y z"}}));
}

TEST(AutoSearchDesign, PairsStayUnderTwelveWords) {
    std::vector<std::string> entries;
    for (const std::string& word : Numbered("w", 12))
        entries.push_back("a " + word);
    const Groups groups = DesignWordGroups(entries);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0],
              (std::pair<std::string, std::string>{"a", "w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11"}));
    EXPECT_EQ(groups[1], (std::pair<std::string, std::string>{"a", "w12"}));
}

TEST(AutoSearchDesign, SingleWordsGoTwelveToASearch) {
    const Groups groups = DesignWordGroups(Numbered("w", 13));
    EXPECT_EQ(groups, (Groups{{"w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 w12", ""}, {"w13", ""}}));
    EXPECT_TRUE(DesignWordGroups({}).empty());
}

TEST(AutoSearchDesign, SectionsTakeTheirListsAndClasses) {
    CClassList primary;
    primary.SetFromText("9, 35-38");
    CClassList secondary;
    const CAutoDesignTerms terms{{"acme"}, {"-acm-"}, {"acne", "acmex"}};
    const std::vector<CAutoSearch> searches = BuildAutoSearches(terms, primary, secondary);
    EXPECT_EQ(searches, (std::vector<CAutoSearch>{{0, "9,35-38", "acme", ""},
                                                  {2, "9,35-38", "-acm-", ""},
                                                  {3, "9,35-38", "acne acmex", ""}}))
        << "no secondary classes: no section 1";
    secondary.SetFromText("42");
    EXPECT_EQ(BuildAutoSearches(terms, primary, secondary).at(1),
              (CAutoSearch{1, "42", "acme", ""}));
    EXPECT_TRUE(BuildAutoSearches({}, primary, secondary).empty());
}

class AutoSearchesInDocument : public DocFixture {
protected:
    std::vector<std::string> SearchTexts() const {
        std::vector<std::string> texts;
        for (int i = 0; i < doc.GetSearchCount(); ++i)
            texts.push_back(std::to_string(doc.GetSearch(i).GetSection()) + ":" +
                            doc.GetSearch(i).GetCriteria().WriteCriteriaText(true));
        return texts;
    }
};

TEST_F(AutoSearchesInDocument, EachSearchGetsTheDatabasesClassesAndStatuses) {
    ASSERT_TRUE(
        AddAutoSearches({{0, "9", "red", "apple pear"}, {3, "All", "acne", ""}}, "uc", "rp", doc));
    EXPECT_EQ(SearchTexts(),
              (std::vector<std::string>{
                  "0:DBIDS=\"uc\" AND CLASS=\"9\" AND WORDM=\"red\" AND (WORDM=\"apple\" OR "
                  "WORDM=\"pear\") AND STATS=\"rp\"",
                  "3:DBIDS=\"uc\" AND CLASS=\"All\" AND WORDM=\"acne\" AND STATS=\"rp\""}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AutoSearchesInDocument, RefusedTermsAreReportedAndNoSearchIsLeftWithoutMainTerms) {
    const std::string tooLong = "abcdefghijklmnop";
    EXPECT_FALSE(AddAutoSearches(
        {{0, "9", "red", "apple " + tooLong}, {1, "9", tooLong, "apple"}, {2, "9", "-", ""}}, "u",
        "r", doc));
    EXPECT_EQ(SearchTexts(),
              (std::vector<std::string>{
                  "0:DBIDS=\"u\" AND CLASS=\"9\" AND WORDM=\"red\" AND WORDM=\"apple\" AND "
                  "STATS=\"r\""}));
    CCriteria criteria;
    EXPECT_EQ(MakeAutoCriteria({1, "9", "red", tooLong}, "u", "r", criteria),
              "Term 'abcdefghijklmnop' must be 15 charcters or less.");
}

} // namespace
