// The details window over the loopback service's UK register (targets: opening a window on a
// device mark below 100 ms, Next below 50 ms, each with the record fetched over the wire, the
// header drawn, the text laid out and the image fetched at the pane's size), and presenting 20 KB
// of goods text with 20 terms highlighted (below 10 ms). The windows need a display (xvfb-run).

#include "app/details/ImagePane.h"
#include "app/details/PageFetch.h"
#include "app/details/QuickCompare.h"
#include "app/details/WebRegisterPages.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/details/ui/DetailsImageView.h"
#include "app/details/ui/DetailsTabbedView.h"
#include "app/details/ui/WxSoundBackend.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "bench/LoopbackEngine.h"
#include "bench/Toolkit.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "registers/HighlightSplitter.h"
#include "registers/ZrDbs.h"
#include "report/presenter/HtmlPresenter.h"
#include "tests/support/FakeDocumentHost.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace {

constexpr int kListMarks = 40;

class CNoRepository : public IExamRepository {
public:
    std::vector<CZrDbEngine> GetEngines(char) const override { return {}; }
    CZrDbEngine GetPreferredEngine(char code) const override { return CZrDbEngine(code); }
    void LogSearch(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {}
};

// An examination of the register's first marks, each kept, and what a details window takes.
class CDetailsBench {
public:
    static CDetailsBench* Get() {
        static std::optional<CDetailsBench> bench;
        static bool failed = false;
        if (!bench && !failed) {
            try {
                StartToolkit();
                bench.emplace();
            } catch (const std::exception&) {
                failed = true;
            }
        }
        return bench ? &*bench : nullptr;
    }

    CDetailsBench() {
        const CLoopbackEngine& loopback = CLoopbackEngine::Get();
        table_.GetSummaryCache().SetLimits(10, 4096, 8192);
        table_.GetTextCache().SetLimits(1, 40, 2048);
        table_.GetImageCache().SetLimits(1, 40, 2048);
        table_.GetDb('u')->SetEngine(CZrDbEngine('u', CZrDbEngine::kInternet,
                                                 CZrDate(loopback.DataDate()), "bench",
                                                 loopback.Engine(), loopback.Session()),
                                     "");
        CZrDb& uk = *table_.GetDb('u');
        for (const CORBA::ULong id : loopback.Ids()) {
            const CMark mark(id, 'u', 0, 0, 0, CMark::kPermanentKeep);
            // The list starts with a mark of several images: thumbnails and the image.
            if (document_.GetMarkCount() == 0 && uk.GetImageInfo(mark) < 2)
                continue;
            document_.MergeMark(mark);
            if (document_.GetMarkCount() == kListMarks)
                break;
        }
    }
    ~CDetailsBench() { table_.GetDb('u')->SetEngine(CZrDbEngine('u'), ""); }

    CDetailsFrame* Open() {
        auto* frame = new CDetailsFrame(nullptr, services_);
        frame->GetController().ShowFilterMark(MakeKeptFilter(false, false), 0);
        frame->Show();
        Paint(*frame);
        return frame;
    }
    // Draws the window now, as the screen would.
    static void Paint(CDetailsFrame& frame) {
        frame.Refresh();
        frame.Update();
        PumpEvents();
    }
    void FlushCaches() { table_.FlushCaches('u'); }
    CZR2000Doc& Document() { return document_; }

private:
    CZrDbs table_;
    CTableRegisters registers_{table_};
    CNoRepository repository_;
    CFakeHost host_;
    CZR2000Doc document_{registers_, repository_, host_};
    CSystemOptions system_;
    CUserOptions user_;
    wxFrame* soundParent_ = new wxFrame(nullptr, wxID_ANY, "sound");
    CWxSoundBackend backend_{[this]() -> wxWindow* { return soundParent_; }};
    CSoundPlayer player_{backend_, ""};
    CWebRegisterPages pages_{CWebServers()};
    CPageFetcher fetcher_{pages_, PostToUiThread};
    CRegisterPageComparer comparer_;
    CRegisterImages images_{table_};
    CDetailsWindowServices services_{document_, table_,  system_, user_, player_, fetcher_,
                                     comparer_, images_, {},      {},    {},      {}};
};

void BM_OpenDetailsWindow(benchmark::State& state) {
    CDetailsBench* bench = CDetailsBench::Get();
    if (!bench) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        bench->FlushCaches();
        state.ResumeTiming();
        CDetailsFrame* frame = bench->Open();
        if (frame->GetTabbedView().GetImageView().GetPane().GetImage() == nullptr)
            state.SkipWithError("the image did not come");
        state.PauseTiming();
        frame->Destroy();
        PumpEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDetailsWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_NextMark(benchmark::State& state) {
    CDetailsBench* bench = CDetailsBench::Get();
    if (!bench) {
        state.SkipWithError("no display");
        return;
    }
    CDetailsFrame* frame = bench->Open();
    CDetailsController& controller = frame->GetController();
    for (auto _ : state) {
        state.PauseTiming();
        bench->FlushCaches();
        if (!controller.CanNext())
            controller.ShowFilterMark(MakeKeptFilter(false, false), 0);
        state.ResumeTiming();
        controller.Next();
        CDetailsBench::Paint(*frame);
    }
    frame->Destroy();
    PumpEvents();
}
BENCHMARK(BM_NextMark)->Unit(benchmark::kMillisecond)->Iterations(kListMarks);

// 20 KB of goods text in which 20 terms, each with a wildcard, find words.
void BM_PresentGoods20Kb(benchmark::State& state) {
    const std::vector<std::string> words = {"SOAP",   "CANDLES", "PERFUMERY", "OILS",
                                            "POLISH", "WAX",     "CLEANING",  "SCOURING"};
    std::string goods;
    for (std::size_t i = 0; goods.size() < 20 * 1024; ++i)
        goods += words[i % words.size()] + (i % 7 == 6 ? "; " : ", ") + "preparations ";
    std::vector<std::string> terms;
    for (int i = 0; i < 20; ++i)
        terms.push_back(words[i % words.size()].substr(0, 3) + "*" + std::to_string(i));
    terms[0] = "SOAP";
    terms[1] = "CANDLE?";
    terms[2] = "PERF-";
    for (auto _ : state) {
        CHtmlPresenter output;
        output.SetHighlighting(terms, MakeHighlightSplitter());
        output.AddField(kFieldGoods, "Class 3:", goods, kStyleLabelBold, kTextDecide, false, false);
        benchmark::DoNotOptimize(output.GetHtml());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(goods.size()));
}
BENCHMARK(BM_PresentGoods20Kb)->Unit(benchmark::kMillisecond);

} // namespace
