// The tab strip's geometry, hit tests and scrolling, and the ticks of list cells, on the
// recording surface.

#include "core/Tabs.h"

#include "RecordingSurface.h"
#include "core/TickBox.h"
#include "core/WString.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

CTabsLayout ThreeTabs(bool scrollButtons) {
    CTabsLayout layout(scrollButtons);
    layout.SetTabs({"One", "Three", "Two"}, {30, 50, 40});
    return layout;
}

TEST(Tabs, TabsOverlapAndAreHitUpToTheirBoundaries) {
    const CTabsLayout layout = ThreeTabs(true);
    const std::vector<CTabShape> tabs = layout.VisibleTabs({400, 20});
    ASSERT_EQ(tabs.size(), 3u);
    EXPECT_EQ(tabs[0].corners, (std::array<CPoint, 4>{{{40, 19}, {50, 0}, {100, 0}, {110, 19}}}));
    EXPECT_EQ(tabs[0].textX, 60);
    EXPECT_EQ(tabs[1].corners[0], (CPoint{100, 19}));
    EXPECT_EQ(tabs[2].corners[0], (CPoint{180, 19}));
    // Boundaries at 40 + 5 + 60, + 80, + 70.
    for (const auto& [x, tab] : std::vector<std::pair<int, int>>{
             {39, -1}, {40, 0}, {104, 0}, {105, 1}, {184, 1}, {185, 2}, {254, 2}, {255, -1}})
        EXPECT_EQ(layout.HitTest(x, 20), tab) << x;
    EXPECT_EQ(ThreeTabs(false).HitTest(0, 20), 0);
    EXPECT_EQ(ThreeTabs(false).VisibleTabs({400, 20})[0].corners[0], (CPoint{0, 19}));
}

TEST(Tabs, ScrollButtonsMoveOneTabWhileTabsLieBeyondTheEdge) {
    CTabsLayout layout = ThreeTabs(true);
    const CSize client{150, 20};
    EXPECT_FALSE(layout.CanScrollLeft());
    EXPECT_TRUE(layout.CanScrollRight(client));
    EXPECT_FALSE(layout.ScrollLeft());
    EXPECT_TRUE(layout.ScrollRight());
    EXPECT_TRUE(layout.CanScrollRight(client));
    EXPECT_TRUE(layout.ScrollRight());
    // The last tab, 40 to 120, lies inside the strip.
    EXPECT_FALSE(layout.CanScrollRight(client));
    EXPECT_FALSE(layout.ScrollRight());
    EXPECT_EQ(layout.HitTest(45, 20), 2);
    EXPECT_TRUE(layout.CanScrollLeft());
    // Fewer tabs than the first shown: back to the first.
    layout.SetTabs({"Watch"}, {50});
    EXPECT_EQ(layout.GetFirstVisible(), 0);
}

TEST(Tabs, TheCurrentTabIsDrawnLastAndOpenTowardsThePane) {
    CRecordingSurface surface;
    DrawTabs(surface, ThreeTabs(false), {300, 20}, 1);
    const Calls calls = surface.DrawingCalls();
    std::vector<std::string> texts;
    for (const std::string& call : calls)
        if (call.rfind("TextOut", 0) == 0)
            texts.push_back(call);
    EXPECT_EQ(texts, (Calls{"TextOut(20, 0, \"One\")", "TextOut(80, 0, \"Three\")",
                            "TextOut(160, 0, \"Two\")", "TextOut(80, 0, \"Three\")"}));
    const auto white = std::find(calls.begin(), calls.end(),
                                 "DrawPolygon((60, 19) (70, 0) (140, 0) (150, 19), #FFFFFF)");
    ASSERT_LT(white + 2, calls.end());
    EXPECT_EQ(white[1], "SetPen(#FFFFFF, 1)");
    EXPECT_EQ(white[2], "DrawLine(60, 19, 150, 19)");
}

TEST(TickBox, ATickIsTwoStrokesAndAnUntickedCellOnlyItsBackground) {
    CRecordingSurface surface;
    DrawTick(surface, {10, 20, 30, 40}, true, MakeColour(1, 2, 3));
    DrawTickBox(surface, {0, 0, 5, 5}, false);
    EXPECT_EQ(surface.DrawingCalls(),
              (Calls{"FillRect(10, 20, 30, 40, #FFFFFF)", "SetPen(#010203, 1)",
                     "DrawPolyline((11, 30) (11, 38) (27, 22))",
                     "DrawPolyline((12, 30) (12, 38) (28, 22))", "SetPen(#000000, 1)",
                     "FillRect(0, 0, 5, 5, #FFFFFF)"}));
}

TEST(WString, DrawsAndMeasuresItsFirstUnitsClamped) {
    CRecordingSurface surface;
    const CWString text("\xC1&amp;B", true);
    text.TextOutN(surface, 1, 2, 2);
    text.TextOutN(surface, 1, 2, 9);
    text.TextOutN(surface, 1, 2, -1);
    EXPECT_EQ(surface.DrawingCalls(),
              (Calls{"TextOut(1, 2, \"\u0391&\")", "TextOut(1, 2, \"\u0391&B\")",
                     "TextOut(1, 2, \"\")"}));
    EXPECT_EQ(text.GetExtentOf(surface, 2).width, 20);
    EXPECT_EQ(text.GetExtent(surface).width, 30);
}

TEST(WString, ExtTextOutFillsClipsAndPlacesEachUnitAtItsSpacing) {
    CRecordingSurface surface;
    surface.SetBackgroundColour(MakeColour(1, 2, 3));
    surface.Clear();
    const CWString text("a\xC1&amp;", true);
    const int spacing[] = {12, 7};
    const CRect cell{0, 0, 20, 10};
    text.ExtTextOut(surface, 5, 6, CWString::kOpaque | CWString::kClipped, cell, spacing);
    text.ExtTextOut(surface, 5, 6, CWString::kOpaque | CWString::kClipped, std::nullopt);
    text.ExtTextOut(surface, 5, 6, 0, cell);
    text.ExtTextOut(surface, 5, 6, CWString::kClipped, cell, std::span<const int>(spacing, 1));
    EXPECT_EQ(
        surface.DrawingCalls(),
        (Calls{"FillRect(0, 0, 20, 10, #010203)", "SetClip(0, 0, 20, 10)", "TextOut(5, 6, \"a\")",
               "TextOut(17, 6, \"\u0391\")", "TextOut(24, 6, \"&\")", "ResetClip()",
               // Without a rectangle, or without options, the text alone.
               "TextOut(5, 6, \"a\u0391&\")", "TextOut(5, 6, \"a\u0391&\")",
               // Units past the spacings follow at their own widths.
               "SetClip(0, 0, 20, 10)", "TextOut(5, 6, \"a\")", "TextOut(17, 6, \"\u0391&\")",
               "ResetClip()"}));
}

} // namespace
