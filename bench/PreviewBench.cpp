// Print Preview of an examination the size of the sample's: 3,000 kept marks of the loopback UK
// register in two sections, short, or one in ten shown long (with its device images, on a page
// of its own); the register table's caches as on a large machine, empty at each start. Timed
// from the command until the preview shows its first page (target 1 s), with a progress that
// shows no window, and as the user waits, with the progress window, which stays up for a second
// at least. The counters are the engine calls of one preview. Needs a display (xvfb-run).

#include "app/document/Progress.h"
#include "app/document/ZrDocData.h"
#include "bench/LoopbackEngine.h"
#include "bench/Toolkit.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "registers/ZrDbs.h"
#include "report/print/ZrDbsPrintRegisters.h"
#include "report/print/ui/Printing.h"
#include "report/ui/ProgressDlg.h"

#include <benchmark/benchmark.h>
#include <wx/frame.h>
#include <wx/print.h>
#include <wx/statusbr.h>

namespace {

constexpr int kKeptMarks = 3'000;
constexpr int kFirstSectionMarks = 2'000;
const CZrDate kToday((2024u << 16) | (2u << 8) | 29u);

class CSampleSizedExamination {
public:
    // One mark in longEvery is shown long; none when 0.
    CSampleSizedExamination(int longEvery, bool progressWindow) : progressWindow_(progressWindow) {
        StartToolkit();
        const CLoopbackEngine& loopback = CLoopbackEngine::Get();
        const CSystemOptions defaults;
        table_.InitCaches(16ull << 30, defaults);
        uk_.SetEngine(CZrDbEngine('u', CZrDbEngine::kInternet, CZrDate(loopback.DataDate()),
                                  "bench", loopback.Engine(), loopback.Session()),
                      "");
        document_.SetSectionCount(4);
        document_.SetExamId("SAMPLE-1");
        // Spread over the register, as searches find them.
        const std::vector<CORBA::ULong>& ids = loopback.Ids();
        for (int i = 0; i < kKeptMarks; ++i) {
            const std::uint32_t flags =
                CMark::kPermanentKeep | (longEvery > 0 && i % longEvery == 0 ? CMark::kLong : 0);
            document_.AddMark(ids.at(static_cast<std::size_t>(i) * 6 % ids.size()), 'u',
                              i < kFirstSectionMarks ? 0 : 1, 0, 0, flags);
        }
        frame_ = new wxFrame(nullptr, wxID_ANY, "ZRPro");
        frame_->Show();
    }
    ~CSampleSizedExamination() {
        frame_->Destroy();
        PumpEvents();
        uk_.SetEngine(CZrDbEngine('u'), "");
    }

    void DropCaches() { table_.FlushCaches('u'); }

    // Print Preview, until the preview window shows page 1; answers the page count, closing it.
    int Preview() {
        printing_.PrintExamination(frame_, document_, nullptr, EPrintAction::Preview);
        wxPreviewFrame* preview = nullptr;
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* found = dynamic_cast<wxPreviewFrame*>(window))
                preview = found;
        if (!preview)
            throw std::runtime_error("no preview window");
        // The status bar names the page once it is drawn.
        while (!preview->GetStatusBar()->GetStatusText().StartsWith("Page 1"))
            PumpEvents();
        const int pages = preview->GetControlBar()->GetPrintPreview()->GetMaxPage();
        preview->Close(true);
        PumpEvents();
        return pages;
    }

private:
    CZrDbs table_;
    CZrDb& uk_ = *table_.GetDb('u');
    CZrDbsPrintRegisters registers_{table_};
    CUserOptions options_;
    bool progressWindow_;
    CZrDocData document_;
    wxFrame* frame_ = nullptr;
    CZrPrinting printing_{registers_, options_, [] { return kToday; },
                          [this](const std::string& caption) -> std::unique_ptr<IProgress> {
                              if (progressWindow_)
                                  return std::make_unique<CProgressDlg>(frame_, caption);
                              return std::make_unique<CSilentProgress>();
                          }};
};

void BM_PreviewSampleSized(benchmark::State& state) {
    CSampleSizedExamination examination(static_cast<int>(state.range(0)), state.range(1) != 0);
    TakeCallLog();
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        examination.DropCaches();
        state.ResumeTiming();
        pages = examination.Preview();
    }
    state.counters["pages"] = pages;
    const std::vector<std::string> log = TakeCallLog();
    const auto perPreview = [&](double calls) {
        return benchmark::Counter(calls, benchmark::Counter::kAvgIterations);
    };
    state.counters["textCalls"] = perPreview(CountCalls(log, "GetTextDetails2"));
    state.counters["summaryCalls"] = perPreview(CountCalls(log, "GetSummaryDetails3"));
    state.counters["batchCalls"] = perPreview(CountCalls(log, "GetMultiSummaryDetails3"));
    state.counters["imageCalls"] =
        perPreview(CountCalls(log, "GetImage2") + CountCalls(log, "GetImage3"));
}
BENCHMARK(BM_PreviewSampleSized)
    ->ArgNames({"longEvery", "window"})
    ->ArgsProduct({{0, 10}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
