// The string finder and watch generation at the sizes the windows use them: pages of 16, 64
// lines a paint. Targets: Prime over 12 finders that each answer after 100 ms within 150 ms; a
// one-line scroll over the local service's 12 registers within 5 ms, page fetches included;
// repainting 64 lines from filled windows within 1 ms; 10^4 merged entries from 12 cursors in
// memory within 20 ms; a watch from 500 kept marks over the service within 1 s.

#include "app/document/Progress.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "bench/LoopbackEngine.h"
#include "bench/MemoryFinders.h"
#include "core/UserOptions.h"
#include "engines/Orb.h"
#include "registers/ZrDbs.h"
#include "search/CorbaStringFinder.h"
#include "search/StringFinder.h"
#include "search/WatchController.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <stdexcept>
#include <thread>

namespace {

using bench::CMemoryFinders;
using bench::kRegisters;

constexpr int kPageSize = CStringFinder::kDialogPageSize;
constexpr int kLinesPerPaint = 64;

// The local service's twelve registers, each with its engine.
class CServiceRegisters {
public:
    static CServiceRegisters& Get() {
        static CServiceRegisters registers;
        return registers;
    }
    ~CServiceRegisters() {
        table_.SetEngines(CZrDbEngineSet());
        service_.Stop();
        ShutdownOrb();
    }
    CZrDbs& Table() { return table_; }

private:
    CServiceRegisters() {
        if (!InitOrb())
            throw std::runtime_error("cannot start the ORB");
        std::string error;
        if (!service_.Start({600, kRegisters}, error))
            throw std::runtime_error(error);
        EngineInfoSeq_var engines = LogOnToRemote(service_);
        for (CORBA::ULong i = 0; i < engines->length(); ++i) {
            const EngineInfo& info = engines[i];
            // A retired engine, dated 0, is never used.
            if (info.dataDate == 0)
                continue;
            const CZrDbEngine engine(static_cast<int>(info.dbCode), CZrDbEngine::kInternet,
                                     CZrDate(info.dataDate), info.name.in(), info.engine.in(),
                                     info.sessionId);
            // The international register's letter travels as I.
            if (CZrDb* db = table_.GetDb(engine.GetDbCode()))
                db->SetEngine(engine, "");
        }
    }

    CTestServiceProcess service_;
    CZrDbs table_;
};

// Lines top .. top + 63 as a paint reads them.
void Paint(CStringFinder& finder, int top) {
    for (int line = top; line < top + kLinesPerPaint; ++line)
        benchmark::DoNotOptimize(finder.GetString(line));
}

void BM_PrimeTwelveSlowFinders(benchmark::State& state) {
    CMemoryFinders& finders = CMemoryFinders::Get();
    finders.SetDelay(100);
    for (auto _ : state) {
        CStringFinderMerge merge("W", 4);
        for (char code : std::string(kRegisters))
            merge.AddFinder(code, finders.Create(code, "W", 4), 0, kPageSize);
        merge.Prime();
    }
    finders.SetDelay(0);
}
BENCHMARK(BM_PrimeTwelveSlowFinders)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RepaintFromFilledWindows(benchmark::State& state) {
    CStringFinder finder(CMemoryFinders::Get(), "W", 4, kRegisters, kPageSize);
    Paint(finder, 0);
    for (auto _ : state)
        Paint(finder, 0);
    state.SetItemsProcessed(state.iterations() * kLinesPerPaint);
}
BENCHMARK(BM_RepaintFromFilledWindows)->Unit(benchmark::kMicrosecond);

void BM_MergeTenThousandEntries(benchmark::State& state) {
    for (auto _ : state) {
        CStringFinderMerge merge("W", 4);
        for (char code : std::string(kRegisters))
            merge.AddFinder(code, CMemoryFinders::Get().Create(code, "W", 4), 0, kPageSize);
        CFoundString entry;
        int merged = 0;
        for (bool more = merge.GetAt(0, entry); more && merged < 10000;
             more = merge.MergeNext(entry))
            ++merged;
        if (merged != 10000)
            state.SkipWithError("the list ended early");
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_MergeTenThousandEntries)->Unit(benchmark::kMillisecond);

// One line down per iteration, the whole list painted again, back up once at the end.
void BM_ScrollOneLineOverTheService(benchmark::State& state) {
    CRegisterStringFinders finders(CServiceRegisters::Get().Table());
    CStringFinder finder(finders, "A", 4, kRegisters, kPageSize);
    int top = 0;
    int step = 1;
    Paint(finder, top);
    for (auto _ : state) {
        if (finder.GetString(top + step + kLinesPerPaint - 1).GetText().empty() || top + step < 0)
            step = -step;
        top += step;
        Paint(finder, top);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScrollOneLineOverTheService)->Unit(benchmark::kMillisecond)->UseRealTime();

class CBenchHost : public IDocumentHost, public IExamRepository, public IWatchWindows {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void ChangeEngines(const std::string&) override {}
    void SetWatchMode(bool) override {}
    void SetStatusText(const std::string&) override {}
    void SaveAs(const std::string&) override {}
    std::unique_ptr<IProgress> OpenProgress(const std::string&) override {
        return std::make_unique<CSilentProgress>();
    }
    std::vector<CZrDbEngine> GetEngines(char) const override { return {}; }
    CZrDbEngine GetPreferredEngine(char code) const override {
        return CZrDbEngine(static_cast<unsigned char>(code));
    }
    void LogSearch(const std::string&, const std::string&, const std::string&,
                   const std::string&) override {}
    bool SaveDocument() override { return true; }
    bool EditOptions(CWatchOptions&) override { return true; }
    void ShowWatch() override {}
};

void BM_WatchFromKeptMarks(benchmark::State& state) {
    CZrDbs& table = CServiceRegisters::Get().Table();
    CTableRegisters registers(table);
    CTableWatchRecords records(table);
    CBenchHost host;
    CUserOptions settings;
    // Record ids from 1 to 42 of each register's first marks, 500 in all.
    std::vector<CMark> kept;
    for (char code : std::string(kRegisters)) {
        CSearch all;
        all.GetCriteria().ResetWithDbIds(std::string(1, code));
        all.GetCriteria().FillDefaults();
        ZrEngineSearch_var search = table.GetDb(code)->StartSearch(all, "Bench", "B-1", false);
        CORBA::String_var status;
        while (!search->GetProgress(status.out())) {
        }
        CORBA::ULong total = 0;
        UlongSeq_var ids = search->GetResults(total);
        for (CORBA::ULong i = 0; i < 42 && i < ids->length() && kept.size() < 500; ++i)
            kept.emplace_back(ids[i], code, 1, 0, 0, CMark::kKept);
        search->Dispose();
    }
    for (auto _ : state) {
        state.PauseTiming();
        CZR2000Doc doc(registers, host, host);
        doc.MergeMarks(kept);
        doc.SetModifiedFlag(false);
        state.ResumeTiming();
        CWatchController(doc, host, host, records, settings).GenerateWatch();
        if (!doc.IsWatch() || doc.GetWatchMarkCount() != 500)
            state.SkipWithError("no watch of 500 marks");
    }
}
BENCHMARK(BM_WatchFromKeptMarks)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
