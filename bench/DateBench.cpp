#include "core/ZrDate.h"

#include <benchmark/benchmark.h>

static void BM_ParseRecordDate(benchmark::State& state) {
    for (auto _ : state) {
        CZrDate date;
        benchmark::DoNotOptimize(date.Parse("05 January 2004"));
    }
}
BENCHMARK(BM_ParseRecordDate);
