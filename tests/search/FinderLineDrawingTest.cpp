// The lines of the string-finder lists as they are drawn: where an aligned entry stands, the
// registers' flags, the ticked background and tick, the code column and the highlighted words,
// Western and Greek record text, and how wide a line must be to show its entry whole.

#include "search/FinderLineDrawing.h"

#include "FakeFinders.h"
#include "RecordingSurface.h"
#include "TextCutSurface.h"
#include "registers/ZrDbs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;

namespace {

// A line 300 pixels wide and 20 high: its text starts at 22; each character of the recording
// surface is 10 pixels wide, a blank 5.
constexpr CRect kLine{0, 40, 300, 60};

class FinderLineDrawingTest : public ::testing::Test {
protected:
    // The finder over the registers, each holding the entries.
    CFinderSelection& Selection(std::vector<CFinderReplyEntry> entries, const std::string& codes,
                                int mode, EFinderList kind, bool aligned,
                                const std::string& text = "") {
        for (const char code : codes)
            finders_.Register(code).entries = entries;
        finder_ = std::make_unique<CStringFinder>(finders_, text, mode, codes, 16);
        selection_ = std::make_unique<CFinderSelection>(*finder_, kind, std::vector<std::string>{},
                                                        aligned, 12);
        return *selection_;
    }
    std::vector<std::string> Draw(int index) {
        CRecordingSurface surface;
        CFinderLineDrawer(*selection_, registers_).DrawLine(surface, index, kLine);
        return surface.DrawingCalls();
    }
    static std::vector<std::string> Matching(const std::vector<std::string>& calls,
                                             const std::string& prefix) {
        std::vector<std::string> found;
        for (const std::string& call : calls)
            if (call.rfind(prefix, 0) == 0)
                found.push_back(call);
        return found;
    }

    CZrDbs registers_;
    CFakeFinderFactory finders_;
    std::unique_ptr<CStringFinder> finder_;
    std::unique_ptr<CFinderSelection> selection_;
};

} // namespace

TEST_F(FinderLineDrawingTest, AnAlignedEntryPutsItsPositionAtTheColumnAndItsRegistersAtTheRight) {
    CFinderSelection& selection =
        Selection({{99, 1, "ACME"}, {0xFFFFFFFFu, 2, "NOVA"}, {8, 3, "SMITH & JONES"}}, "uk", 4,
                  EFinderList::Strings, true);
    // Two flags take 2 * (18 + 2) + 2 = 42 pixels: the text is 236 wide, its column at
    // 22 + 4 * 236 / 9 = 126, and "SMITH & " is 70 wide.
    const std::vector<std::string> calls = Draw(2);
    EXPECT_THAT(Matching(calls, "TextOut"), ElementsAre("TextOut(56, 40, \"SMITH & JONES\")"));
    // From the last code to the first, right to left, centred on the line, over the text.
    EXPECT_THAT(calls, testing::Contains("FillRect(258, 40, 300, 60, #FFFFFF)"));
    const std::vector<std::string> flags = Matching(calls, "DrawImage");
    ASSERT_EQ(flags.size(), 2u);
    EXPECT_THAT(flags[0], EndsWith(", 280, 44)"));
    EXPECT_THAT(flags[1], EndsWith(", 260, 44)"));

    selection.StepSelection(+1);
    EXPECT_THAT(Matching(Draw(2), "TextOut"), ElementsAre("TextOut(83, 40, \"SMITH & JONES\")"));
    // A position past the text ends it at the column, a negative one starts it there.
    EXPECT_THAT(Matching(Draw(0), "TextOut"), ElementsAre("TextOut(113, 40, \"ACME\")"));
    EXPECT_THAT(Matching(Draw(1), "TextOut"), ElementsAre("TextOut(153, 40, \"NOVA\")"));
}

TEST_F(FinderLineDrawingTest, ATickedLineIsLightAndTicked) {
    CFinderSelection& selection =
        Selection(CFakeFinderFactory::Texts({"ACME", "NOVA"}), "u", 4, EFinderList::Strings, false);
    selection.ClickLine(1);
    const std::vector<std::string> plain = Draw(0);
    const std::vector<std::string> ticked = Draw(1);
    EXPECT_EQ(plain.front(), "FillRect(0, 40, 300, 60, #FFFFFF)");
    EXPECT_EQ(ticked.front(), "FillRect(0, 40, 300, 60, #F0F0F0)");
    // The box in the margin, outlined; the tick only on the ticked line.
    EXPECT_THAT(plain, testing::Contains("FillRect(2, 42, 18, 58, #FFFFFF)"));
    EXPECT_EQ(Matching(plain, "DrawPolyline").size(), 1u);
    EXPECT_EQ(Matching(ticked, "DrawPolyline").size(), 3u);
    // Not aligned: at the margin, without flags.
    EXPECT_THAT(Matching(ticked, "TextOut"), ElementsAre("TextOut(22, 40, \"NOVA\")"));
    EXPECT_THAT(Matching(ticked, "DrawImage"), IsEmpty());
    // Past the list's end only the background.
    EXPECT_THAT(Draw(2), ElementsAre("FillRect(0, 40, 300, 60, #FFFFFF)"));
}

TEST_F(FinderLineDrawingTest, CodeLinesHighlightTheTypedTextWhereAWordStartsWithIt) {
    Selection({{0, 0x0102, "Chairs and Tables, tablets"}}, "o", 8, EFinderList::Locarno, false,
              "ta");
    // "88 - 88  " is 70 wide; "Chairs and " 100 and "Chairs and Tables, " 175.
    const std::vector<std::string> locarno = Draw(0);
    EXPECT_THAT(Matching(locarno, "TextOut"),
                ElementsAre("TextOut(22, 40, \"01 - 02\")",
                            "TextOut(92, 40, \"Chairs and Tables, tablets\")",
                            "TextOut(192, 40, \"Ta\")", "TextOut(267, 40, \"ta\")"));
    EXPECT_THAT(locarno, testing::Contains("SetBackgroundMode(Opaque)"));
    EXPECT_THAT(locarno, testing::Contains("SetTextColour(#FDFDFD)"));
    EXPECT_THAT(locarno, testing::Contains("SetBackgroundColour(#3060C0)"));
    EXPECT_THAT(Matching(locarno, "DrawImage"), ElementsAre(EndsWith(", 280, 44)")));

    // "88.88.88  " is 90 wide.
    Selection({{0, 0x260401, "Circles"}}, "u", 3, EFinderList::Vienna, false, "squares");
    EXPECT_THAT(Matching(Draw(0), "TextOut"),
                ElementsAre("TextOut(22, 40, \"26.4.1\")", "TextOut(112, 40, \"Circles\")"));
}

TEST_F(FinderLineDrawingTest, RecordTextIsDrawnWesternOrGreekAsItReads) {
    Selection(
        CFakeFinderFactory::Texts({"Caf\xe9 Ath\xe8nes", "\xc1\xc8\xc7\xcd\xc1 \xea\xe1\xf6\xe5"}),
        "c", 4, EFinderList::Strings, false);
    EXPECT_THAT(Matching(Draw(0), "TextOut"), ElementsAre("TextOut(22, 40, \"Café Athènes\")"));
    EXPECT_THAT(Matching(Draw(1), "TextOut"), ElementsAre("TextOut(22, 40, \"ΑΘΗΝΑ καφε\")"));
}

// At the width a line asks for, its entry stands whole right of the tick box and clear of the
// flags; a pixel narrower, part of it is cut off or hidden, wherever the aligned column lies.
TEST_F(FinderLineDrawingTest, ALineAsWideAsItAsksForShowsItsEntryWholeAndNoNarrowerOne) {
    using enum EFinderList;
    const struct {
        const char* name;
        CFinderReplyEntry entry;
        std::string codes;
        EFinderList kind;
        bool aligned;
        int columnStep; // from the column's default of 4 ninths
    } rows[] = {
        {"aligned at its start", {0, 1, "Bluestone Holdings Ltd"}, "ucsidept", Strings, true, 0},
        {"aligned within", {8, 1, "SMITH & JONES"}, "uk", Strings, true, 0},
        {"aligned at the far column", {8, 1, "SMITH & JONES"}, "u", Strings, true, 4},
        {"aligned at the margin", {0, 1, "ACME"}, "uc", Strings, true, -4},
        {"not aligned", {3, 1, "Crownfield Industries plc"}, "uc", Strings, false, 0},
        {"Locarno", {0, 0x0102, "Chairs and tables"}, "o", Locarno, false, 0},
        {"Vienna", {0, 0x260401, "Circles"}, "uc", Vienna, false, 0},
    };
    for (const auto& row : rows) {
        CFinderSelection& selection = Selection({row.entry}, row.codes, 4, row.kind, row.aligned);
        selection.StepSelection(row.columnStep);
        CFinderLineDrawer drawer(selection, registers_);
        const int width = drawer.GetWidthToShow(CRecordingSurface(), 0, kLine.Height());
        for (const int shown : {width, width - 1}) {
            const CRect line{0, kLine.top, shown, kLine.bottom};
            CTextCutSurface<CRecordingSurface> surface;
            surface.SetClip({CFinderLineDrawer::TextLeft(line), line.top, line.right, line.bottom});
            drawer.DrawLine(surface, 0, line);
            EXPECT_EQ(surface.CutTexts().empty(), shown == width)
                << row.name << " " << shown
                << " wide: " << testing::PrintToString(surface.CutTexts());
        }
    }
}
