// The views against the local search service with four registers of 25,000 marks each, under
// the (virtual) display:
// - a page of 60 list rows out of 10^5 marks: one batched record fetch per register, then the
//   rows painted on the display's device (target: painting below 16 ms);
// - 150 icon cells of cached records painted (target below 16 ms);
// - the rebuild of a view after marks were added (hint 512) over 10^5 marks (below 10 ms);
// - the results window opened on a search of 10^4 marks, up to its first paint (below 100 ms),
//   and on one of 10^5 marks over the four registers (below 0.5 s);
// - a tick of the progress window over 22 databases, without the time of the engine calls it
//   makes (below 1 ms).
// Run under xvfb-run.

#include "app/FileDialogs.h"
#include "app/document/SearchDocument.h"
#include "app/document/TableRegisters.h"
#include "app/views/ResultsView.h"
#include "app/views/ui/ResultsFrame.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "core/ui/WxDrawSurface.h"
#include "engines/Orb.h"
#include "engines/Repository.h"
#include "engines/SearchProgress.h"
#include "engines/ZrDbEngineSet.h"
#include "engines/ui/SearchProgressDlg.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "tests/support/FakeDocumentHost.h"
#include "testsvc/idl/ZrTestControl.hh"
#include "testsvc/launch/TestServiceProcess.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <unistd.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kRegisters = "ucde";
constexpr std::uint32_t kMarksPerRegister = 25'000;
constexpr int kPageRows = 60;
constexpr int kResultsMarks = 10'000;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

class CNullRepository : public IExamRepository {
public:
    std::vector<CZrDbEngine> GetEngines(char) const override { return {}; }
    CZrDbEngine GetPreferredEngine(char code) const override { return CZrDbEngine(code); }
    void LogSearch(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {}
};

class CNullHost : public IViewHost {
public:
    bool RunSearch(int, bool) override { return false; }
    bool ShowResults(int, bool, int) override { return false; }
    bool RunSearches(const CFilter&) override { return false; }
    bool IsResultsWindowOpen() const override { return false; }
    void CloseResultsWindow() override {}
};

class CNoClipboard : public IMarkClipboard {
public:
    bool Put(std::span<const CMark>) override { return false; }
    bool Read(std::vector<CMark>&) override { return false; }
    bool HasMarks() const override { return false; }
};

class CNoFileDialogs : public IFileDialogs {
public:
    bool Ask(const CFileDialogRequest&, std::string&) override { return false; }
};

// A draw area of a chosen size that paints nothing itself.
class CBenchWindow : public IViewWindow {
public:
    CRect GetDrawRect() const override { return rect; }
    void ScrollDrawArea(int) override {}
    void SetScrollBar(int, int, int) override {}
    void InvalidateDrawArea(bool) override {}
    std::unique_ptr<IDrawSurface> MeasuringSurface() override {
        return MakeMeasuringSurface(*wxNORMAL_FONT);
    }
    void Beep() override {}
    void TakeFocus() override {}
    void SetBusy(bool) override {}
    CRect rect{0, 0, 600, 400};
};

class CSilentFrame : public IResultsFrame {
public:
    void ShowLabels(const CResultsLabels&) override {}
    void ShowTitle(const std::string&) override {}
};

// The toolkit, the service, registers connected to it through the client's own logon, and an
// examination of 10^5 marks found by one search run, a tenth of them found again by a second
// search of another section.
class CViewsBench {
public:
    static CViewsBench* Get() {
        static std::optional<CViewsBench> bench;
        static bool failed = false;
        if (!bench && !failed) {
            try {
                bench.emplace();
            } catch (const std::exception& e) {
                failed = true;
                std::fprintf(stderr, "views bench: %s\n", e.what());
            }
        }
        return bench ? &*bench : nullptr;
    }
    CViewsBench() {
        if (!toolkit_.IsOk() || !wxTheApp->CallOnInit())
            throw std::runtime_error("no display (run under xvfb-run)");
        if (!InitOrb())
            throw std::runtime_error("cannot start the ORB");
        std::string error;
        if (!service_.Start({kMarksPerRegister, kRegisters}, error))
            throw std::runtime_error(error);
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "ZrSystem.ini")
            << "[Locations]\nHome=" << folder_.string()
            << "\n[Repository]\nRemote1=" << service_.Addresses().remote
            << "\n[Config]\nPreCache=1\n";
        system_.Load(folder_.string());
        std::string localError, remoteError;
        if (!repository_.Connect("TESTCO", "examiner", "secret", localError, remoteError))
            throw std::runtime_error("no logon: " + remoteError);
        CZrDbEngineSet engines;
        for (const char code : table_.GetDbCodes())
            engines.AddEngine(repository_.GetPreferredEngine(static_cast<unsigned char>(code)), "");
        table_.SetEngines(engines);
        InstallRegisterServices(&table_);
        InstallActiveExamination(&document_);
        table_.GetSummaryCache().SetLimits(100, 100'000, 200'000);
        FillExamination();
        CORBA::Object_var control =
            GetOrb()->string_to_object(service_.Addresses().control.c_str());
        control_ = ZrTestControl::_narrow(control);
    }
    ~CViewsBench() {
        InstallActiveExamination(nullptr);
        InstallRegisterServices(nullptr);
        repository_.DisconnectAll();
        control_ = ZrTestControl::_nil();
        service_.Stop();
        std::filesystem::remove_all(folder_);
    }

    CViewContext Context() {
        return {document_, table_, user_, system_, host_, clipboard_, dialogs_};
    }
    CZR2000Doc& Document() { return document_; }
    CZrDbs& Table() { return table_; }
    int AllSearch() const { return allSearch_; }
    int SmallSearch() const { return smallSearch_; }
    // How many calls of the operation the service logged since the last look.
    double CallsSince(const std::string& operation) {
        CallLog_var log = control_->GetCallLog();
        control_->ClearCallLog();
        const std::string call = "." + operation + "(";
        return static_cast<double>(std::count_if(
            log->get_buffer(), log->get_buffer() + log->length(), [&call](const char* text) {
                return std::string_view(text).find(call) != std::string_view::npos;
            }));
    }
    ZrTestControl_ptr Control() { return control_.in(); }
    CSearchServices SearchServices() { return {engineTable_, user_, system_, repository_}; }

private:
    void FillExamination() {
        CSearch all(0);
        all.GetCriteria().ResetWithDbIds(kRegisters);
        all.GetCriteria().FillDefaults();
        allSearch_ = document_.AddSearch(all);
        CSearchDocument document(document_);
        CSearchProgress run(document, SearchServices());
        run.AddSearch(allSearch_);
        run.Begin();
        while (!run.IsEnded())
            run.Tick();
        smallSearch_ = document_.AddSearch(CSearch(1));
        std::vector<CMark> again;
        for (int i = 0; i < document_.GetMarkCount() && again.size() < kResultsMarks; i += 10)
            again.push_back(document_.GetMark(i));
        document_.AddMarks(again, 1, smallSearch_);
    }

    // The toolkit's application object, made before the toolkit starts on it (unless another
    // benchmark started it).
    struct CGuiApp {
        CGuiApp() {
            if (!wxTheApp)
                wxApp::SetInstance(new wxApp);
        }
    } app_;
    wxInitializer toolkit_;
    std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("zr_views_bench_" + std::to_string(::getpid()));
    CTestServiceProcess service_;
    ZrTestControl_var control_;
    CSystemOptions system_;
    CUserOptions user_;
    CZrDbs table_;
    CEngineRegisterTable engineTable_{table_};
    CZrRepository repository_{system_, user_, &engineTable_};
    CTableRegisters registers_{table_};
    CNullRepository examRepository_;
    CFakeHost documentHost_;
    CZR2000Doc document_{registers_, examRepository_, documentHost_};
    CNullHost host_;
    CNoClipboard clipboard_;
    CNoFileDialogs dialogs_;
    int allSearch_ = 0;
    int smallSearch_ = 0;
};

// The bench, or the benchmark skipped when it cannot be had.
CViewsBench* BenchOrSkip(benchmark::State& state) {
    CViewsBench* bench = CViewsBench::Get();
    if (!bench)
        state.SkipWithError("no display or no service");
    return bench;
}

// A results view of the search on a draw area of the bench's own.
struct CBenchResults {
    CBenchResults(CViewsBench& bench, int searchId, CRect rect) {
        window.rect = rect;
        bench.Document().SelectSearch(searchId);
        view = std::make_unique<CResultsView>(bench.Context(), window, frame);
        bench.Document().AddView(view.get());
        view->OpenOnCurrentSearch(true);
        document = &bench.Document();
    }
    ~CBenchResults() { document->RemoveView(view.get()); }

    CBenchWindow window;
    CSilentFrame frame;
    std::unique_ptr<CResultsView> view;
    CZR2000Doc* document = nullptr;
};

// A bitmap of the display's depth to paint views on, made once per benchmark.
class CCanvas {
public:
    explicit CCanvas(CSize size) : bitmap_(size.width, size.height), dc_(bitmap_), surface_(dc_) {}
    // The time the view takes to paint the area.
    Clock::duration Paint(CResultsView& view, const CRect& area) {
        const auto start = Clock::now();
        view.Draw(surface_, area);
        return Clock::now() - start;
    }

private:
    wxBitmap bitmap_;
    wxMemoryDC dc_;
    CWxDrawSurface surface_;
};

void BM_ListPageOf100kMarks(benchmark::State& state) {
    CViewsBench* bench = BenchOrSkip(state);
    if (!bench)
        return;
    CBenchResults results(*bench, bench->AllSearch(), {0, 0, 800, 600});
    auto& list = dynamic_cast<CZrListView&>(results.view->GetSubView());
    const int count = list.GetCount();
    CCanvas canvas({800, kPageRows * 99});
    Clock::duration painting{};
    bench->CallsSince("");
    int page = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench->Table().GetSummaryCache().Clear();
        const int first = (page++ * 7919) % (count - kPageRows);
        int height = 0;
        for (int row = first; row < first + kPageRows; ++row)
            height += list.RowHeight(row);
        results.window.rect = {0, 0, 800, height};
        state.ResumeTiming();
        // Scrolling there fetches the page's records; painting draws them.
        results.view->OnVScroll(EScrollCode::ThumbTrack, first);
        painting += canvas.Paint(*results.view, results.window.rect);
    }
    state.counters["paint_ms"] =
        benchmark::Counter(Milliseconds(painting), benchmark::Counter::kAvgIterations);
    state.counters["batchCalls"] = benchmark::Counter(bench->CallsSince("GetMultiSummaryDetails3"),
                                                      benchmark::Counter::kAvgIterations);
    state.counters["singleCalls"] = benchmark::Counter(bench->CallsSince("GetSummaryDetails3"),
                                                       benchmark::Counter::kAvgIterations);
    state.counters["marks"] = count;
}
BENCHMARK(BM_ListPageOf100kMarks)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_IconCellsCached(benchmark::State& state) {
    CViewsBench* bench = BenchOrSkip(state);
    if (!bench)
        return;
    // Ten columns of fifteen rows: 150 cells.
    const CRect area{0, 0, 10 * CZrIconView::kCellWidth, 15 * CZrIconView::kCellHeight};
    CBenchResults results(*bench, bench->AllSearch(), area);
    results.view->Run(EResultsCommand::ShowIcons);
    CCanvas canvas({area.Width(), area.Height()});
    canvas.Paint(*results.view, area);
    bench->CallsSince("");
    for (auto _ : state)
        state.SetIterationTime(
            std::chrono::duration<double>(canvas.Paint(*results.view, area)).count());
    state.counters["engineCalls"] = benchmark::Counter(
        bench->CallsSince("GetMultiSummaryDetails3") + bench->CallsSince("GetSummaryDetails3"),
        benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * 150);
}
BENCHMARK(BM_IconCellsCached)->Unit(benchmark::kMillisecond)->Iterations(50)->UseManualTime();

void BM_RebuildAfterMarksAdded(benchmark::State& state) {
    CViewsBench* bench = BenchOrSkip(state);
    if (!bench)
        return;
    CBenchResults results(*bench, bench->AllSearch(), {0, 0, 800, 600});
    for (auto _ : state)
        bench->Document().UpdateAllViews(nullptr, kHintMarksAdded);
    state.counters["rows"] = results.view->GetMarkCount();
}
BENCHMARK(BM_RebuildAfterMarksAdded)->Unit(benchmark::kMillisecond)->Iterations(30);

// The results window opened on the search the engines have finished, up to its first paint.
void OpenResultsWindow(benchmark::State& state, CViewsBench& bench) {
    int rows = 0;
    for (auto _ : state) {
        auto* frame = new CResultsFrame(bench.Context(), CResultsFrameOptions(), true, {});
        frame->Show();
        frame->GetCanvas().Update();
        rows = frame->GetView().GetMarkCount();
        state.PauseTiming();
        frame->CloseNow();
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

void BM_ResultsWindowOpen10k(benchmark::State& state) {
    if (CViewsBench* bench = BenchOrSkip(state)) {
        bench->Document().SelectSearch(bench->SmallSearch());
        OpenResultsWindow(state, *bench);
    }
}
BENCHMARK(BM_ResultsWindowOpen10k)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ResultsWindowOpen100k(benchmark::State& state) {
    if (CViewsBench* bench = BenchOrSkip(state)) {
        bench->Document().SelectSearch(bench->AllSearch());
        OpenResultsWindow(state, *bench);
    }
}
BENCHMARK(BM_ResultsWindowOpen100k)->Unit(benchmark::kMillisecond)->Iterations(10);

// A search naming 22 databases (the four registers, several times each) that never ends.
void BM_ProgressTick22Databases(benchmark::State& state) {
    CViewsBench* bench = BenchOrSkip(state);
    if (!bench)
        return;
    bench->Control()->SetEngineFault("*", "polls", "", 1'000'000);
    CSearch search(0);
    search.GetCriteria().ResetWithDbIds("ucdeucdeucdeucdeucdeuc");
    search.GetCriteria().FillDefaults();
    const int id = bench->Document().AddSearch(search);
    CSearchDocument document(bench->Document());
    CSearchProgress progress(document, bench->SearchServices());
    progress.AddSearch(id);
    CSearchProgressDlg dialog(nullptr, progress);
    progress.Begin();
    wxTimer timer(&dialog, CSearchProgress::kTimerId);
    const auto tick = [&dialog, &timer] {
        wxTimerEvent event(timer);
        dialog.ProcessWindowEvent(event);
    };
    tick();
    // The engine calls alone: one status poll of as many searches.
    std::vector<std::pair<ZrEngine_var, ZrEngineSearch_var>> bare;
    for (const char code : std::string("ucdeucdeucdeucdeucdeuc")) {
        CZrDb& db = *bench->Table().GetDb(code);
        ZrEngine_var engine = db.GetEngineObject();
        CORBA::Boolean started = false;
        ZrEngineSearch_var running = engine->StartSearch2(db.GetDbEngine().GetSessionId(),
                                                          "APPNO=\"1-\"", "", "", "", 0, started);
        bare.emplace_back(engine, running);
    }
    Clock::duration calls{};
    for (auto _ : state) {
        tick();
        state.PauseTiming();
        const auto start = Clock::now();
        for (auto& [engine, running] : bare) {
            CORBA::String_var status;
            benchmark::DoNotOptimize(running->GetProgress(status.out()));
        }
        calls += Clock::now() - start;
        state.ResumeTiming();
    }
    state.counters["calls_ms"] =
        benchmark::Counter(Milliseconds(calls), benchmark::Counter::kAvgIterations);
    state.counters["rows"] = static_cast<double>(progress.GetRows().size());
    for (auto& [engine, running] : bare)
        running->Dispose();
    progress.Cancel();
    bench->Control()->Reset();
    bench->Document().RemoveSearch(id);
}
BENCHMARK(BM_ProgressTick22Databases)->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace
