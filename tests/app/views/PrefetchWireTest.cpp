// Rows about to be shown fetch their summary records from the local service: one batched call
// per register, nothing for records cached, nothing without [Config] PreCache.

#include "ViewFixture.h"
#include "app/views/ResultsView.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

namespace {

using namespace local_service;

class CSilentFrame : public IResultsFrame {
public:
    void ShowLabels(const CResultsLabels&) override {}
    void ShowTitle(const std::string&) override {}
};

class PrefetchWire : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        control_ = ResetControl();
        registers.GetSummaryCache().SetLimits(10, 4096, 8192);
        const EngineInfoSeq_var engines = Logon(Remote(), "");
        for (const char code : {'u', 'c'}) {
            const EngineInfo& info = Find(engines.in(), code);
            registers.GetDb(code)->SetEngine(
                CZrDbEngine(code, CZrDbEngine::kInternet, CZrDate(info.dataDate), info.name.in(),
                            info.engine.in(), info.sessionId),
                "");
            for (const CORBA::ULong id : Search(info, "APPNO=\"1-\"")) {
                if (doc.GetMarkCount() < (code == 'u' ? 6 : 12))
                    doc.AddMark(id, code, 0, searchId_, 0, 0);
            }
        }
        control_->ClearCallLog();
    }
    void UsePreCache(bool on) {
        folder_.Write("ZrSystem.ini", std::string("[Config]\nPreCache=") + (on ? "1" : "0") + "\n");
        system.Load(folder_.Path().string());
    }
    // The results window opening on the search: its rows are laid out and prefetched.
    void Open() {
        doc.SelectSearch(searchId_);
        results_ = std::make_unique<CResultsView>(context, window, frame_);
        results_->OpenOnCurrentSearch(true);
    }
    std::size_t Calls(const std::string& text) { return LoggedCalls(control_, text).size(); }

    const int searchId_ = doc.AddSearch(MakeRunSearch(0, "uc", 1, 12));
    ZrTestControl_var control_;
    CTempFolder folder_;
    CSilentFrame frame_;
    std::unique_ptr<CResultsView> results_;
};

TEST_F(PrefetchWire, ShownRowsComeInOneCallPerRegisterOnceOnly) {
    UsePreCache(true);
    window.rect = {0, 0, 600, 2000};
    Open();
    ASSERT_EQ(results_->GetMarkCount(), 12);
    EXPECT_EQ(Calls("remote.u.GetMultiSummaryDetails3("), 1u);
    EXPECT_EQ(Calls("remote.c.GetMultiSummaryDetails3("), 1u);
    EXPECT_EQ(window.busyNow, 0);

    // Drawing them asks nothing more, and neither does showing them again.
    CRecordingSurface surface;
    results_->Draw(surface, window.rect);
    results_->Refresh();
    EXPECT_EQ(Calls("GetSummaryDetails3("), 0u);
    EXPECT_EQ(Calls("GetMultiSummaryDetails3("), 2u);
    // What was drawn took the records' application numbers.
    for (int row = 0; row < results_->GetMarkCount(); ++row)
        EXPECT_NE(results_->GetShownMark(row).GetAppNumber(), 0) << row;
}

TEST_F(PrefetchWire, OnlyTheRowsAboutToBeShownAndNoneWithoutPreCache) {
    UsePreCache(false);
    Open();
    EXPECT_EQ(Calls("GetMultiSummaryDetails3("), 0u);

    UsePreCache(true);
    // Six rows of 64 fit 400: rows 0 to 6 are fetched, six EU marks and the first UK one.
    results_->Refresh();
    EXPECT_EQ(Calls("remote.u.GetMultiSummaryDetails3("), 1u);
    EXPECT_EQ(Calls("remote.c.GetMultiSummaryDetails3("), 1u);
    EXPECT_FALSE(registers.GetSummaryCache().Find(results_->GetShownMark(7)));
    EXPECT_TRUE(registers.GetSummaryCache().Find(results_->GetShownMark(6)));
}

} // namespace
