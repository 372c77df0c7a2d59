// A details window's text pane over records in the caches: its HTML with the search's goods
// terms, the header's viewed flag, its keep box and sound button, and what document changes do.

#include "app/details/DetailsText.h"

#include "DocFixture.h"
#include "HandBytes.h"
#include "RecordingSurface.h"
#include "app/details/DetailsController.h"
#include "core/UserOptions.h"
#include "registers/DisplayInfo.h"
#include "registers/ZrDbs.h"
#include "tests/registers/TestRecords.h"

#include <gtest/gtest.h>

namespace {

// A sound mark's record: HASSOUND and the raw recording, as the engines send them.
CZrData SoundRecord(const std::string& recording) {
    CHandBytes bytes;
    bytes.U8('1').U32(0).Bytes(std::string("HASSOUND\0\x01", 10)).U32(2).Bytes(std::string("1", 2));
    bytes.Bytes(std::string("SOUND\0\x02", 7)).U32(static_cast<std::uint32_t>(recording.size()));
    bytes.Bytes(recording).PutU32At(1, static_cast<std::uint32_t>(bytes.Get().size()));
    CZrData record;
    record.Assign(bytes.Get().data(), bytes.Get().size());
    return record;
}

class CFakeBackend : public ISoundBackend {
public:
    bool Play(const std::string&, std::function<void()> end) override {
        ended = std::move(end);
        return ++plays > 0;
    }
    void Stop() override { ended = {}; }
    std::function<void()> ended;
    int plays = 0;
};

class CResultsView : public IOpeningView {
public:
    int GetDetailsMode() const override { return 1; }
    int GetHighlightSearchId() const override { return searchId; }
    void OnDetailsClosed() override {}
    int searchId = 0;
};

class DetailsText : public DocFixture, public IDetailsPanes, public ITextPaneWindow {
protected:
    void SetUp() override {
        DocFixture::SetUp();
        table_.GetTextCache().SetLimits(10, 100, 1000);
        info_.CreateFonts(surface_, TheUserOptions());
        controller_.SetOpeningView(&results_);
    }
    // IDetailsPanes, ITextPaneWindow.
    void ShowMark(const CMark& mark, int mode) override { text_.ShowMark(mark, mode); }
    void SetText(const std::string& html) override { this->html = html; }
    void RedrawHeader() override { calls.push_back("header"); }
    void RemakeFonts() override { calls.push_back("fonts"); }

    CMark Add(std::uint32_t record, int code, const CZrData& fields, std::uint32_t flags = 0) {
        const CMark mark(record, code, 0, 7, 0, flags);
        table_.GetTextCache().Add(mark, std::make_shared<CZrData>(fields));
        doc.MergeMark(mark);
        return mark;
    }
    void Open(int index = 0) {
        ASSERT_TRUE(controller_.ShowFilterMark(MakeSearchIdFilter(7, false, true), index));
    }
    std::uint32_t StoredFlags(int index = 0) const { return doc.GetMark(index).GetFlags(); }
    bool Click(const CRect& rect) {
        return text_.Click({rect.left + 1, rect.top + 1}, kBand, info_);
    }

    static constexpr CRect kBand{0, 0, 400, 113};
    CZrDbs table_;
    CRecordingSurface surface_;
    CDisplayInfo info_;
    CResultsView results_;
    CFakeBackend backend_;
    CSoundPlayer player_{backend_, folder.Path().string()};
    CDetailsController controller_{doc, table_, *this};
    CDetailsText text_{controller_, player_, *this};
    std::string html;
    std::vector<std::string> calls;
};

TEST_F(DetailsText, GoodsTermsAreHighlightedWhileTheirSearchExists) {
    Add(16, 'u', MakeRecord({{"WORDMARK", "ACME"}, {"GOODS", FormatPairList({{"3", "Soap"}})}}));
    CSearch search = MakeRunSearch(0, "u", 1, 1);
    CCriteria criteria = search.GetCriteria();
    criteria.AddGoods("CANDLE");
    criteria.AddAndGoods("SOAP");
    search.SetCriteria(criteria);
    results_.searchId = doc.AddSearch(search);
    Open();
    EXPECT_NE(html.find("<font color=\"#0000FF\"><b>Soap</b></font>"), std::string::npos) << html;

    doc.RemoveSearch(results_.searchId);
    text_.FillText();
    EXPECT_EQ(html.find("#0000FF"), std::string::npos);
    EXPECT_NE(html.find("Soap"), std::string::npos);
}

TEST_F(DetailsText, TheHeaderMarksTheMarkViewedOnce) {
    Add(16, 'u', MakeRecord({{"WORDMARK", "ACME"}}));
    Open();
    text_.DrawHeader(surface_, kBand, info_);
    EXPECT_EQ(StoredFlags(), CDetailsText::kViewedInDetails);
    EXPECT_FALSE(doc.IsModified());
    // A mark of no register: its letter and why, and never a register's call.
    Add(17, 'x', MakeRecord({}));
    Open(1);
    surface_.Clear();
    text_.DrawHeader(surface_, kBand, info_);
    const std::vector<std::string> drawn = surface_.DrawingCalls();
    EXPECT_NE(std::find(drawn.begin(), drawn.end(),
                        "TextOut(25, 46, \"'x' Mark not found in current database\")"),
              drawn.end());
    EXPECT_EQ(html, "<html><body>\n</body></html>\n");
}

TEST_F(DetailsText, TheSoundButtonPlaysAndStopsTheRecording) {
    Add(16, 'c', SoundRecord(""));
    Add(24, 'c', SoundRecord("ID3"));
    Open();
    const CRect button = table_.GetDb('c')->GetSoundIconRect(doc.GetMark(0), kBand, info_);
    // A record whose recording is empty plays nothing.
    EXPECT_TRUE(Click(button));
    EXPECT_FALSE(text_.IsPlaying());
    EXPECT_EQ(backend_.plays, 0);

    controller_.Next();
    EXPECT_TRUE(Click(button));
    EXPECT_TRUE(text_.IsPlaying());
    EXPECT_TRUE(Click(button));
    EXPECT_FALSE(text_.IsPlaying());
    EXPECT_TRUE(Click(button));
    backend_.ended();
    EXPECT_FALSE(text_.IsPlaying());
    // Another mark stops what plays.
    EXPECT_TRUE(Click(button));
    controller_.Previous();
    EXPECT_FALSE(player_.IsPlaying());
    EXPECT_EQ(backend_.plays, 3);
}

TEST_F(DetailsText, DocumentChangesRedrawOnlyWhatChanged) {
    Add(16, 'u', MakeRecord({{"WORDMARK", "ACME"}}));
    Open();
    html.clear();
    text_.OnUpdate(CDetailsText::kHintFonts);
    EXPECT_EQ(calls, (std::vector<std::string>{"fonts"}));
    EXPECT_NE(html.find("ACME"), std::string::npos);
    // Flags changed elsewhere redraw the header; no change redraws nothing.
    CMark stored = doc.GetMark(0);
    stored.SetFlags(CMark::kLong);
    doc.SetMark(0, stored, 2);
    text_.OnUpdate(2);
    text_.OnUpdate(2);
    EXPECT_EQ(text_.GetMark().GetFlags(), CMark::kLong);
    EXPECT_EQ(calls, (std::vector<std::string>{"fonts", "header"}));
    // Once the mark has left the list, nothing is read or drawn.
    doc.RemoveSearch(7);
    text_.OnUpdate(CDetailsText::kHintFonts);
    EXPECT_EQ(calls.size(), 2u);
}

} // namespace
