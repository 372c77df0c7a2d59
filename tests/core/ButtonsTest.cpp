// The drawn buttons and small controls without windows: faces and glyphs on the recording
// surface, the held button's repeat schedule, the info box's memory and the link's looks.

#include "RecordingSurface.h"
#include "SettingsFixture.h"
#include "core/GraphicButton.h"
#include "core/ImgButton.h"
#include "core/InfoBox.h"
#include "core/UserOptions.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;
using Points = std::vector<CPoint>;

std::vector<std::string> Polygons(const CRecordingSurface& surface) {
    std::vector<std::string> polygons;
    for (const std::string& call : surface.DrawingCalls())
        if (call.starts_with("DrawPolygon"))
            polygons.push_back(call);
    return polygons;
}

TEST(ImgButton, GlyphsMapFromTheGridIntoTheShiftedArea) {
    // A 49 x 26 face: the glyph area is 43 x 20, so grid units are pixels.
    CRecordingSurface up;
    CImgButton({0, 0, 49, 26}, CImgButton::kPlay, 0).Draw(up);
    EXPECT_EQ(Polygons(up), (Calls{"DrawPolygon((18, 7) (18, 17) (30, 12), #000000)"}));
    CRecordingSurface down;
    CImgButton({0, 0, 49, 26}, CImgButton::kStop, 1).Draw(down);
    EXPECT_EQ(Polygons(down), (Calls{"DrawPolygon((20, 9) (20, 19) (32, 19) (32, 9), #000000)"}));
    // A face twice as wide scales the glyph with it.
    CRecordingSurface wide;
    CImgButton({0, 0, 92, 26}, CImgButton::kPlay, 0).Draw(wide);
    EXPECT_EQ(Polygons(wide), (Calls{"DrawPolygon((33, 7) (33, 17) (57, 12), #000000)"}));
}

TEST(ImgButton, OtherImagesDrawTheFaceAloneAndLeaveTheSurfaceAsItWas) {
    CRecordingSurface surface;
    surface.SetPen({MakeColour(1, 2, 3), 4});
    surface.Clear();
    CImgButton({10, 10, 59, 36}, 0, 0).Draw(surface);
    const Calls calls = surface.DrawingCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "FillRect(10, 10, 59, 36, #F0F0F0)");
    EXPECT_TRUE(Polygons(surface).empty());
    // The outline leaves the corners open.
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawLine(11, 10, 58, 10)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawLine(10, 11, 10, 35)"), calls.end());
    EXPECT_EQ(surface.GetPen(), (CPenSpec{MakeColour(1, 2, 3), 4}));
}

TEST(GraphicGlyphs, TrianglesAreCentredAndSizedByTheArea) {
    // Up in 10 x 20: s = min(6, 20) = 6, base 11, apex at the top of a centred box.
    EXPECT_EQ(GraphicGlyphTriangles(kGlyphUp, {0, 0, 10, 20}),
              (std::vector<Points>{{{5, 7}, {10, 12}, {0, 12}}}));
    // Down in 20 x 4: s = min(11, 4) = 4.
    EXPECT_EQ(GraphicGlyphTriangles(kGlyphDown, {0, 0, 20, 4}),
              (std::vector<Points>{{{10, 3}, {13, 0}, {7, 0}}}));
    // Two up in 10 x 12: s = min(6, 5) = 5, two pixels between them.
    EXPECT_EQ(GraphicGlyphTriangles(kGlyphDoubleUp, {0, 0, 10, 12}),
              (std::vector<Points>{{{5, 0}, {9, 4}, {1, 4}}, {{5, 7}, {9, 11}, {1, 11}}}));
    // Right in 4 x 10: s = min(6, 4) = 4, base vertical.
    EXPECT_EQ(GraphicGlyphTriangles(kGlyphRight, {0, 0, 4, 10}),
              (std::vector<Points>{{{3, 5}, {0, 8}, {0, 2}}}));
    EXPECT_EQ(GraphicGlyphTriangles(kGlyphLeft, {0, 0, 4, 10}),
              (std::vector<Points>{{{0, 5}, {3, 8}, {3, 2}}}));
    EXPECT_TRUE(GraphicGlyphTriangles(9, {0, 0, 4, 10}).empty());
}

TEST(GraphicButton, PressedShiftsTheGlyphAndDisabledGreysIt) {
    CRecordingSurface up, down, disabled;
    DrawGraphicButton(up, {0, 0, 20, 20}, kGlyphRight, 1, false, true);
    DrawGraphicButton(down, {0, 0, 20, 20}, kGlyphRight, 1, true, true);
    DrawGraphicButton(disabled, {0, 0, 20, 20}, kGlyphRight, 1, false, false);
    // The glyph area is 4..14 when up and 6..16 when pressed; s = 6.
    EXPECT_EQ(Polygons(up), (Calls{"DrawPolygon((11, 9) (6, 14) (6, 4), #010101)"}));
    EXPECT_EQ(Polygons(down), (Calls{"DrawPolygon((13, 11) (8, 16) (8, 6), #010101)"}));
    EXPECT_EQ(Polygons(disabled), (Calls{"DrawPolygon((11, 9) (6, 14) (6, 4), #808080)"}));
}

TEST(GraphicButtonState, AHeldRepeatButtonSendsAtOnceThenFromTheSixthTick) {
    CGraphicButtonState button(CGraphicButtonState::kAutoRepeat);
    EXPECT_TRUE(button.Press());
    EXPECT_TRUE(button.IsTimerRunning());
    std::vector<bool> sent;
    for (int tick = 1; tick <= 8; ++tick)
        sent.push_back(button.Tick());
    EXPECT_EQ(sent, (std::vector<bool>{false, false, false, false, false, true, true, true}));
    EXPECT_FALSE(button.Release());
    EXPECT_FALSE(button.IsTimerRunning());
    EXPECT_FALSE(button.Tick());
    // A new press starts counting again.
    EXPECT_TRUE(button.Press());
    EXPECT_FALSE(button.Tick());
}

TEST(GraphicButtonState, APlainButtonSendsOnReleaseAndDisablingStopsBoth) {
    CGraphicButtonState plain(0);
    EXPECT_FALSE(plain.Press());
    EXPECT_FALSE(plain.IsTimerRunning());
    EXPECT_TRUE(plain.Release());
    EXPECT_FALSE(plain.Release()); // no second command without a press

    plain.Press();
    plain.Disable();
    EXPECT_FALSE(plain.IsPressed());
    EXPECT_FALSE(plain.Release());
    CGraphicButtonState repeat(CGraphicButtonState::kAutoRepeat);
    repeat.Press();
    for (int tick = 0; tick < 5; ++tick)
        repeat.Tick();
    repeat.Disable();
    EXPECT_FALSE(repeat.Tick());
}

class InfoBoxTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        user_.Load(system_);
    }
    CUserOptions user_;
};

TEST_F(InfoBoxTest, ABoxTickedOnceIsNeverShownAgain) {
    std::vector<std::string> shown;
    bool tick = false;
    const InfoBoxShower show = [&](const std::string& message, const std::string& caption) {
        shown.push_back(caption + "|" + message);
        return tick;
    };
    EXPECT_TRUE(ShowInfoBox(user_, "SaveOptions", "Kept", "", show));
    tick = true;
    EXPECT_TRUE(ShowInfoBox(user_, "SaveOptions", "Kept", "Options", show));
    EXPECT_FALSE(ShowInfoBox(user_, "SaveOptions", "Kept", "", show));
    EXPECT_TRUE(ShowInfoBox(user_, "SaveKeywords", "Other", "", show));
    EXPECT_EQ(shown, (std::vector<std::string>{"RO Vedaridarevu|Kept", "Options|Kept",
                                               "RO Vedaridarevu|Other"}));
    // Remembered in the user's file.
    CUserOptions again;
    again.Load(system_);
    EXPECT_FALSE(again.GetShowMsgId("SaveOptions"));
    EXPECT_FALSE(again.GetShowMsgId("SaveKeywords"));
}

} // namespace
