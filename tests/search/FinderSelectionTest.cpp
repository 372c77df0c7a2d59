// The ticked strings of the string-finder lists: what a click ticks in each kind of list, the
// maximum, case, the aligned column, the code column and the highlighted words.

#include "FakeFinders.h"
#include "search/FinderSelection.h"

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
        finder_ = std::make_unique<CStringFinder>(finders_, text, mode, "u",
                                                  CStringFinder::kDialogPageSize);
        return *finder_;
    }

    CFakeFinderFactory finders_;
    std::unique_ptr<CStringFinder> finder_;
};

std::vector<std::string> Words(int count) {
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i)
        words.push_back("WORD" + std::string(1, static_cast<char>('A' + i)));
    return words;
}

} // namespace

TEST_F(FinderSelectionTest, AtTheMaximumOnlyUntickingChangesTheList) {
    CFinderSelection selection(Finder(CFakeFinderFactory::Texts(Words(14)), 4), EFinderList::Strings,
                               {}, false, 12);
    for (int line = 0; line < 12; ++line)
        EXPECT_TRUE(selection.ClickLine(line));
    ASSERT_EQ(selection.GetSelected().size(), 12u);
    EXPECT_TRUE(selection.ClickLine(12));
    EXPECT_EQ(selection.GetSelected().size(), 12u);
    EXPECT_FALSE(selection.IsLineSelected(12));
    // Unticking makes room again; the order is the order of ticking.
    selection.ClickLine(3);
    EXPECT_FALSE(selection.IsLineSelected(3));
    selection.ClickLine(13);
    ASSERT_EQ(selection.GetSelected().size(), 12u);
    EXPECT_EQ(selection.GetSelected()[2], "WORDC");
    EXPECT_EQ(selection.GetSelected()[3], "WORDE");
    EXPECT_EQ(selection.GetSelected().back(), "WORDN");
    // Past the list's end there is nothing to tick.
    EXPECT_FALSE(selection.LineExists(14));
    EXPECT_TRUE(selection.ClickLine(14));
    EXPECT_EQ(selection.GetSelected().size(), 12u);
}

TEST_F(FinderSelectionTest, TickedStringsMatchWithoutRegardToCase) {
    CFinderSelection selection(Finder(CFakeFinderFactory::Texts({"ACME", "\xC9TOILE"}), 4),
                               EFinderList::Strings, {"acme", "\xE9toile"}, false, 12);
    EXPECT_TRUE(selection.IsLineSelected(0));
    EXPECT_TRUE(selection.IsLineSelected(1));
    selection.ClickLine(0);
    EXPECT_THAT(selection.GetSelected(), ElementsAre("\xE9toile"));
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
    EXPECT_EQ(plain.GetAlignColumn(), 5);
}

TEST_F(FinderSelectionTest, LocarnoLinesTickTheirCodeAndDescription) {
    CFinderSelection selection(Finder({{0, 0x0102, "Chairs"}, {0, 0x1203, "Tables"}}, 8),
                               EFinderList::Locarno, {}, false, 16);
    EXPECT_EQ(selection.GetCodeText(selection.GetLine(0)), "01 - 02");
    selection.ClickLine(0);
    selection.ClickLine(1);
    EXPECT_THAT(selection.GetSelected(), ElementsAre("01 - 02 Chairs", "12 - 03 Tables"));
    EXPECT_TRUE(selection.IsLineSelected(0));
}

TEST_F(FinderSelectionTest, ViennaLinesTickTheirDescription) {
    CFinderSelection selection(Finder({{0, 0x260401, "Circles"}}, 3), EFinderList::Vienna, {},
                               false, 16);
    EXPECT_EQ(selection.GetCodeText(selection.GetLine(0)), "26.4.1");
    selection.ClickLine(0);
    EXPECT_THAT(selection.GetSelected(), ElementsAre("Circles"));
}

TEST_F(FinderSelectionTest, ModeSevenLinesAreLedByTheirLocarnoCode) {
    CFinderSelection selection(Finder({{3, 0x0102, "   Chairs"}, {0, 0, "Stools"}}, 7),
                               EFinderList::Strings, {}, true, 12);
    const CFoundString chairs = selection.GetLine(0);
    EXPECT_EQ(chairs.GetText(), "01 - 02    Chairs");
    EXPECT_EQ(chairs.GetPosition(), 11);
    EXPECT_EQ(CFinderSelection::GetAlignedCharacter(chairs), 11u);
    // No code: only the blank.
    EXPECT_EQ(selection.GetLine(1).GetText(), " Stools");
    selection.ClickLine(0);
    EXPECT_THAT(selection.GetSelected(), ElementsAre("01 - 02    Chairs"));
    // Past the list's end the line stays empty.
    EXPECT_EQ(selection.GetLine(2).GetText(), "");
}

TEST_F(FinderSelectionTest, TheTypedTextIsHighlightedWhereAWordStartsWithIt) {
    CFinderSelection selection(Finder({{0, 0x010101, "Stars"}}, 3, "star"), EFinderList::Vienna,
                               {}, false, 16);
    EXPECT_THAT(selection.GetHighlightSpans("Stars, comets, STARFISH and lodestars"),
                ElementsAre(CTextSpan{0, 4}, CTextSpan{15, 4}));
    EXPECT_THAT(selection.GetHighlightSpans("st"), IsEmpty());
    EXPECT_THAT(selection.GetHighlightSpans(""), IsEmpty());
}

TEST_F(FinderSelectionTest, AlignedCharactersStayWithinTheText) {
    EXPECT_EQ(CFinderSelection::GetAlignedCharacter(CFoundString("ACME", -1, 0, 'u')), 0u);
    EXPECT_EQ(CFinderSelection::GetAlignedCharacter(CFoundString("ACME", 4, 0, 'u')), 4u);
    EXPECT_EQ(CFinderSelection::GetAlignedCharacter(CFoundString("ACME", 5, 0, 'u')), 4u);
}
