// The difference check's speed targets: each register's parser on a 50 KB details page, each
// comparer on a parsed page of 10 owners and 45 classes, and a run over 1,000 kept marks of the
// eight checked registers with records from the local service and pages from a loopback server.
//
// Targets (Release): parse <= 1 ms; compare <= 50 us; the run <= 5 s, of which the client's own
// work (the run thread's processor time: reading records, fetching, parsing, comparing) <= 1 s,
// reported as own_s beside the run's wall time.

#include "bench/LoopbackEngine.h"
#include "engines/Orb.h"
#include "engines/ZrDbEngineSet.h"
#include "registers/ZrDbs.h"
#include "tests/core/RecordBytes.h"
#include "tests/support/RegisterPageMaker.h"
#include "tests/support/WebServer.h"
#include "web/DiffRun.h"
#include "web/Diffs.h"

#include <benchmark/benchmark.h>
#include <cctype>
#include <ctime>
#include <stdexcept>

namespace {

constexpr std::size_t kPageBytes = 50 * 1024;
constexpr const char* kCheckedRegisters = "acdeiksu";
constexpr std::uint32_t kMarksPerRegister = 125;

// A record of 10 owners and 45 goods classes of some 100 characters each.
CZrData LargeRecord(char code) {
    PairList owners;
    for (int i = 0; i < 10; ++i)
        owners.emplace_back("Owner " + std::to_string(i) + " Holdings Ltd",
                            std::to_string(i) + " High Street\\London\\GB");
    PairList goods;
    std::string classes;
    for (int niceClass = 1; niceClass <= 45; ++niceClass) {
        std::string text;
        while (text.size() < 100)
            text += "Goods of class " + std::to_string(niceClass) + "; ";
        goods.emplace_back(std::to_string(niceClass), text);
        classes += (classes.empty() ? "" : ", ") + std::to_string(niceClass);
    }
    return record_bytes::TextRecord({{"WORDMARK", "ACME ZENITH"},
                                     {"STATUS", "Registered"},
                                     {"APPDATE", "5 Jan 2004"},
                                     {"REGDATE", "6 Jul 2004"},
                                     {"CLASSES", classes},
                                     {"APPNUM", code == 'u' ? "2000001" : "0001"},
                                     {"SERNUM", "75000001"},
                                     {"JOURNAL", "12"},
                                     {"MKDUR", "10"},
                                     {"PROPS", FormatPairList(owners)},
                                     {"AGENTS", FormatPairList({owners[0]})},
                                     {"SERVS", FormatPairList({owners[1]})},
                                     {"GOODS", FormatPairList(goods)}});
}

// The register's page of the record, made up to 50 KB with paragraphs of remarks before it.
std::string LargePage(char code, const CZrData& record) {
    const std::string content = CRegisterPageMaker::Render(code, record, PageChange::None);
    std::string page;
    while (page.size() + content.size() < kPageBytes)
        page += "<p class=remark>Printed from the register &amp; not binding; see the <a "
                "href='/terms'>terms of use</a> for the data shown below.</p>\n";
    return page + content;
}

template <typename Diff>
void BM_ParseDetailsPage(benchmark::State& state, char code) {
    const std::string page = LargePage(code, LargeRecord(code));
    for (auto _ : state) {
        typename Diff::PageType parsed;
        parsed.ParseBuffer(page);
        benchmark::DoNotOptimize(parsed.GetError());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

template <typename Diff>
void BM_CompareDetails(benchmark::State& state, char code) {
    const CZrData record = LargeRecord(code);
    typename Diff::PageType parsed;
    parsed.ParseBuffer(LargePage(code, record));
    Diff diff;
    for (auto _ : state) {
        CDiffLines lines;
        diff.CompareDetails(parsed, record, lines);
        benchmark::DoNotOptimize(lines.TakeLines());
    }
}

template <typename Diff>
void Register(const std::string& name, char code) {
    benchmark::RegisterBenchmark(("BM_ParseDetailsPage/" + name).c_str(), BM_ParseDetailsPage<Diff>,
                                 code)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_CompareDetails/" + name).c_str(), BM_CompareDetails<Diff>,
                                 code)
        ->Unit(benchmark::kMicrosecond);
}

const bool kRegistered = [] {
    Register<CDiffA6>("A6", 'a');
    Register<CDiffCtm>("Ctm", 'c');
    Register<CDiffDe>("De", 'd');
    Register<CDiffIe>("Ie", 'e');
    Register<CDiffIn>("In", 'i');
    Register<CDiffUkdom>("Ukdom", 'k');
    Register<CDiffUs>("Us", 's');
    Register<CDiffUk>("Uk", 'u');
    return true;
}();

// The service with the eight checked registers, their pages on a loopback server, and 1,000
// marks to check.
class CCheckedRegisters {
public:
    static CCheckedRegisters& Get() {
        static CCheckedRegisters registers;
        return registers;
    }
    ~CCheckedRegisters() {
        table_.SetEngines(CZrDbEngineSet());
        service_.Stop();
        ShutdownOrb();
    }

    CZrDbs& Table() { return table_; }
    const std::vector<CMark>& Marks() const { return marks_; }
    CWebServers Servers() const {
        CWebServers servers;
        for (std::size_t i = 0; i < CWebServers::kCount; ++i)
            servers.Set(static_cast<WebServer>(i), server_.BaseUrl());
        return servers;
    }

private:
    CCheckedRegisters() {
        if (!InitOrb())
            throw std::runtime_error("cannot start the ORB");
        std::string error;
        if (!service_.Start({kMarksPerRegister, kCheckedRegisters}, error))
            throw std::runtime_error(error);
        EngineInfoSeq_var engines = LogOnToRemote(service_);
        table_.GetTextCache().SetLimits(1, 2000, 65536);
        for (CORBA::ULong i = 0; i < engines->length(); ++i) {
            const EngineInfo& info = engines[i];
            const char code = static_cast<char>(std::tolower(static_cast<char>(info.dbCode)));
            // The retired engine of a register has no data date.
            if (info.dataDate == 0)
                continue;
            table_.GetDb(code)->SetEngine(CZrDbEngine(info.dbCode, CZrDbEngine::kInternet,
                                                      CZrDate(info.dataDate), info.name.in(),
                                                      info.engine.in(), info.sessionId),
                                          "");
            for (const CORBA::ULong id : SearchAll(info.engine.in(), info.sessionId)) {
                marks_.emplace_back(id, code, 0, 0);
                std::string ignored;
                pages_.Add(code, *table_.GetDb(code)->GetTextRecord(marks_.back(), ignored));
            }
        }
    }

    CTestServiceProcess service_;
    CZrDbs table_;
    LoopbackWebServer server_;
    CRegisterPageMaker pages_{server_};
    std::vector<CMark> marks_;
};

double ThreadSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The run as the dialog's worker makes it, on this thread; records come from the engines anew.
void BM_ThousandMarksOverLoopback(benchmark::State& state) {
    CCheckedRegisters& registers = CCheckedRegisters::Get();
    double own = 0;
    for (auto _ : state) {
        registers.Table().GetTextCache().Clear();
        const double start = ThreadSeconds();
        CDiffRun run(registers.Table(), registers.Marks());
        CDiffChecker checker(registers.Servers());
        benchmark::DoNotOptimize(run.RunHere(checker));
        own += ThreadSeconds() - start;
    }
    state.counters["marks"] = static_cast<double>(registers.Marks().size());
    state.counters["own_s"] = own / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ThousandMarksOverLoopback)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
