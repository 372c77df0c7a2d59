// Printing: the word wrapper over 10^4 lines (about 10^5 words, now and then one of the longest,
// 4,095 characters) on the recording surface (target 50 ms) and on a page of the tests'
// PostScript printer (target 1 s); breaking one 4,095-character word there (target 5 ms); laying
// out every page of 1,000 marks of the loopback UK register in long form, records cached (target
// 5 s); and printing them, each item wrapped twice, to measure and to draw. Needs a display
// (xvfb-run).

#include "app/document/ZrDocData.h"
#include "bench/LoopbackEngine.h"
#include "bench/Toolkit.h"
#include "core/UserOptions.h"
#include "registers/ZrDbs.h"
#include "report/print/PrintPresenter.h"
#include "report/print/WordWrapper.h"
#include "report/print/ZrDbsPrintRegisters.h"
#include "report/print/ui/PrintSurface.h"
#include "report/print/ui/ZrPrintout.h"
#include "tests/support/PostScriptPrinter.h"
#include "tests/support/RecordingSurface.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <optional>
#include <random>
#include <unistd.h>
#include <wx/dc.h>

namespace {

constexpr int kWords = 100'000;
constexpr int kMarks = 1'000;
const CZrDate kToday((2024u << 16) | (2u << 8) | 29u);
const CFontSpec kFont{"Arial", 10};

std::string BenchFile(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("zr_bench_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

// Words of 1 to 10 letters; every 10,000th is 4,095 letters long.
std::vector<std::string> Words() {
    std::mt19937 random(11);
    std::vector<std::string> words;
    for (int i = 1; i <= kWords; ++i) {
        const std::size_t length =
            i % 10'000 == 0 ? CPrintPresenter::kMaxWordLength : 1 + random() % 10;
        std::string word;
        for (std::size_t c = 0; c < length; ++c)
            word += static_cast<char>('a' + random() % 26);
        words.push_back(std::move(word));
    }
    return words;
}

// Sets the words, a blank between each two, in a column of that width; answers the lines.
int Wrap(IDrawSurface& surface, const std::vector<std::string>& words, int width,
         bool draw = true) {
    CWordWrapper wrapper(surface, draw, 0, width, 0, 1, 0, 1 << 30);
    for (const std::string& word : words) {
        wrapper.AddWord(word, kFont, false);
        wrapper.AddWord(" ", kFont, false);
    }
    return wrapper.Finish();
}

// A page of the tests' PostScript printer at 600 dots per inch, and the print surface on it.
class CPostScriptSurface {
public:
    CPostScriptSurface() : path_((StartToolkit(), BenchFile("print.ps"))), file_(path_, CPaper{}) {
        file_.Attach(printout_);
        surface_.emplace(printout_);
    }
    ~CPostScriptSurface() {
        surface_.reset();
        printout_.SetDC(nullptr);
        std::filesystem::remove(path_);
    }

    IDrawSurface& Surface() { return *surface_; }

private:
    class CBlankPrintout : public wxPrintout {
    public:
        bool OnPrintPage(int) override { return true; }
    };

    std::string path_;
    CPostScriptFile file_;
    CBlankPrintout printout_;
    std::optional<CPrintSurface> surface_;
};

void BM_WrapWordsRecording(benchmark::State& state) {
    const std::vector<std::string> words = Words();
    CRecordingSurface surface;
    int lines = 0;
    for (auto _ : state) {
        // Ten words of about six characters and a blank a line.
        lines = Wrap(surface, words, 600);
        state.PauseTiming();
        surface.Clear();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
}
BENCHMARK(BM_WrapWordsRecording)->Unit(benchmark::kMillisecond);

void BM_WrapWordsPostScript(benchmark::State& state) {
    const std::vector<std::string> words = Words();
    CPostScriptSurface postScript;
    postScript.Surface().SetFont(kFont);
    const int lineWidth = 10 * postScript.Surface().GetTextExtent("abcdef ").width;
    int lines = 0;
    for (auto _ : state)
        lines = Wrap(postScript.Surface(), words, lineWidth);
    state.counters["lines"] = lines;
}
BENCHMARK(BM_WrapWordsPostScript)->Unit(benchmark::kMillisecond);

void BM_BreakLongestWordPostScript(benchmark::State& state) {
    const std::vector<std::string> word = {std::string(CPrintPresenter::kMaxWordLength, 'w')};
    CPostScriptSurface postScript;
    int lines = 0;
    // Breaking only: the pieces are measured, not drawn.
    for (auto _ : state)
        lines = Wrap(postScript.Surface(), word, 4000, false);
    state.counters["lines"] = lines;
}
BENCHMARK(BM_BreakLongestWordPostScript)->Unit(benchmark::kMillisecond);

// 1,000 marks of the loopback UK register kept in long form, with caches that hold all their
// records and images.
class CLongFormExamination {
public:
    CLongFormExamination() {
        StartToolkit();
        const CLoopbackEngine& loopback = CLoopbackEngine::Get();
        table_.GetTextCache().SetLimits(1, 2 * kMarks, 64 * 1024);
        table_.GetSummaryCache().SetLimits(1, 2 * kMarks, 64 * 1024);
        table_.GetImageCache().SetLimits(1, 4 * kMarks, 256 * 1024);
        uk_.SetEngine(CZrDbEngine('u', CZrDbEngine::kInternet, CZrDate(loopback.DataDate()),
                                  "bench", loopback.Engine(), loopback.Session()),
                      "");
        document_.SetSectionCount(1);
        for (int i = 0; i < kMarks; ++i)
            document_.AddMark(loopback.Ids().at(static_cast<std::size_t>(i)), 'u', 0, 0, 0,
                              CMark::kPermanentKeep | CMark::kLong);
    }
    ~CLongFormExamination() { uk_.SetEngine(CZrDbEngine('u'), ""); }

    std::unique_ptr<CZrPrintout> MakePrintout() {
        return std::make_unique<CZrPrintout>(
            document_, registers_, options_, [] { return kToday; }, "bench");
    }

private:
    CZrDbs table_;
    CZrDb& uk_ = *table_.GetDb('u');
    CZrDbsPrintRegisters registers_{table_};
    CUserOptions options_;
    CZrDocData document_;
};

void BM_LayOutLongFormPostScript(benchmark::State& state) {
    CLongFormExamination examination;
    const std::unique_ptr<CZrPrintout> printout = examination.MakePrintout();
    const std::string path = BenchFile("layout.ps");
    {
        CPostScriptFile file(path, CPaper{});
        file.Attach(*printout);
        printout->OnPreparePrinting(); // fills the caches
        for (auto _ : state)
            printout->OnPreparePrinting();
        printout->SetDC(nullptr);
    }
    std::filesystem::remove(path);
    state.counters["pages"] = printout->GetPageCount();
}
BENCHMARK(BM_LayOutLongFormPostScript)->Unit(benchmark::kMillisecond);

// The same laid out and every page drawn, images and all, into the PostScript file.
void BM_PrintLongFormPostScript(benchmark::State& state) {
    CLongFormExamination examination;
    const std::string path = BenchFile("printed.ps");
    PrintToPostScript(*examination.MakePrintout(), path); // fills the caches
    int pages = 0;
    for (auto _ : state)
        pages = PrintToPostScript(*examination.MakePrintout(), path);
    state.counters["pages"] = pages;
    state.counters["file_mb"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}
BENCHMARK(BM_PrintLongFormPostScript)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
