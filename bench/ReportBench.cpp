// Reports: 10,000 kept marks of the loopback UK register written to RTF with their records
// cached and fetched over loopback, with the memory the run adds; a 1 MB template from a word
// processor parsed; 1,000 PNG images of 30 KB embedded; one progress step that handles no
// window messages.

#include "app/document/ZrDocData.h"
#include "bench/LoopbackEngine.h"
#include "core/FilePath.h"
#include "core/Ping.h"
#include "core/UserOptions.h"
#include "platform/AtomicFile.h"
#include "registers/ZrDbs.h"
#include "report/job/ProgressModel.h"
#include "report/job/ReportJob.h"
#include "report/job/ZrDbsReportRegisters.h"
#include "tests/support/FakeDocumentHost.h"
#include "tests/support/MemoryReportRegisters.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kKeptMarks = 10'000;
constexpr int kImages = 1'000;
constexpr std::size_t kTemplateBytes = 1 << 20;

const CZrDate kToday((2024u << 16) | (2u << 8) | 29u);

const char* const kMarksTemplate =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}Report for [[CLIENT]] ([[TOTAL_KEPT]] marks)\\par "
    "[[STARTSECTION]]Section [[SECTION]]\\par [[STARTMARK]]\\b [[WORDMARK]]\\b0  [[TMNUM]] "
    "[[QSTATUS]] [[DATABASE]] [[CLASSES2]] [[APPDATE_Y_M_D]]\\par "
    "[[STARTVECTOR][FIELD=PROPS]][[1]], [[2SINGLELINE]]\\par [[ENDVECTOR]]"
    "[[STARTVECTOR][FIELD=ENGOODS]]Class [[1]]: [[2]]\\par [[ENDVECTOR]][[ENDMARK]]"
    "[[ENDSECTION]]}";

std::string BenchFolder() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zr_bench_report_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder.string();
}

double ResidentMb() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* file = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(file, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(file);
    }
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

double PeakMb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1e3;
}

// Writes the template into the folder and reports through it.
class CReportRun {
public:
    CReportRun(const CZrDocData& document, IReportRegisters& registers, const std::string& text)
        : document_(document), registers_(registers), folder_(BenchFolder()),
          template_(AppendPath(folder_, "template.rtf")), output_(AppendPath(folder_, "out.rtf")) {
        std::string error;
        if (!platform::WriteFileAtomically(template_, text, platform::FileAccess::Keep, error))
            throw std::runtime_error(error);
    }
    ~CReportRun() { std::filesystem::remove_all(folder_); }

    void Run() {
        CReportJob job(document_, registers_, options_, kToday);
        if (!job.Run(template_, output_, host_))
            throw std::runtime_error("the report was cancelled");
    }
    double OutputBytes() const { return static_cast<double>(std::filesystem::file_size(output_)); }

private:
    const CZrDocData& document_;
    IReportRegisters& registers_;
    CUserOptions options_;
    CFakeHost host_;
    std::string folder_;
    std::string template_;
    std::string output_;
};

// The first 10,000 marks of the loopback register, kept in section 1, and a text cache that
// holds all their records.
class CLoopbackExamination {
public:
    CLoopbackExamination() {
        const CLoopbackEngine& loopback = CLoopbackEngine::Get();
        table_.GetTextCache().SetLimits(1, 2 * kKeptMarks, 128 * 1024);
        uk_.SetEngine(CZrDbEngine('u', CZrDbEngine::kInternet, CZrDate(loopback.DataDate()),
                                  "bench", loopback.Engine(), loopback.Session()),
                      "");
        document_.SetClient("Acme Holdings");
        document_.SetSectionCount(4);
        for (int i = 0; i < kKeptMarks; ++i)
            document_.AddMark(loopback.Ids().at(static_cast<std::size_t>(i)), 'u', 0, 0, 0,
                              CMark::kPermanentKeep);
    }
    ~CLoopbackExamination() { uk_.SetEngine(CZrDbEngine('u'), ""); }

    CZrDocData& Document() { return document_; }
    CZrDbs& Table() { return table_; }
    IReportRegisters& Registers() { return registers_; }

private:
    CZrDbs table_;
    CZrDb& uk_ = *table_.GetDb('u');
    CZrDbsReportRegisters registers_{table_};
    CZrDocData document_;
};

void BM_ReportKeptMarksCached(benchmark::State& state) {
    CLoopbackExamination examination;
    CReportRun run(examination.Document(), examination.Registers(), kMarksTemplate);
    run.Run(); // fills the cache
    const double before = ResidentMb();
    for (auto _ : state)
        run.Run();
    state.counters["growth_mb"] = std::max(0.0, PeakMb() - before);
    state.counters["bytes"] = run.OutputBytes();
}
BENCHMARK(BM_ReportKeptMarksCached)->Unit(benchmark::kMillisecond);

void BM_ReportKeptMarksOverLoopback(benchmark::State& state) {
    CLoopbackExamination examination;
    CReportRun run(examination.Document(), examination.Registers(), kMarksTemplate);
    for (auto _ : state) {
        examination.Table().FlushCaches('u');
        run.Run();
    }
}
BENCHMARK(BM_ReportKeptMarksOverLoopback)->Unit(benchmark::kMillisecond);

// A template a word processor wrote, its paragraphs repeated up to 1 MB.
std::string WordProcessorTemplate() {
    std::string exported;
    if (!platform::ReadWholeFile(ZR_SOURCE_DIR "/fuzz/corpus/report/libreoffice.rtf", exported))
        throw std::runtime_error("no template");
    const std::size_t body = exported.find("\\pard");
    const std::size_t end = exported.rfind('}');
    std::string text = exported.substr(0, body);
    while (text.size() < kTemplateBytes)
        text += exported.substr(body, end - body);
    return text + "}";
}

void BM_ParseWordProcessorTemplate(benchmark::State& state) {
    const std::string text = WordProcessorTemplate();
    CZrDocData document;
    CMemoryReportRegisters registers;
    CUserOptions options;
    CReportJob job(document, registers, options, kToday);
    for (auto _ : state)
        job.Parse(text, true);
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ParseWordProcessorTemplate)->Unit(benchmark::kMillisecond);

// A PNG of about 30 KB: noise does not compress.
std::vector<std::uint8_t> NoisePng() {
    BitmapInfoHeader header;
    header.biWidth = 176;
    header.biHeight = 176;
    header.biBitCount = 8;
    std::vector<RgbQuad> colours(256);
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 0, 0};
    std::vector<std::uint8_t> pixels(176 * 176);
    std::mt19937 random(7);
    for (std::uint8_t& pixel : pixels)
        pixel = static_cast<std::uint8_t>(random());
    CPing ping;
    if (!ping.EncodeDib(header, colours, pixels))
        throw std::runtime_error("cannot encode the image");
    std::size_t length = 0;
    const std::uint8_t* png = ping.GetPngData(length);
    return {png, png + length};
}

void BM_EmbedPngImages(benchmark::State& state) {
    CMemoryReportRegisters registers;
    CMemoryReportDb& db = registers.Add('u', "UK", "UK Trade Marks");
    CZrDocData document;
    const std::vector<std::uint8_t> png = NoisePng();
    for (std::uint32_t record = 1; record <= kImages; ++record) {
        db.SetRecord(record, {{"APPNUM", std::to_string(record)}});
        db.images[record] = {png};
        document.AddMark(record, 'u', 0, 0, 0, CMark::kPermanentKeep);
    }
    CReportRun run(document, registers,
                   "{\\rtf1\\ansi [[STARTMARK]][[TMNUM]][[STARTIMAGE][FMT=RTFEMPNG][WIDTH=176]"
                   "[HEIGHT=176]][[IMAGE2]][[ENDIMAGE]][[ENDMARK]]}");
    for (auto _ : state)
        run.Run();
    state.counters["png_bytes"] = static_cast<double>(png.size());
    state.counters["bytes"] = run.OutputBytes();
}
BENCHMARK(BM_EmbedPngImages)->Unit(benchmark::kMillisecond);

void BM_ProgressStepWithoutPump(benchmark::State& state) {
    CProgressModel model(SteadyMilliseconds);
    model.Open();
    model.SetRange(0, 1'000'000, 0, 100);
    const std::string text = "Reporting mark 5 of 1000000";
    model.SetProgress(&text, 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.SetProgress(&text, 5));
}
BENCHMARK(BM_ProgressStepWithoutPump)->Unit(benchmark::kNanosecond);

} // namespace
