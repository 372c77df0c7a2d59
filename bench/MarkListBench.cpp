// Merging search hits into mark lists, filtering the marks and looking records up in the cache.

#include "core/DataCache.h"
#include "core/MarkList.h"
#include "platform/LargeBlocks.h"
#include "registers/ZrDbs.h"
#include "testsvc/data/Registers.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <vector>

namespace {

// Distinct record numbers in random order, as engines deliver them.
std::vector<std::uint32_t> ShuffledRecords(std::size_t count, std::uint32_t seed) {
    std::vector<std::uint32_t> records(count);
    std::mt19937 random(seed);
    for (std::size_t i = 0; i < count; ++i)
        records[i] = static_cast<std::uint32_t>(i * 2 + (seed & 1));
    std::shuffle(records.begin(), records.end(), random);
    return records;
}

// A list of n marks of one search, half of them kept, every tenth with a duplicate.
CMarkList ListOf(std::size_t n) {
    CMarkList list;
    std::vector<std::uint32_t> records = ShuffledRecords(n, 2);
    for (std::size_t i = 0; i < n / 10; ++i)
        records[n - 1 - i] = records[i];
    list.AddRecords(records, 'u', 0, 1, false, false);
    for (int i = 0; i < list.GetCount(); i += 2) {
        CMark mark = list.GetAt(i);
        mark.ToggleKeep();
        list.SetAt(mark, i);
    }
    return list;
}

// Hits (first argument) merged into a list of marks (second argument). peak_per_final is the
// most memory the list held during the merge, its old marks included, over what it holds after
// (target: at most 2).
void BM_MergeUnsortedHits(benchmark::State& state) {
    const CMarkList base = ListOf(static_cast<std::size_t>(state.range(1)));
    // Half the new hits repeat records already in the list.
    std::vector<std::uint32_t> hits = ShuffledRecords(static_cast<std::size_t>(state.range(0)), 3);
    for (std::size_t i = 0; i < hits.size(); i += 2)
        hits[i] -= 1;
    double peakPerFinal = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t others = platform::GetLargeBlockUsage().inUse;
        CMarkList list = base;
        platform::ResetLargeBlockPeak();
        state.ResumeTiming();
        benchmark::DoNotOptimize(list.AddRecords(hits, 'u', 0, 2, false, true));
        state.PauseTiming();
        // Lists too small for large blocks take their memory from the heap and are not counted.
        const platform::CLargeBlockUsage usage = platform::GetLargeBlockUsage();
        if (usage.inUse > others)
            peakPerFinal = std::max(peakPerFinal, static_cast<double>(usage.peakInUse - others) /
                                                      static_cast<double>(usage.inUse - others));
        state.ResumeTiming();
    }
    state.counters["peak_per_final"] = peakPerFinal;
}
BENCHMARK(BM_MergeUnsortedHits)
    ->Args({100'000, 0})
    ->Args({100'000, 100'000})
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1'000'000})
    ->Unit(benchmark::kMillisecond);

// The hits of a search over the twelve built-in registers, 8334 of each, merged at once into an
// empty list with the register table in place, as a search run's collection merges them: the
// marks part of BM_SearchTwelveEnginesBackToBack without the service.
void BM_MergeTwelveRegistersHits(benchmark::State& state) {
    constexpr std::uint32_t kPerRegister = 8334;
    std::vector<std::vector<std::uint32_t>> hits;
    std::vector<CRecordSet> sets;
    for (const RegisterInfo& info : ServedRegisters()) {
        if (info.layout == IdLayout::Web)
            continue;
        std::vector<std::uint32_t>& ids = hits.emplace_back();
        for (std::uint32_t seq = 1; seq <= kPerRegister; ++seq)
            ids.push_back(MakeRecordId(info.layout, seq, static_cast<MarkStatus>(seq * 7 % 10 / 3),
                                       seq % 3 == 0));
    }
    std::size_t next = 0;
    for (const RegisterInfo& info : ServedRegisters())
        if (info.layout != IdLayout::Web)
            sets.push_back({static_cast<unsigned char>(info.code), hits[next++]});
    CZrDbs registers;
    InstallRegisterServices(&registers);
    CMarkList list;
    for (auto _ : state) {
        list.RemoveAll();
        benchmark::DoNotOptimize(list.AddRecordSets(sets, 0, 1, false, false));
    }
    InstallRegisterServices(nullptr);
}
BENCHMARK(BM_MergeTwelveRegistersHits)->Unit(benchmark::kMillisecond);

void BM_CountFiltered(benchmark::State& state) {
    const CMarkList list = ListOf(1'000'000);
    const CFilter kept = MakeKeptFilter(false, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(list.CountFiltered(kept));
}
BENCHMARK(BM_CountFiltered)->Unit(benchmark::kMillisecond);

void BM_FilterIndexes(benchmark::State& state) {
    const CMarkList list = ListOf(1'000'000);
    const CFilter ofSearch = MakeSearchIdFilter(1, true, true);
    TVmRec<int> indexes;
    for (auto _ : state)
        benchmark::DoNotOptimize(list.GetFilteredIndexes(ofSearch, indexes));
}
BENCHMARK(BM_FilterIndexes)->Unit(benchmark::kMillisecond);

void BM_CacheLookups(benchmark::State& state) {
    constexpr int kSlots = 4096;
    CDataCache cache(10, kSlots, 0);
    const CZrData record;
    for (std::uint32_t n = 0; n < kSlots; ++n)
        cache.Add(CMark(n, 'u', 0, 1), record);
    // Three look-ups in four hit.
    std::vector<CMark> marks;
    std::mt19937 random(4);
    for (int i = 0; i < 1'000'000; ++i)
        marks.emplace_back(static_cast<std::uint32_t>(random() % (kSlots * 4 / 3)), 'u', 0, 1);
    for (auto _ : state) {
        for (const CMark& mark : marks)
            benchmark::DoNotOptimize(cache.Find(mark));
    }
}
BENCHMARK(BM_CacheLookups)->Unit(benchmark::kMillisecond);

} // namespace
