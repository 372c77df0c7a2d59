// The drawing surface's shared parts, on the recording surface.

#include "core/DrawSurface.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

TEST(DrawSurface, RecordTextTakesTheCodePageOfTheCurrentFont) {
    CRecordingSurface surface;
    surface.SetFont({"Arial", 10});
    surface.TextOut(1, 2, "\xC1\x80");
    surface.SetFont({"Arial", 10, CFontSpec::kNormal, false, true});
    surface.TextOut(1, 2, "\xC1\x80");
    EXPECT_EQ(surface.GetTextExtent("\xC1 \xC1"), (CSize{25, 20}));
    EXPECT_EQ(surface.DrawingCalls(),
              (Calls{"SetFont(\"Arial\", 10, 400)", "TextOut(1, 2, \"\u00C1\u20AC\")",
                     "SetFont(\"Arial\", 10, 400, greek)", "TextOut(1, 2, \"\u0391\u20AC\")"}));
}

TEST(DrawSurface, StateSaverPutsBackWhatADrawingChanged) {
    CRecordingSurface surface;
    const CFontSpec font{"Tahoma", 8, CFontSpec::kBold};
    surface.SetFont(font);
    surface.SetTextColour(MakeColour(1, 2, 3));
    surface.SetBackgroundColour(MakeColour(4, 5, 6));
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    surface.SetPen({MakeColour(7, 8, 9), 2});
    {
        CDrawStateSaver saver(surface);
        surface.SetFont({"Arial", 12});
        surface.SetTextColour(kWhite);
        surface.SetBackgroundColour(kBlack);
        surface.SetBackgroundMode(EBackgroundMode::Opaque);
        surface.SetPen({kWhite, 1});
    }
    EXPECT_EQ(surface.GetFont(), font);
    EXPECT_EQ(surface.GetTextColour(), MakeColour(1, 2, 3));
    EXPECT_EQ(surface.GetBackgroundColour(), MakeColour(4, 5, 6));
    EXPECT_EQ(surface.GetBackgroundMode(), EBackgroundMode::Transparent);
    EXPECT_EQ(surface.GetPen(), (CPenSpec{MakeColour(7, 8, 9), 2}));
}

TEST(RecordingSurface, MeasuresWithFixedWidthsAndTheFontsHeights) {
    CRecordingSurface surface;
    surface.SetFontMetrics("Arial", 10, 13, 2);
    surface.SetFont({"Arial", 10});
    EXPECT_EQ(surface.GetFontMetrics(), (CFontMetrics{13, 2, 10}));
    EXPECT_EQ(surface.GetFontMetrics().LineHeight(), 15);
    EXPECT_EQ(surface.GetPartialTextExtents(u"A B"), (std::vector<int>{10, 15, 25}));
    surface.SetFont({"Arial", 9});
    EXPECT_EQ(surface.GetFontMetrics(), (CFontMetrics{18, 0, 10}));
    EXPECT_EQ(surface.Calls().size(), 6u);
    EXPECT_EQ(surface.DrawingCalls().size(), 2u);
}

} // namespace
