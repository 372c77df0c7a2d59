// The search pages' own rules: what each accepts and refuses, with which state and message, and
// what it stores of what it shows.

#include "SearchFakes.h"
#include "search/CountryPageModel.h"
#include "search/DatabasesPageModel.h"
#include "search/EnquiryPageModel.h"
#include "search/GeneralPageModel.h"
#include "search/GoodsPageModel.h"
#include "search/SelectionPageModel.h"
#include "search/StatusPageModel.h"

#include <gtest/gtest.h>

namespace {

using EMode = CGeneralPageModel::EMode;

class SearchPages : public SearchModelFixture {
protected:
    // State and message, as one printable value.
    static std::string Shown(const CSearchPageModel& page) {
        return std::to_string(page.GetState()) + "|" + page.GetMessage();
    }
    // Each input given to the page through the setter shows the state and message paired.
    template <class Page, class Setter>
    static void ExpectShown(Page& page, Setter set,
                            const std::vector<std::pair<std::string, std::string>>& cases) {
        for (const auto& [input, shown] : cases) {
            set(page, input);
            EXPECT_EQ(Shown(page), shown) << input;
        }
    }
    template <class Page>
    static CCriteria Stored(const Page& page) {
        CCriteria criteria;
        page.Store(criteria);
        return criteria;
    }
};

TEST_F(SearchPages, GeneralClassesSayHowMuchTheyRestrict) {
    CGeneralPageModel normal(EMode::Normal, options_);
    CGeneralPageModel identical(EMode::Identical, options_);
    ExpectShown(normal, [](auto& page, const std::string& text) { page.SetClasses(text); },
                {
                    {"9, 35-38", "3|"},
                    {"All", "0|"},
                    {".all", "0|"}, // every class through a keyword
                    {".food", "3|"},
                    {".drink", "1|Invalid macro name."},
                    {"9, 99", "1|Invalid class list."},
                });
    identical.SetClasses("9");
    EXPECT_EQ(Shown(identical), "2|") << "classes alone are not enough to search identical marks";
    identical.SetGroupText(CGeneralPageModel::kGroupA, "ACME");
    EXPECT_EQ(Shown(identical), "3|");
    identical.SetGroupText(CGeneralPageModel::kGroupA, "ACME ZENITH NOVA");
    EXPECT_EQ(Shown(identical), "1|Cannot search on more than 2 word terms.");
}

TEST_F(SearchPages, GeneralStoresTheClassesAKeywordStandsFor) {
    CGeneralPageModel page(EMode::Normal, options_);
    page.SetClasses(".food, 43");
    ASSERT_EQ(page.GetState(), kPageEntered);
    // Not yet re-formatted: the keyword must still restrict the stored search.
    EXPECT_EQ(Stored(page).GetClassesText(), "29-33,43");
}

TEST_F(SearchPages, GeneralMatchKindsMapBothWaysAndUnknownKindsShowTheFirstItem) {
    CGeneralPageModel page(EMode::Normal, options_);
    const int kinds[] = {0, 1, 2, 3, 4, 7};
    const int indexes[] = {0, 3, 1, 4, 2, 0};
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        CCriteria criteria = NewCriteria();
        criteria.SetWordTerms({"ACME"});
        criteria.AddAndWordTerm("STAR", kValidateSearchDialog, nullptr, kinds[i]);
        page.Load(criteria);
        EXPECT_EQ(page.GetGroup(CGeneralPageModel::kGroupB).kindIndex, indexes[i]) << kinds[i];
    }
    page.SetGroupKind(CGeneralPageModel::kGroupA, 2);
    int kind = -1;
    Stored(page).GetWordTermsText(nullptr, &kind);
    EXPECT_EQ(kind, kTermAnagram);
}

TEST_F(SearchPages, GeneralGroupsSwitchedOffCountForNothing) {
    CGeneralPageModel page(EMode::Normal, options_);
    CCriteria criteria = NewCriteria();
    criteria.SetWordTerms({"ACME"});
    criteria.AddExcludedWord("ACNE");
    page.Load(criteria);
    EXPECT_FALSE(page.IsGroupShown(CGeneralPageModel::kGroupB));
    EXPECT_TRUE(page.IsGroupShown(CGeneralPageModel::kGroupC)) << "it holds stored terms";

    page.SetGroupText(CGeneralPageModel::kGroupB, "a-b-c-d-e-f-g-h-i"); // too long if read
    EXPECT_EQ(Shown(page), "3|");
    EXPECT_TRUE(Stored(page).GetAndWordTerms().empty());
    page.SetGroupOn(CGeneralPageModel::kGroupB, true);
    EXPECT_EQ(Shown(page), "1|Term 'a-b-c-d-e-f-g-h-i' must be 15 charcters or less.");
    page.SetGroupOn(CGeneralPageModel::kGroupC, false);
    page.SetGroupOn(CGeneralPageModel::kGroupB, false);
    const CCriteria stored = Stored(page);
    EXPECT_EQ(stored.GetWordTerms(), std::vector<std::string>{"ACME"});
    EXPECT_TRUE(stored.GetExcludedWordTerms().empty());
}

TEST_F(SearchPages, GeneralTermsAreTypedAndShownInTheUsersWildcards) {
    options_.SetMatchAny('%');
    CGeneralPageModel page(EMode::Normal, options_);
    CCriteria criteria = NewCriteria();
    criteria.SetWordTerms({"ACM-"});
    page.Load(criteria);
    EXPECT_EQ(page.GetGroup(CGeneralPageModel::kGroupA).text, "ACM%");
    page.SetGroupText(CGeneralPageModel::kGroupA, "  ZEN%  ");
    EXPECT_EQ(Stored(page).GetWordTerms(), std::vector<std::string>{"ZEN-"});
}

TEST_F(SearchPages, GeneralHandsGroupAToTheFinderAndTakesItsChoiceBack) {
    CGeneralPageModel page(EMode::Normal, options_);
    page.SetGroupText(CGeneralPageModel::kGroupA, "ACME, ZENITH NOVA");
    const CFinderRequest request = page.MakeFinderRequest(true);
    EXPECT_EQ(request.values, (std::vector<std::string>{"ACME", "ZENITH", "NOVA"}));
    EXPECT_EQ(request.maximum, 12);
    page.ApplyFinderChoice({"ACME", "ACMEX"});
    EXPECT_EQ(page.GetGroup(CGeneralPageModel::kGroupA).text, "ACME ACMEX");
}

TEST_F(SearchPages, GoodsValidateAsTheyAreStored) {
    options_.SetMatchAny('%');
    options_.SetMatchOne('#');
    CGoodsPageModel page(options_);
    // The user's wildcard is valid; the internal one is a literal that needs escaping, which
    // takes the term past the length limit.
    ExpectShown(
        page,
        [](auto& goods, const std::string& text) { goods.SetText(CGoodsPageModel::kGroupA, text); },
        {
            {"shoe%", "3|"},
            {"abcdefghijklmn*", "1|Term 'abcdefghijklmn\\*' must be 15 charcters or less."},
            {"", "0|"},
        });
    page.SetText(CGoodsPageModel::kGroupA, "shoe%, boot#");
    page.SetText(CGoodsPageModel::kGroupC, "sock%");
    ASSERT_EQ(page.GetState(), kPageEntered);
    const CCriteria stored = Stored(page);
    EXPECT_EQ(stored.GetGoodsTerms(), (std::vector<std::string>{"shoe-", "boot*"}));
    EXPECT_EQ(stored.GetExcludedGoodsTerms(), std::vector<std::string>{"sock-"});
    CGoodsPageModel reloaded(options_);
    reloaded.Load(stored);
    EXPECT_EQ(reloaded.GetText(CGoodsPageModel::kGroupA), "shoe% boot#");
}

TEST_F(SearchPages, StatusStateFollowsWhatNarrowsTheSearch) {
    CStatusPageModel page(exam_, options_);
    page.Load(NewCriteria());
    page.Validate();
    EXPECT_EQ(Shown(page), "0|") << "every status and nothing else";
    EXPECT_EQ(page.GetSetNames(),
              (std::vector<std::string>{"", "AddedLastWeek", "UpdatedLastWeek"}));
    EXPECT_EQ(page.GetSetIndex(), 0);

    page.SetStatuses({true, true, true, false});
    EXPECT_EQ(Shown(page), "3|");
    EXPECT_EQ(Stored(page).GetStatus(), "rpl");
    page.SetStatuses({false, false, false, false});
    EXPECT_EQ(Shown(page), "1|At least one status must be selected.");
    page.SetStatuses({});
    page.SetSetIndex(0);
    EXPECT_EQ(Shown(page), "0|");
    EXPECT_EQ(Stored(page).GetSet(), "");
    page.SetSetIndex(2);
    EXPECT_EQ(Shown(page), "3|");
    EXPECT_EQ(Stored(page).GetSet(), "UpdatedLastWeek");
}

TEST_F(SearchPages, StatusRangesRefusedWithTheNumberMessageWinning) {
    CStatusPageModel page(exam_, options_);
    page.SetDateRange("5 Jan 2004", "");
    EXPECT_EQ(Shown(page), "3|");
    page.SetDateRange("5 Jan 2004", "4 Jan 2004");
    EXPECT_EQ(Shown(page), "1|Invalid date range.");
    page.SetDateRange("31 Foo 2004", "");
    EXPECT_EQ(Shown(page), "1|Invalid date range.");
    page.SetNumberRange("2000", "1000");
    EXPECT_EQ(Shown(page), "1|Invalid application number range.");
    page.SetDateRange("", "");
    page.SetNumberRange("1000", "2000");
    EXPECT_EQ(Shown(page), "3|");

    const CCriteria stored = Stored(page);
    EXPECT_EQ(stored.GetAppNumFrom().GetText(), "1000");
    EXPECT_EQ(stored.GetAppNumTo().GetText(), "2000");
    CStatusPageModel reloaded(exam_, options_);
    CCriteria dated = NewCriteria();
    dated.SetAppDateRange("5 Jan 2004", "6 Feb 2005");
    reloaded.Load(dated);
    EXPECT_EQ(reloaded.GetDateFrom(), "5 Jan 2004");
    EXPECT_EQ(reloaded.GetDateTo(), "6 Feb 2005");
}

TEST_F(SearchPages, StatusClearTakesTheUsersDefaultStatuses) {
    options_.SetDefaultStatus("rp");
    CStatusPageModel page(exam_, options_);
    page.SetNumberRange("1", "");
    page.SetSetIndex(1);
    page.Clear();
    EXPECT_EQ(page.GetStatuses(), (CStatusChecks{true, true, false, false}));
    EXPECT_EQ(page.GetNumberFrom(), "");
    EXPECT_EQ(page.GetSetIndex(), -1);
    EXPECT_EQ(Shown(page), "3|");
}

TEST_F(SearchPages, CountriesAllTickedRestrictAsLittleAsNone) {
    exam_.connected = "utp";
    CCountryPageModel page(exam_);
    ASSERT_EQ(CCountryPageModel::GetLines().size(), 101u);
    page.SelectAll(true);
    EXPECT_EQ(Shown(page), "0|");
    EXPECT_EQ(page.GetSummary(), "");
    page.SelectAsDatabases();
    EXPECT_EQ(Shown(page), "3|");
    EXPECT_EQ(page.GetSummary(), "AU,PL");
    EXPECT_EQ(Stored(page).GetCountries().GetText(), "AU,PL");
    page.Clear();
    EXPECT_EQ(Shown(page), "0|");
}

TEST_F(SearchPages, NameListsTakeTrimmedNewNamesUpToTheirLimit) {
    CSelectionPageModel owners(CSelectionPageModel::EKind::Owners);
    CSelectionPageModel agents(CSelectionPageModel::EKind::Agents);
    for (CSelectionPageModel* page : {&owners, &agents}) {
        for (int i = 0; i < page->GetMaximum() - 1; ++i) {
            page->SetLocate("Name " + std::to_string(i));
            page->Add();
        }
        page->SetLocate("  Name 0 ");
        EXPECT_FALSE(page->CanAdd()) << "already listed once trimmed";
        page->SetLocate("Last\r\n");
        ASSERT_TRUE(page->CanAdd());
        page->Add();
        page->SetLocate("One too many");
        EXPECT_FALSE(page->CanAdd());
        page->Add();
        EXPECT_EQ(page->GetValues().back(), "Last");
    }
    EXPECT_EQ(owners.GetValues().size(), 50u);
    EXPECT_EQ(agents.GetValues().size(), 16u);
    EXPECT_EQ(Stored(owners).GetOwnerNames(), owners.GetValues());
    EXPECT_EQ(Shown(agents), "3|");
}

TEST_F(SearchPages, DeletingKeepsASelectionWhileLinesRemain) {
    CSelectionPageModel page(CSelectionPageModel::EKind::Devices);
    page.ApplyFinderChoice({"1.1.1", "2.1", "3"});
    EXPECT_FALSE(page.CanDelete());
    page.SelectLine(2);
    page.Delete();
    EXPECT_EQ(page.GetSelectedLine(), 1) << "the new last line";
    page.SelectLine(0);
    page.Delete();
    EXPECT_EQ(page.GetSelectedLine(), 0);
    EXPECT_EQ(page.GetValues(), std::vector<std::string>{"2.1"});
    page.Delete();
    EXPECT_EQ(page.GetSelectedLine(), -1);
    EXPECT_FALSE(page.CanDelete());
    EXPECT_EQ(Shown(page), "0|");
}

TEST_F(SearchPages, CodePagesMatchAllAndTheirFinders) {
    CSelectionPageModel locarno(CSelectionPageModel::EKind::Locarno);
    for (const auto& [set, read] : {std::pair{1, 1}, {2, 2}, {3, 0}, {-1, 0}}) {
        locarno.SetMatchAll(set);
        EXPECT_EQ(locarno.GetMatchAll(), read) << set;
    }
    locarno.SetMatchAll(2);
    locarno.ApplyFinderChoice({"0101"});
    EXPECT_TRUE(Stored(locarno).GetLocarnoMatchAll());
    EXPECT_EQ(locarno.MakeBrowseRequest().maximum, 16);
    const CFinderRequest classes = locarno.MakeCodeFinderRequest();
    EXPECT_EQ(classes.dialog, CFinderRequest::EDialog::Locarno);
    EXPECT_EQ(classes.values, std::vector<std::string>{"0101"});
}

TEST_F(SearchPages, DatabasesCountOnlyConnectedCodesAndKeepStaleOnes) {
    CDatabasesPageModel page(exam_);
    const std::pair<std::string, std::string> cases[] = {
        {"uc", "0|"},
        {"u", "2|"},
        {"uz", "2|"}, // a stale code plus one unticked database is not all of them
        {"z", "1|At least one database must be selected"},
        {"", "1|At least one database must be selected"},
    };
    for (const auto& [codes, shown] : cases) {
        page.Load(NewCriteria(codes));
        page.Validate();
        EXPECT_EQ(Shown(page), shown) << codes;
        EXPECT_EQ(Stored(page).GetDbIds(), codes) << "stored as they were";
    }
    page.OnCheckClicked(1, true);
    EXPECT_EQ(page.GetSelectedCodes(), "c");
    page.OnCheckClicked(0, true);
    page.OnCheckClicked(0, true);
    EXPECT_EQ(page.GetSelectedCodes(), "cu") << "in the order ticked, each once";
    page.OnCheckClicked(1, false);
    EXPECT_EQ(page.GetSelectedCodes(), "u");
    const std::vector<CDatabaseSlot> slots = page.GetSlots();
    ASSERT_EQ(slots.size(), 10u);
    EXPECT_TRUE(slots[0].shown && slots[0].ticked && slots[0].text == "United Kingdom");
    EXPECT_TRUE(slots[1].shown && !slots[1].ticked);
    EXPECT_FALSE(slots[2].shown);
    page.Clear();
    EXPECT_EQ(page.GetSelectedCodes(), "uc");
}

TEST_F(SearchPages, TwelveDatabasesScrollWithinTheirRows) {
    exam_.connected = "abcdefghijkl";
    for (char c : exam_.connected)
        exam_.registers[c] = {std::string("Register ") + c, "\\d+", {}};
    CDatabasesPageModel page(exam_, 3);
    page.Load(NewCriteria(exam_.connected));
    EXPECT_TRUE(page.GetRowWindow().NeedsScrollBar());
    page.OnScroll(CRowWindow::ScrollCode::Bottom);
    std::vector<CDatabaseSlot> slots = page.GetSlots();
    EXPECT_EQ(slots.front().text, "Register c");
    EXPECT_EQ(slots.back().text, "Register l");
    EXPECT_TRUE(std::all_of(slots.begin(), slots.end(), [](auto& s) { return s.shown; }));
    page.OnCheckClicked(9, false);
    EXPECT_EQ(page.GetSelectedCodes(), "abcdefghijk");
}

} // namespace
