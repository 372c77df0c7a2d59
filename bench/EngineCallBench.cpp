// Raw costs of calls on the search service over loopback, against the local service: the floor
// under the client's own search and record-fetch overhead.

#include "bench/LoopbackEngine.h"

#include <benchmark/benchmark.h>

namespace {

constexpr CORBA::ULong kChunk = 16385;

void BM_NullCall(benchmark::State& state) {
    const CLoopbackEngine& loopback = CLoopbackEngine::Get();
    for (auto _ : state)
        loopback.Engine()->SetActive(loopback.Session(), true);
}
BENCHMARK(BM_NullCall)->Unit(benchmark::kMicrosecond);

void BM_GetMarks16385(benchmark::State& state) {
    const CLoopbackEngine& loopback = CLoopbackEngine::Get();
    CORBA::Boolean started = false;
    ZrEngineSearch_var search =
        loopback.Engine()->StartSearch2(loopback.Session(), "APPNO=\"1-\"", "", "", "", 0, started);
    CORBA::String_var status;
    while (!search->GetProgress(status.out())) {
    }
    for (auto _ : state) {
        UlongSeq_var ids = search->GetMarks(0, kChunk - 1);
        benchmark::DoNotOptimize(ids->length());
    }
    search->Dispose();
    state.SetItemsProcessed(state.iterations() * kChunk);
}
BENCHMARK(BM_GetMarks16385)->Unit(benchmark::kMicrosecond);

void BM_GetMultiSummaryDetails3_100(benchmark::State& state) {
    const CLoopbackEngine& loopback = CLoopbackEngine::Get();
    UlongSeq ids;
    ids.length(100);
    for (CORBA::ULong i = 0; i < 100; ++i)
        ids[i] = loopback.Ids()[i * 97 % loopback.Ids().size()];
    for (auto _ : state) {
        OctetSeq_var records =
            loopback.Engine()->GetMultiSummaryDetails3(loopback.Session(), ids, "y3:11");
        benchmark::DoNotOptimize(records->length());
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_GetMultiSummaryDetails3_100)->Unit(benchmark::kMicrosecond);

} // namespace
