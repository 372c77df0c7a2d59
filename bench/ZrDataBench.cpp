#include "core/ZrData.h"
#include "tests/core/RecordBytes.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using namespace record_bytes;

// A summary record of typical shape: some forty fields, the word mark first, lists in between.
CZrData TypicalRecord() {
    std::vector<Bytes> entries{Text("WORDMARK", "ACME SUPER WIDGETS"), Text("APPNUM", "2301234"),
                               Text("APPDATE", "5 Jan 2004"), Text("REGDATE", "7 Jul 2005")};
    for (int i = 0; i < 32; ++i)
        entries.push_back(Text("FIELD" + std::to_string(i), std::string(40, 'x')));
    entries.push_back(Text("PROPS", FormatPairList({{"Acme Widgets Ltd", "1 High St\\London"},
                                                    {"Widget Holdings plc", "Leeds"}})));
    entries.push_back(Text(
        "GOODS", FormatPairList({{"9", std::string(400, 'g')}, {"35", std::string(200, 's')}})));
    entries.push_back(Text("STATUS", "Registered"));
    const Bytes bytes = RecordBytes(entries);
    CZrData record;
    record.Assign(bytes.data(), bytes.size());
    return record;
}

void BM_GetFirstField(benchmark::State& state) {
    const CZrData record = TypicalRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(record.GetField("WORDMARK"));
}
BENCHMARK(BM_GetFirstField);

void BM_GetLastField(benchmark::State& state) {
    const CZrData record = TypicalRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(record.GetField("STATUS"));
}
BENCHMARK(BM_GetLastField);

void BM_MissingField(benchmark::State& state) {
    const CZrData record = TypicalRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(record.HasField("CHARSET2"));
}
BENCHMARK(BM_MissingField);

void BM_GetPairList(benchmark::State& state) {
    const CZrData record = TypicalRecord();
    PairList pairs;
    for (auto _ : state) {
        record.GetPairList("PROPS", pairs);
        benchmark::DoNotOptimize(pairs.data());
    }
}
BENCHMARK(BM_GetPairList);

} // namespace
