// Fetching records through a register: a screen of 60 rows in one batched call against one call
// a row, and summary records found again in the cache.

#include "bench/LoopbackEngine.h"
#include "registers/ZrDbs.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRows = 60;
constexpr std::size_t kLookups = 100000;
constexpr std::size_t kCachedMarks = 4096;

// A register table whose UK register is served by the loopback engine, with the caches of a
// large machine.
class CConnectedTable {
public:
    CConnectedTable() {
        const CLoopbackEngine& loopback = CLoopbackEngine::Get();
        table_.GetSummaryCache().SetLimits(10, 4096, 8192);
        table_.GetTextCache().SetLimits(1, 40, 2048);
        table_.GetImageCache().SetLimits(1, 40, 2048);
        uk_.SetEngine(CZrDbEngine('u', CZrDbEngine::kInternet, CZrDate(loopback.DataDate()),
                                  "bench", loopback.Engine(), loopback.Session()),
                      "");
    }
    ~CConnectedTable() { uk_.SetEngine(CZrDbEngine('u'), ""); }

    CZrDbs& Table() { return table_; }
    CZrDb& Uk() { return uk_; }

    // count marks spread over the register.
    static std::vector<CMark> Marks(std::size_t count) {
        const std::vector<CORBA::ULong>& ids = CLoopbackEngine::Get().Ids();
        std::vector<CMark> marks;
        for (std::size_t i = 0; i < count; ++i)
            marks.emplace_back(ids[i * 97 % ids.size()], 'u', 0, 0);
        return marks;
    }

private:
    CZrDbs table_;
    CZrDb& uk_ = *table_.GetDb('u');
};

// The calls of that operation the service received since the last look.
double CallsSince(const std::string& operation) {
    return CountCalls(TakeCallLog(), operation);
}

// Every row's summary record as the row is drawn, after the fetch the caller makes first.
void DrawRows(CZrDb& db, const std::vector<CMark>& rows) {
    std::string error;
    for (const CMark& row : rows) {
        const RecordPtr record = db.GetSummaryRecord(row, error);
        benchmark::DoNotOptimize(record);
    }
}

void BM_ShowRowsBatched(benchmark::State& state) {
    CConnectedTable connected;
    const std::vector<CMark> rows = CConnectedTable::Marks(kRows);
    CallsSince("");
    for (auto _ : state) {
        connected.Table().FlushCaches('u');
        connected.Uk().FetchSummaryRecords(rows);
        DrawRows(connected.Uk(), rows);
    }
    state.counters["batchCalls"] = benchmark::Counter(CallsSince("GetMultiSummaryDetails3"),
                                                      benchmark::Counter::kAvgIterations);
    state.counters["singleCalls"] =
        benchmark::Counter(CallsSince("GetSummaryDetails3"), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ShowRowsBatched)->Unit(benchmark::kMicrosecond);

void BM_ShowRowsOneCallEach(benchmark::State& state) {
    CConnectedTable connected;
    const std::vector<CMark> rows = CConnectedTable::Marks(kRows);
    CallsSince("");
    for (auto _ : state) {
        connected.Table().FlushCaches('u');
        DrawRows(connected.Uk(), rows);
    }
    state.counters["singleCalls"] =
        benchmark::Counter(CallsSince("GetSummaryDetails3"), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ShowRowsOneCallEach)->Unit(benchmark::kMicrosecond);

// 10^5 summary look-ups spread over 4096 cached records, as redrawing long lists makes them.
void BM_SummaryCacheLookups(benchmark::State& state) {
    CConnectedTable connected;
    const std::vector<CMark> marks = CConnectedTable::Marks(kCachedMarks);
    for (std::size_t first = 0; first < marks.size(); first += 500) {
        const std::size_t count = std::min<std::size_t>(500, marks.size() - first);
        connected.Uk().FetchSummaryRecords(std::span(marks).subspan(first, count));
    }
    CallsSince("");
    for (auto _ : state) {
        for (std::size_t i = 0; i < kLookups; ++i) {
            const RecordPtr record =
                connected.Uk().FetchSummaryRecord(marks[i * 31 % marks.size()]);
            benchmark::DoNotOptimize(record);
        }
    }
    state.counters["engineCalls"] =
        benchmark::Counter(CallsSince("GetSummaryDetails3"), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * kLookups);
}
BENCHMARK(BM_SummaryCacheLookups)->Unit(benchmark::kMillisecond);

} // namespace
