// The details header as the registers draw it on a recording surface: where each text goes, the
// box and the sound button, and what stands in for a record that cannot be had.

#include "RecordingSurface.h"
#include "core/UserOptions.h"
#include "registers/CheckBox.h"
#include "registers/DisplayInfo.h"
#include "registers/ZrDb_Web.h"
#include "registers/ZrDbs.h"
#include "tests/registers/TestRecords.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Main font: lines 20 high, characters 10 wide; word-mark font: Arial 14. The header of a
// 400-pixel pane is 3 * 20 + 28 + 5 * 5 = 113 high.
class DetailsHeader : public ::testing::Test {
protected:
    void SetUp() override {
        table_.GetTextCache().SetLimits(10, 100, 1000);
        info_.CreateFonts(surface_, TheUserOptions());
    }
    void Cache(const CMark& mark, const CZrData& record) {
        table_.GetTextCache().Add(mark, std::make_shared<CZrData>(record));
    }
    Calls Texts(CZrDb& db, const CMark& mark, int boxType) {
        surface_.Clear();
        db.DrawFullRecord(mark, surface_, kBand, boxType, info_);
        Calls texts;
        for (const std::string& call : surface_.DrawingCalls())
            if (call.starts_with("TextOut") || call.starts_with("DrawImage") ||
                call.starts_with("DrawPolyline") || call.starts_with("FillRect"))
                texts.push_back(call);
        return texts;
    }

    static constexpr CRect kBand{0, 0, 400, 113};
    CZrDbs table_;
    CRecordingSurface surface_;
    CDisplayInfo info_;
};

TEST_F(DetailsHeader, LinesAroundTheFlagWithTheBoxAndTheWordMarkBelow) {
    const CMark acme(16, 'u', 0, 0, 0, CMark::kKept);
    Cache(acme, MakeRecord({{"WORDMARK", "ACME"},
                            {"APPNUM", "2000001"},
                            {"APPDATE", "1 Jan 2000"},
                            {"STATUS", "Registered"},
                            {"CLASSES", "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15"},
                            {"JOURNAL", "6123"}}));
    const Calls calls = Texts(*table_.GetDb('u'), acme, kBoxKeep);
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_TRUE(calls[0].starts_with("DrawImage(Png, ") && calls[0].ends_with(" bytes, 10, 9)"))
        << calls[0];
    EXPECT_EQ(Calls(calls.begin() + 1, calls.end()),
              (Calls{"TextOut(38, 5, \"2000001\")", "TextOut(300, 5, \"1 Jan 2000\")",
                     "TextOut(290, 30, \"Registered\")",
                     // Cut to the room left of the status: 400 - 3 * 10 - 100.
                     "TextOut(10, 30, \"Class 1, 2, 3, 4, 5, 6, 7, ...\")",
                     "TextOut(10, 55, \"Jnl 6123\")", "FillRect(300, 55, 320, 75, #FFFFFF)",
                     "DrawPolyline((300, 55) (320, 55) (320, 75) (300, 75) (300, 55))",
                     "TextOut(326, 55, \"Keep\")", "TextOut(180, 80, \"ACME\")"}));
    EXPECT_TRUE(CZrDb::HitTestAltBox(kBand, {310, 65}, info_));
    // Drawing leaves the surface's font as it was.
    EXPECT_EQ(surface_.GetFont(), CFontSpec{});
}

TEST_F(DetailsHeader, SoundMarksShowTheirButtonAndMissingRecordsTheirError) {
    const CMark sound(16, 'c', 0, 0);
    Cache(sound, MakeRecord({{"WORDMARK", "\xC1\xC2"}, {"CHARSET2", "1"}, {"HASSOUND", "1"}}));
    CZrDb& eu = *table_.GetDb('c');
    const CRect button = eu.GetSoundIconRect(sound, kBand, info_);
    EXPECT_EQ(button, (CRect{10, 80, 70, 108}));
    const Calls calls = Texts(eu, sound, kBoxLong);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "FillRect(10, 80, 70, 108, #F0F0F0)"),
              calls.end());
    // The Greek word mark, converted from its own code page.
    EXPECT_EQ(calls.back(), "TextOut(190, 80, \"\u0391\u0392\")");

    EXPECT_EQ(Texts(*table_.GetDb('u'), CMark(40, 'u', 0, 0), kBoxKeep),
              (Calls{"TextOut(110, 46, \"UK connection error\")"}));
}

// The first line starts two characters after the engine's own flag, whatever its width, or two
// characters in without one. Each width is a register of its own.
TEST_F(DetailsHeader, AWebRegistersFirstLineStartsTwoCharactersAfterItsOwnFlag) {
    char code = 'v';
    for (const std::uint32_t width : {0u, 17u, 18u, 19u, 40u}) {
        SCOPED_TRACE(width);
        const std::vector<std::uint8_t> flag =
            width ? FlagBitmapFile(width) : std::vector<std::uint8_t>{};
        auto web = std::make_unique<CZrDb_Web>(table_, ++code);
        web->SetLayout(MakeRecord({{"shortName", "XY"},
                                   {"detSum1Left", "[[APPNUM]]"},
                                   {"sum1", "[[WORDMARK]]"},
                                   {"flag", std::string(flag.begin(), flag.end())}}));
        CZrDb& db = *table_.AddWebDb(std::move(web));
        const CMark mark(3, code, 0, 0);
        Cache(mark, MakeRecord({{"APPNUM", "77"}, {"WORDMARK", "NOVA"}}));
        // The flag's image, if any, before the first line.
        const Calls calls = Texts(db, mark, kBoxLong);
        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls[width ? 1 : 0], "TextOut(" + std::to_string(20 + width) + ", 5, \"77\")");
        EXPECT_EQ(calls.back(), "TextOut(180, 80, \"NOVA\")");
    }
}

} // namespace
