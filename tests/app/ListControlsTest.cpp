// The shared list controls without their windows: bold markup, the rows they draw, the paging
// of the virtual list box and the sideways range of the scrolling list.

#include "RecordingSurface.h"
#include "app/controls/BoldMarkup.h"
#include "app/controls/HScrollLines.h"
#include "app/controls/ListItems.h"
#include "app/controls/VirtualLines.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;
using Runs = std::vector<CMarkupRun>;

TEST(BoldMarkup, RunsEndAtEveryAngleBracketAndTagsSwitchTheWeight) {
    EXPECT_EQ(SplitBoldRuns("<b>FR</b> France"), (Runs{{"FR", true}, {" France", false}}));
    // A lone '<' starts a run of its own text; an unknown tag is text.
    EXPECT_EQ(SplitBoldRuns("a<c <i>d"), (Runs{{"a", false}, {"<c ", false}, {"<i>d", false}}));
    EXPECT_EQ(SplitBoldRuns("<b><b>x</b></b>y<b>"), (Runs{{"x", true}, {"y", false}}));
    EXPECT_EQ(SplitBoldRuns("</"), (Runs{{"</", false}}));
    EXPECT_EQ(SplitBoldRuns(""), Runs{});
}

TEST(BoldMarkup, BoldRunsAreDrawnInABoldCopyAndTheFontComesBack) {
    CRecordingSurface surface;
    surface.SetFont({"Arial", 10});
    surface.Clear();
    EXPECT_EQ(DrawBoldMarkup(surface, 5, 7, "ab<b>cd</b>e"), 55);
    EXPECT_EQ(surface.DrawingCalls(),
              (Calls{"SetFont(\"Arial\", 10, 400)", "TextOut(5, 7, \"ab\")",
                     "SetFont(\"Arial\", 10, 700)", "TextOut(25, 7, \"cd\")",
                     "SetFont(\"Arial\", 10, 400)", "TextOut(45, 7, \"e\")",
                     "SetFont(\"Arial\", 10, 400)"}));
}

// The text calls of a drawing, without the fills and the state.
Calls TextCalls(const CRecordingSurface& surface) {
    Calls texts;
    for (const std::string& call : surface.DrawingCalls())
        if (call.starts_with("TextOut"))
            texts.push_back(call);
    return texts;
}

TEST(CountryItem, ACodeAndABlankPutTheNameInItsColumnOtherTextsAreDrawnWhole) {
    CRecordingSurface surface;
    surface.SetFont({"Arial", 8}); // 16 high
    const CRect row{100, 50, 300, 70};
    DrawCountryItem(surface, row, "FR <b>France</b>", {true, false, 16});
    // Centred by (20 - 16) / 2; the name starts the width of "ABCD" in.
    EXPECT_EQ(TextCalls(surface),
              (Calls{"TextOut(102, 52, \"FR\")", "TextOut(140, 52, \"France\")"}));
    for (const char* whole : {"FRANCE", "FR ", "F France"}) {
        surface.Clear();
        DrawCountryItem(surface, row, whole, {true, false, 30});
        EXPECT_EQ(TextCalls(surface), Calls{std::string("TextOut(102, 50, \"") + whole + "\")"})
            << whole;
    }
}

TEST(CountryItem, DisabledRowsAreGreyAndOnlyEnabledOnesShowTheSelection) {
    CRecordingSurface surface;
    const CRect row{0, 0, 100, 20};
    DrawCountryItem(surface, row, "DE Germany", {false, true, 20});
    EXPECT_EQ(surface.DrawingCalls()[0], "FillRect(0, 0, 100, 20, #FFFFFF)");
    EXPECT_EQ(surface.DrawingCalls()[1], "SetTextColour(#808080)");
    surface.Clear();
    DrawCountryItem(surface, row, "DE Germany", {true, true, 20});
    EXPECT_EQ(surface.DrawingCalls()[0], "FillRect(0, 0, 100, 20, #3060C0)");
    EXPECT_EQ(surface.DrawingCalls()[1], "SetTextColour(#FDFDFD)");
}

TEST(ComboItems, FormattedRowsAreCentredAndUnicodeRowsConvertRecordText) {
    CRecordingSurface surface;
    surface.SetFont({"Arial", 10});
    EXPECT_EQ(HtmlComboItemHeight(surface), 40);
    DrawHtmlComboItem(surface, {0, 0, 200, 40}, "<b>Exact</b> match", false, kWhite);
    EXPECT_EQ(TextCalls(surface),
              (Calls{"TextOut(0, 10, \"Exact\")", "TextOut(50, 10, \" match\")"}));
    surface.Clear();
    DrawUnicodeItem(surface, {0, 16, 200, 32}, "caf\xE9 \x80", false);
    EXPECT_EQ(TextCalls(surface), Calls{"TextOut(2, 16, \"caf\u00E9 \u20AC\")"});
}

class VirtualLinesTest : public ::testing::Test {
protected:
    // 100 lines exist, 0 to 99.
    CVirtualLines::LineExists Exists() const {
        return [this](int line) { return line >= 0 && line < lineCount; };
    }
    int lineCount = 100;
    CVirtualLines lines{3};
};

TEST_F(VirtualLinesTest, AsManyWholeLinesAsFitFromOneToSixtyFour) {
    for (const auto& [height, visible] : {std::pair{95, 9}, {5, 1}, {10 * 70, 64}}) {
        lines.SetGeometry(height, 10);
        EXPECT_EQ(lines.GetVisibleLines(), visible) << height;
    }
    lines.SetGeometry(95, 10);
    EXPECT_EQ(lines.LineAt(89), 8);
    EXPECT_EQ(lines.LineAt(90), -1);
    EXPECT_EQ(lines.LineAt(-1), -1);
    EXPECT_EQ(lines.LineRect(2, 0, 50), (CRect{0, 20, 50, 30}));
}

TEST_F(VirtualLinesTest, StepsMoveOnlyOntoLinesThatExist) {
    lines.SetGeometry(100, 10); // ten lines
    EXPECT_FALSE(lines.LineUp(Exists()));
    lineCount = 10;
    // Line first + visible (10) does not exist: no scrolling down.
    EXPECT_FALSE(lines.LineDown(Exists()));
    EXPECT_FALSE(lines.PageDown(Exists()));
    lineCount = 14;
    EXPECT_TRUE(lines.PageDown(Exists()));
    EXPECT_EQ(lines.GetFirstLine(), 4);
    EXPECT_TRUE(lines.PageUp(Exists()));
    EXPECT_EQ(lines.GetFirstLine(), 0);
}

TEST_F(VirtualLinesTest, WheelNotchesGatherAndMoveTheWheelLinesAtMostAWindow) {
    lines.SetGeometry(100, 10);
    lines.SetFirstLine(50);
    // Half a notch twice scrolls once; away from the user is up.
    EXPECT_FALSE(lines.OnMouseWheel(false, false, 60, Exists()).scrolled);
    EXPECT_TRUE(lines.OnMouseWheel(false, false, 60, Exists()).scrolled);
    EXPECT_EQ(lines.GetFirstLine(), 47);
    EXPECT_TRUE(lines.OnMouseWheel(false, false, -120, Exists()).scrolled);
    EXPECT_EQ(lines.GetFirstLine(), 50);
    // Five notches at once: at most a window of ten.
    lines.OnMouseWheel(false, false, -600, Exists());
    EXPECT_EQ(lines.GetFirstLine(), 60);
    // Near the end the step stops at the last line.
    lines.SetFirstLine(88);
    lines.OnMouseWheel(false, false, -240, Exists());
    EXPECT_EQ(lines.GetFirstLine(), 90);
    // Ctrl does nothing; Shift steps the selection.
    EXPECT_EQ(lines.OnMouseWheel(true, false, -120, Exists()).selectionStep, 0);
    EXPECT_EQ(lines.OnMouseWheel(false, true, -120, Exists()).selectionStep, -1);
    EXPECT_EQ(lines.OnMouseWheel(false, true, 120, Exists()).selectionStep, 1);
    EXPECT_EQ(lines.GetFirstLine(), 90);
}

TEST(HScrollLines, TheRangeFollowsTheWidestLineBothWays) {
    CHScrollLines lines([](std::string_view text) { return static_cast<int>(text.size()) * 10; });
    EXPECT_EQ(lines.Add("abc"), 0);
    EXPECT_EQ(lines.GetExtent(), 33);
    lines.Add("abcdefgh");
    lines.Insert(0, "ab");
    EXPECT_EQ(lines.GetExtent(), 83);
    EXPECT_EQ(lines.Insert(4, "x"), -1);
    EXPECT_TRUE(lines.Delete(2));
    EXPECT_EQ(lines.GetExtent(), 33);
    EXPECT_FALSE(lines.Delete(2));
    lines.Clear();
    EXPECT_EQ(lines.GetExtent(), 0);
}

TEST(HScrollLines, TabsReachTheNextStopInPixelsAndTheLineKeepsThem) {
    // Blanks 2 pixels wide, every other character 6: stops every 8 x 5 = 40 pixels.
    CHScrollLines lines(
        [](std::string_view text) {
            int width = 0;
            for (char c : text)
                width += c == ' ' ? 2 : 6;
            return width;
        },
        5);
    lines.Add("ab\tc\t\td");
    EXPECT_EQ(lines.GetLine(0), "ab\tc\t\td");
    // "ab" is 12 pixels: 14 blanks reach 40; "c" makes 46: 17 blanks reach 80, 20 more 120.
    const std::string shown =
        "ab" + std::string(14, ' ') + "c" + std::string(17, ' ') + std::string(20, ' ') + "d";
    EXPECT_EQ(lines.GetShownLine(0), shown);
    EXPECT_EQ(lines.GetExtent(), 126 + 2);
    // A text exactly at a stop moves on to the next one.
    lines.Add("abcd" + std::string(8, ' ') + "\tx");
    EXPECT_EQ(lines.GetShownLine(1), "abcd" + std::string(28, ' ') + "x");
    lines.Add("no tabs");
    EXPECT_EQ(lines.GetShownLine(2), "no tabs");
}

} // namespace
