// Mark rows and icon cells as the registers draw them, on a recording surface: fonts and row
// heights, colours, check boxes and their hit tests, text fitted to its room, icons (whole or
// damaged) and error texts.

#include "RecordingSurface.h"
#include "core/Dib.h"
#include "core/UserOptions.h"
#include "registers/CheckBox.h"
#include "registers/DisplayInfo.h"
#include "registers/TextFitting.h"
#include "registers/ZrDbs.h"
#include "tests/registers/TestRecords.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

bool Has(const Calls& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// A 4-bit 96 x 96 icon as records carry it: header, 16 colours, rows; cut short when asked.
std::string IconDib(std::size_t keep = 0) {
    BitmapInfoHeader header;
    header.biWidth = header.biHeight = 96;
    header.biBitCount = 4;
    std::string bytes(BitmapInfoHeader::kSize + 16 * 4 + 48 * 96, '\x11');
    header.Write(reinterpret_cast<std::uint8_t*>(bytes.data()));
    return keep ? bytes.substr(0, keep) : bytes;
}

class MarkDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        table_.GetSummaryCache().SetLimits(10, 100, 1000);
        info_.CreateFonts(surface_, TheUserOptions());
        surface_.Clear();
    }
    void Cache(const CMark& mark, const CZrData& record) {
        table_.GetSummaryCache().Add(mark, std::make_shared<CZrData>(record));
    }
    Calls DrawRow(CMark mark, int boxType = kBoxLong, bool selected = false) {
        surface_.Clear();
        table_.GetDbOfMark(mark)->DrawShortForm(mark, surface_, {0, 0, 600, 0}, boxType, selected,
                                                info_);
        return surface_.DrawingCalls();
    }

    CZrDbs table_;
    CRecordingSurface surface_;
    CDisplayInfo info_;
};

TEST_F(MarkDrawing, FontsComeFromTheSettingsAndRowHeightsFromTheirMetrics) {
    CRecordingSurface surface;
    surface.SetFontMetrics("Arial", 10, 16, 2);
    surface.SetFontMetrics("Arial", 14, 22, 3);
    surface.SetFont({"Tahoma", 8});
    CDisplayInfo info;
    info.CreateFonts(surface, TheUserOptions());
    EXPECT_EQ(surface.GetFont(), (CFontSpec{"Tahoma", 8}));
    EXPECT_EQ(info.GetLineHeight(CDisplayInfo::kMain), 18);
    EXPECT_EQ(info.GetLineHeight(CDisplayInfo::kWordMark), 25);
    EXPECT_EQ(info.GetFont(CDisplayInfo::kBold), (CFontSpec{"Arial", 10, CFontSpec::kBold}));
    EXPECT_TRUE(info.GetFont(CDisplayInfo::kGreekWordMark).greek);
    const CZrDb& uk = *table_.GetDb('u');
    // h1 + 7 h0 / 4 + 1; a device mark's 96-pixel icon needs 99.
    EXPECT_EQ(uk.GetShortRowHeight(CMark(16, 'u', 0, 0), info), 25 + 31 + 1);
    EXPECT_EQ(uk.GetShortRowHeight(CMark(24, 'u', 0, 0), info), 99);
    EXPECT_EQ(CZrDb::CalcLongRowHeight(info), 3 * 18 + 25 + 4 * 5);
    // With large fonts a device row is as high as a word row.
    surface.SetFontMetrics("Arial", 14, 80);
    info.CreateFonts(surface, TheUserOptions());
    EXPECT_EQ(uk.GetShortRowHeight(CMark(24, 'u', 0, 0), info), 80 + 31 + 1);
}

TEST_F(MarkDrawing, KeptMarksInAKeepListTakeTheKeptColours) {
    const CZrDb& uk = *table_.GetDb('u');
    CColour text, background;
    const CMark kept(16, 'u', 0, 0, 0, CMark::kKept);
    uk.GetRowColours(kept, kBoxKeep, false, text, background);
    EXPECT_EQ(background, MakeColour(0xFF, 0xC0, 0xC0));
    uk.GetRowColours(kept, kBoxKeep, true, text, background);
    EXPECT_EQ(text, kWhite);
    EXPECT_EQ(background, MakeColour(0x7F, 0x60, 0x60));
    uk.GetRowColours(CMark(16, 'u', 0, 0, 0, CMark::kPermanentKeep), kBoxKeep, false, text,
                     background);
    EXPECT_EQ(background, MakeColour(0xFF, 0xC0, 0xC0));
    // Elsewhere the standard colours, exchanged when selected.
    uk.GetRowColours(kept, kBoxLong, true, text, background);
    EXPECT_EQ(text, kWhite);
    EXPECT_EQ(background, kBlack);
    uk.GetRowColours(CMark(16, 'u', 0, 0), kBoxKeep, false, text, background);
    EXPECT_EQ(text, kBlack);
    EXPECT_EQ(background, kWhite);
}

TEST_F(MarkDrawing, BoxesOfPermanentlyKeptMarksAreGreyedAndLongBoxesNever) {
    const CRect rect{10, 10, 30, 30};
    const CCBox keep(rect, kBoxKeep, CMark(1, 'u', 0, 0, 0, CMark::kPermanentKeep));
    EXPECT_TRUE(keep.IsChecked());
    EXPECT_TRUE(keep.IsGreyed());
    const CCBox watch(rect, kBoxWatch, CMark(1, 'u', 0, 0, 0, CMark::kKept));
    EXPECT_TRUE(watch.IsChecked());
    EXPECT_FALSE(watch.IsGreyed());
    const CCBox isLong(rect, kBoxLong,
                       CMark(1, 'u', 0, 0, 0, CMark::kPermanentKeep | CMark::kLong));
    EXPECT_TRUE(isLong.IsChecked());
    EXPECT_FALSE(isLong.IsGreyed());
    EXPECT_FALSE(CCBox(rect, kBoxLong, CMark(1, 'u', 0, 0, 0, CMark::kKept)).IsChecked());
    EXPECT_EQ(keep.GetCaption() + watch.GetCaption() + isLong.GetCaption() + CCBox::GetTypeName(7),
              "KeepWatchLong???");

    // Half a box around it and 40 pixels past its right edge count.
    // clang-format off
    for (const auto& [point, hit] : std::vector<std::pair<CPoint, bool>>{
             {{0, 0}, true}, {{-1, 10}, false}, {{79, 39}, true}, {{80, 20}, false},
             {{20, 40}, false}, {{20, -1}, false}})
        EXPECT_EQ(keep.HitTest(point), hit) << point.x << "," << point.y;

    CRecordingSurface surface;
    keep.Draw(surface);
    EXPECT_EQ(surface.DrawingCalls(),
              (Calls{"SetPen(#6D6D6D, 1)", "SetTextColour(#6D6D6D)",
                     "FillRect(10, 10, 30, 30, #FFFFFF)",
                     "DrawPolyline((10, 10) (30, 10) (30, 30) (10, 30) (10, 10))",
                     "DrawLine(10, 10, 30, 30)", "DrawLine(30, 10, 10, 30)",
                     "SetBackgroundMode(Transparent)", "TextOut(36, 10, \"Keep\")",
                     "SetFont(\"\", 10, 400)", "SetTextColour(#000000)",
                     "SetBackgroundColour(#FFFFFF)", "SetBackgroundMode(Opaque)",
                     "SetPen(#000000, 1)"}));
    // clang-format on
}

// A selected row's pen may be the box's own white: the box's lines take the window's text colour.
TEST_F(MarkDrawing, TheKeepBoxIsDrawnInTheWindowsTextColourWhateverThePen) {
    surface_.SetPen({kWhite, 1});
    surface_.Clear();
    CCBox({10, 10, 30, 30}, kBoxKeep, CMark(1, 'u', 0, 0, 0, CMark::kKept)).Draw(surface_);
    Calls calls = surface_.DrawingCalls();
    calls.resize(5);
    EXPECT_EQ(calls, (Calls{"SetPen(#000000, 1)", "FillRect(10, 10, 30, 30, #FFFFFF)",
                            "DrawPolyline((10, 10) (30, 10) (30, 30) (10, 30) (10, 10))",
                            "DrawLine(10, 10, 30, 30)", "DrawLine(30, 10, 10, 30)"}));
}

TEST_F(MarkDrawing, WideTextIsCutByBisectionForEveryLengthAndWidth) {
    struct Case {
        std::string text;
        int width;
        std::string drawn;
    };
    // clang-format off
    const Case cases[] = {
        {"", -5, ""},          {"", 0, ""},          {"A", -5, "A"},      {"A", 0, "A"},
        {"A", 10, "A"},        {"AB", 0, "A..."},     {"AB", 19, "A..."},  {"AB", 20, "AB"},
        {"ABC", -5, "A..."},   {"ABC", 29, "A..."},   {"ABC", 30, "ABC"},  {"ABCDEFG", 55, "AB..."},
        {"ABCDEFG", 60, "ABC..."}, {"ABCDEFG", 70, "ABCDEFG"},
    };
    // clang-format on
    for (const Case& c : cases) {
        CRecordingSurface surface;
        DrawWideText(surface, 0, 0, c.width, c.text, false, false);
        EXPECT_EQ(surface.DrawingCalls(), (Calls{"TextOut(0, 0, \"" + c.drawn + "\")"}))
            << c.text << " in " << c.width;
    }
    CRecordingSurface surface;
    DrawWideText(surface, 5, 0, 40, "AB", true, false);
    DrawWideText(surface, 5, 0, 40, "&amp;\xC1", true, true);
    EXPECT_EQ(surface.DrawingCalls(),
              (Calls{"TextOut(15, 0, \"AB\")", "TextOut(15, 0, \"&\u0391\")"}));
}

TEST_F(MarkDrawing, SummariesAreCutAtTheirLastCommaOrBlankThatFits) {
    const std::string summary = "2000001  Registered  Class 9";
    EXPECT_EQ(ShortenToWidth(surface_, 255, summary), summary);
    EXPECT_EQ(ShortenToWidth(surface_, 230, summary), "2000001  Registered  ...");
    EXPECT_EQ(ShortenToWidth(surface_, 200, summary), "2000001  ...");
    // Nothing short enough: the earliest cut.
    EXPECT_EQ(ShortenToWidth(surface_, 50, summary), "2000001 ...");
    EXPECT_EQ(ShortenToWidth(surface_, 85, "UK, DE, FR"), "UK, ...");
    EXPECT_EQ(ShortenToWidth(surface_, 60, "UK, DE, FR"), "UK,...");
    EXPECT_EQ(ShortenToWidth(surface_, 5, "ACME"), "ACME");
}

TEST_F(MarkDrawing, ErrorTextsTooWideForTheirRoomShrink) {
    const CZrDb& uk = *table_.GetDb('u');
    uk.ReportImageError(CMark(0x18, 'u', 0, 0, 0x1234), surface_, {0, 0, 600, 40});
    uk.ReportImageError(CMark(0x18, 'u', 0, 0), surface_, {0, 0, 96, 96});
    DrawErrorText(surface_, {0, 0, 50, 20}, "UK connection error");
    EXPECT_EQ(surface_.DrawingCalls(),
              (Calls{"TextOut(42, 10, \"UK Could not acceess SGE: 0x00000018 AppNum: "
                     "0x00001234\")",
                     "TextOut(15, 38, \"SGE err\")", "TextOut(0, 0, \"Error\")"}));
}

TEST_F(MarkDrawing, ARowShowsItsRecordWithTheBoxWhereClicksFindIt) {
    const CMark acme(16, 'u', 0, 0);
    Cache(acme, MakeRecord({{"WORDMARK", "ACME"},
                            {"APPNUM", "2000001"},
                            {"STATUS", "Registered"},
                            {"CLASSES", "9"}}));
    const Calls calls = DrawRow(acme);
    EXPECT_TRUE(Has(calls, "FillRect(0, 0, 600, 64, #FFFFFF)"));
    EXPECT_TRUE(Has(calls, "SetFont(\"Arial\", 14, 400)"));
    EXPECT_TRUE(Has(calls, "TextOut(136, 5, \"ACME\")"));
    EXPECT_TRUE(Has(calls, "DrawPolyline((500, 5) (520, 5) (520, 25) (500, 25) (500, 5))"));
    EXPECT_TRUE(Has(calls, "DrawImage(Png, 89 bytes, 136, 42)"));
    EXPECT_TRUE(Has(calls, "TextOut(164, 38, \"2000001  Registered  Class 9\")"));
    EXPECT_TRUE(Has(calls, "DrawLine(0, 63, 600, 63)"));
    EXPECT_TRUE(CZrDb::HitTestShortBox({0, 0, 600, 64}, {510, 15}, info_));
    EXPECT_FALSE(CZrDb::HitTestShortBox({0, 0, 600, 64}, {510, 36}, info_));

    // A Greek word mark is drawn in the Greek font, converted from its own code page.
    const CMark greek(32, 'c', 0, 0);
    Cache(greek, MakeRecord({{"WORDMARK", "\xC1\xC2"}, {"CHARSET2", "1"}}));
    const Calls greekCalls = DrawRow(greek);
    EXPECT_TRUE(Has(greekCalls, "SetFont(\"Arial\", 14, 400, greek)"));
    EXPECT_TRUE(Has(greekCalls, "TextOut(136, 5, \"\u0391\u0392\")"));
}

TEST_F(MarkDrawing, IconsAreDrawnOnlyWhenTheirBitmapIsWhole) {
    const CMark device(24, 'u', 0, 0);
    Cache(device, MakeRecord({{"WORDMARK", "STAR"}, {"ICON", IconDib()}}));
    Calls calls = DrawRow(device);
    EXPECT_TRUE(
        Has(calls, "DrawImage(Dib, " + std::to_string(IconDib().size() + 1) + " bytes, 20, 1)"));
    EXPECT_FALSE(Has(calls, "TextOut(35, 39, \"SGE err\")"));

    // Header and colours but only part of the rows: the image error, no pixels read.
    table_.GetSummaryCache().Clear();
    Cache(device, MakeRecord({{"WORDMARK", "STAR"}, {"ICON", IconDib(200)}}));
    calls = DrawRow(device);
    EXPECT_TRUE(Has(calls, "TextOut(35, 39, \"SGE err\")"));

    // A device mark whose record has no icon at all leaves its cell empty.
    table_.GetSummaryCache().Clear();
    Cache(device, MakeRecord({{"WORDMARK", "STAR"}, {"MARKTYPE", "Device"}}));
    EXPECT_FALSE(Has(DrawRow(device), "TextOut(35, 39, \"SGE err\")"));

    // Without a record the row shows why.
    EXPECT_TRUE(Has(DrawRow(CMark(40, 'u', 0, 0)), "TextOut(210, 39, \"UK connection error\")"));
}

TEST_F(MarkDrawing, IconCellsCentreTheIconAndDrawTheirGrid) {
    const CMark device(24, 'u', 0, 0, 0, CMark::kKept);
    Cache(device, MakeRecord({{"ICON", IconDib()}}));
    CMark drawn = device;
    table_.GetDb('u')->DrawLongForm(drawn, surface_, {0, 0, 98, 127}, kBoxKeep, false, info_);
    const Calls calls = surface_.DrawingCalls();
    EXPECT_TRUE(Has(calls, "FillRect(0, 0, 98, 127, #FFC0C0)"));
    EXPECT_TRUE(
        Has(calls, "DrawImage(Dib, " + std::to_string(IconDib().size() + 1) + " bytes, 1, 1)"));
    EXPECT_TRUE(Has(calls, "DrawPolyline((10, 97) (30, 97) (30, 117) (10, 117) (10, 97))"));
    EXPECT_TRUE(Has(calls, "DrawLine(0, 127, 99, 127)"));
    EXPECT_TRUE(Has(calls, "DrawLine(98, 0, 98, 127)"));
    EXPECT_TRUE(CZrDb::HitTestLongBox({0, 0, 99, 128}, {15, 95}, info_));
}

} // namespace
