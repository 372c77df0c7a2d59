// Saving and loading a large examination: 100,000 marks and 1,000 searches, to and from a file
// on the disc, with the sorting and grouping that opening does.

#include "app/document/RegisterCodeNames.h"
#include "app/document/ZreFile.h"
#include "core/MarkList.h"
#include "core/SearchList.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr int kMarks = 100'000;
constexpr int kSearches = 1'000;

class CCodeNames : public IRegisterCodeNames {
public:
    std::string CodeToString(char, std::uint32_t value, int) const override {
        return std::to_string(value);
    }
};

struct CLargeExam {
    CExamInfo info;
    std::vector<CDbInfo> databases;
    CSearchList searches;
    CMarkList marks;
};

CLargeExam MakeLargeExam() {
    CLargeExam exam;
    exam.info.SetValue(CExamInfo::kClient, "Acme Holdings");
    exam.info.SetValue(CExamInfo::kExamId, "E-2024-117");
    for (char code : std::string("ucsi")) {
        CDbInfo database;
        database.SetRegisterCode(code);
        database.SetEngine("Web", 0x80000);
        exam.databases.push_back(database);
    }
    std::mt19937 random(1);
    for (int i = 0; i < kSearches; ++i) {
        CSearch search(1 + i % 4);
        CCriteria criteria;
        criteria.ReadCriteriaText("DBIDS=\"ucsi\" AND (WORDM=\"ACME*\" OR WORDM=\"AKME" +
                                  std::to_string(i) + "\") AND CLASS=\"9,35-38\" AND STATS=\"rp\"");
        search.SetCriteria(criteria);
        search.SetOrder(i + 1);
        search.SetFlags(CSearch::kHasRun);
        search.SetFound(100);
        search.SetMarkCount(100);
        search.SetRunDatabases("ucsi");
        exam.searches.Add(search);
    }
    for (int i = 0; i < kMarks; ++i)
        exam.marks.Append(CMark(random() % 5'000'000, "ucsi"[i % 4], 1 + i % 4, 1 + i % kSearches,
                                static_cast<int>(random()), i % 3 == 0 ? CMark::kKept : 0));
    exam.marks.Sort();
    exam.marks.SetGroupFlags();
    return exam;
}

std::string BenchPath() {
    return (std::filesystem::temp_directory_path() /
            ("zr_bench_" + std::to_string(::getpid()) + ".zre"))
        .string();
}

void Save(const CLargeExam& exam, const std::string& path) {
    CZreFile file;
    file.OpenForWrite(path);
    file.WriteHeader(exam.info, exam.databases);
    file.WriteSearches(exam.searches, nullptr);
    file.WriteMarks(exam.marks, nullptr);
    std::string error;
    if (!file.Close(error))
        throw std::runtime_error(error);
}

void BM_SaveExamination(benchmark::State& state) {
    const CLargeExam exam = MakeLargeExam();
    const std::string path = BenchPath();
    for (auto _ : state)
        Save(exam, path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveExamination)->Unit(benchmark::kMillisecond);

void BM_LoadExamination(benchmark::State& state) {
    const std::string path = BenchPath();
    Save(MakeLargeExam(), path);
    const CCodeNames names;
    for (auto _ : state) {
        CZreFile file;
        std::string error;
        if (!file.OpenForRead(path, names, error))
            throw std::runtime_error(error);
        CLargeExam exam;
        file.ReadHeader(exam.info, exam.databases);
        file.ReadSearches(exam.searches);
        file.ReadMarks(exam.marks);
        exam.marks.Sort();
        exam.marks.SetGroupFlags();
        benchmark::DoNotOptimize(exam.marks.GetCount());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadExamination)->Unit(benchmark::kMillisecond);

} // namespace
