// The ticked strings of the string-finder lists: what a click ticks in each kind of list, the
// maximum, case, the aligned column, the code column and the highlighted words.

#include "search/FinderSelection.h"

#include "FakeFinders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class FinderSelectionTest : public ::testing::Test {
protected:
    CStringFinder& Finder(std::vector<CFinderReplyEntry> entries, int mode,
                          const std::string& text = "") {
        finders_.Register('u').entries = std::move(entries);
        finder_ = std::make_unique<CStringFinder>(finders_, text, mode, "u", 16);
        return *finder_;
    }

    CFakeFinderFactory finders_;
    std::unique_ptr<CStringFinder> finder_;
};

} // namespace

TEST_F(FinderSelectionTest, AtTheMaximumOnlyUntickingChangesTheList) {
    std::vector<std::string> words;
    for (char c = 'A'; c <= 'N'; ++c)
        words.push_back(std::string("WORD") + c);
    // Ticked already: in another case.
    CFinderSelection selection(Finder(CFakeFinderFactory::Texts(words), 4), EFinderList::Strings,
                               {"worda"}, false, 12);
    EXPECT_TRUE(selection.IsLineSelected(0));
    for (int line = 1; line < 13; ++line)
        EXPECT_TRUE(selection.ClickLine(line));
    ASSERT_EQ(selection.GetSelected().size(), 12u);
    EXPECT_FALSE(selection.IsLineSelected(12));
    selection.ClickLine(0);
    selection.ClickLine(13);
    EXPECT_EQ(selection.GetSelected().front(), "WORDB");
    EXPECT_EQ(selection.GetSelected().back(), "WORDN");
    ASSERT_EQ(selection.GetSelected().size(), 12u);
    // Past the list's end there is nothing to tick.
    EXPECT_FALSE(selection.LineExists(14));
    selection.ClickLine(2);
    selection.ClickLine(14);
    EXPECT_EQ(selection.GetSelected().size(), 11u);
}

TEST_F(FinderSelectionTest, TheAlignedColumnStaysWithinItsNinths) {
    CFinderSelection aligned(Finder(CFakeFinderFactory::Texts({"ACME"}), 4), EFinderList::Strings,
                             {}, true, 12);
    for (int step = 0; step < 5; ++step)
        EXPECT_TRUE(aligned.StepSelection(+1));
    EXPECT_EQ(aligned.GetAlignColumn(), 8);
    aligned.StepSelection(-20);
    EXPECT_EQ(aligned.GetAlignColumn(), 0);
    CFinderSelection plain(*finder_, EFinderList::Strings, {}, false, 12);
    EXPECT_FALSE(plain.StepSelection(+1));
}

TEST_F(FinderSelectionTest, CodeListsTickTheirOwnTexts) {
    CFinderSelection locarno(Finder({{0, 0x0102, "Chairs"}}, 8), EFinderList::Locarno, {}, false,
                             16);
    EXPECT_EQ(locarno.GetCodeText(locarno.GetLine(0)), "01 - 02");
    locarno.ClickLine(0);
    EXPECT_THAT(locarno.GetSelected(), ElementsAre("01 - 02 Chairs"));

    CFinderSelection vienna(Finder({{0, 0x260401, "Circles"}}, 3), EFinderList::Vienna, {}, false,
                            16);
    EXPECT_EQ(vienna.GetCodeText(vienna.GetLine(0)), "26.4.1");
    vienna.ClickLine(0);
    EXPECT_THAT(vienna.GetSelected(), ElementsAre("Circles"));

    // Mode 7: lines led by their Locarno code, which moves the aligned position.
    CFinderSelection names(Finder({{3, 0x0102, "   Chairs"}, {0, 0, "Stools"}}, 7),
                           EFinderList::Strings, {}, true, 12);
    const CFoundString chairs = names.GetLine(0);
    EXPECT_EQ(chairs.GetText(), "01 - 02    Chairs");
    EXPECT_EQ(CFinderSelection::GetAlignedCharacter(chairs), 11u);
    EXPECT_EQ(names.GetLine(1).GetText(), " Stools");
    names.ClickLine(0);
    EXPECT_THAT(names.GetSelected(), ElementsAre("01 - 02    Chairs"));
    EXPECT_EQ(CFinderSelection::GetAlignedCharacter(CFoundString("ACME", -1, 0, 'u')), 0u);
    EXPECT_EQ(CFinderSelection::GetAlignedCharacter(CFoundString("ACME", 5, 0, 'u')), 4u);
}

TEST_F(FinderSelectionTest, TheTypedTextIsHighlightedWhereAWordStartsWithIt) {
    CFinderSelection selection(Finder({{0, 0x010101, "Stars"}}, 3, "star"), EFinderList::Vienna, {},
                               false, 16);
    EXPECT_THAT(selection.GetHighlightSpans("Stars, comets, STARFISH and lodestars"),
                ElementsAre(CTextSpan{0, 4}, CTextSpan{15, 4}));
    EXPECT_THAT(selection.GetHighlightSpans("st"), IsEmpty());
}
