// One search over twelve engines of the local service that finds 10^5 marks in all, run as the
// progress dialog runs it (start, polls, chunked collection into the examination's marks). The
// same engine calls made bare give the time of the service's calls; the rest is the client's own
// time, reported as client_share_pct (target: below 10 %), with marks_ms the part of it spent
// making the examination's marks. Run twice: with the ticks back to back (searches end at the
// first poll), and paced by the dialog's 200 ms timer (searches end at the third poll).

#include "core/Criteria.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/ExamDocument.h"
#include "engines/Orb.h"
#include "engines/Repository.h"
#include "engines/SearchProgress.h"
#include "engines/ZrDbEngineSet.h"
#include "registers/EngineRegisterTable.h"
#include "registers/ZrDbs.h"
#include "tests/engines/TestExamDocument.h"
#include "testsvc/idl/ZrTestControl.hh"
#include "testsvc/launch/TestServiceProcess.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kRegisters = "acdeiknopstu";
constexpr std::uint32_t kMarksPerRegister = 8334; // 12 x 8334 = 100008 hits

// The tests' examination document, timing the merges of found marks.
class CBenchDocument : public CTestExamDocument {
public:
    int AddFoundMarks(std::span<const CRecordSet> sets, int section, int searchId, bool keep,
                      bool isLong) override {
        const auto start = Clock::now();
        const int added = CTestExamDocument::AddFoundMarks(sets, section, searchId, keep, isLong);
        mergeTime_ += Clock::now() - start;
        return added;
    }
    Clock::duration TakeMergeTime() { return std::exchange(mergeTime_, {}); }

    // A fresh examination with one search of every record of the registers.
    int Reset() {
        Marks().RemoveAll();
        Searches().RemoveAll();
        return AddSearchOfAll(kRegisters);
    }
    int MarkCount() { return Marks().GetCount(); }

private:
    Clock::duration mergeTime_{};
};

// The service, a logged-on repository connection and the registers with their engines.
class CTwelveEngines {
public:
    static CTwelveEngines& Get() {
        static CTwelveEngines engines;
        return engines;
    }
    ~CTwelveEngines() {
        repository_.DisconnectAll();
        control_ = ZrTestControl::_nil();
        InstallRegisterServices(nullptr);
        zrDbs_.SetEngines(CZrDbEngineSet());
        service_.Stop();
        std::filesystem::remove_all(folder_);
        ShutdownOrb();
    }

    CSearchServices Services() { return {table_, user_, system_, repository_}; }
    // Searches end at the given poll.
    void SetPolls(unsigned polls) { control_->SetEngineFault("*", "polls", "", polls); }
    CBenchDocument& Document() { return document_; }

    // The calls of one run made bare: start, poll to the end and once more, the results in
    // their chunks, and Dispose where the ids did not all come at once.
    void RunBare() {
        CCriteria all;
        all.ResetWithDbIds(kRegisters);
        all.FillDefaults();
        const std::string criteria = all.WriteEngineText();
        std::vector<ZrEngineSearch_var> searches;
        for (char code : std::string(kRegisters)) {
            const CZrDbEngine engine = zrDbs_.GetDb(code)->GetDbEngine();
            CORBA::Boolean started = false;
            searches.push_back(engine.GetEngine()->StartSearch2(
                engine.GetSessionId(), criteria.c_str(), "", "Bench", "B-1", 0, started));
        }
        for (bool allDone = false; !allDone;) {
            allDone = true;
            for (auto& search : searches) {
                CORBA::String_var status;
                allDone = search->GetProgress(status.out()) && allDone;
            }
        }
        for (auto& search : searches) {
            CORBA::String_var status;
            search->GetProgress(status.out());
            CORBA::ULong total = 0;
            UlongSeq_var first = search->GetResults(total);
            for (CORBA::ULong from = first->length(); from < total;) {
                UlongSeq_var chunk = search->GetMarks(from, std::min(from + 16384, total - 1));
                from += chunk->length();
            }
            if (first->length() < total)
                search->Dispose();
        }
    }

private:
    CTwelveEngines()
        : folder_(std::filesystem::temp_directory_path() /
                  ("zr_bench_" + std::to_string(::getpid()))) {
        if (!InitOrb())
            throw std::runtime_error("cannot start the ORB");
        std::string error;
        if (!service_.Start({kMarksPerRegister, kRegisters}, error))
            throw std::runtime_error(error);
        CORBA::Object_var object = GetOrb()->string_to_object(service_.Addresses().control.c_str());
        control_ = ZrTestControl::_narrow(object);

        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "ZrSystem.ini")
            << "[Locations]\nHome=" << folder_.string()
            << "\n[Repository]\nRemote1=" << service_.Addresses().remote << "\n";
        system_.Load(folder_.string());
        InstallRegisterServices(&zrDbs_);
        std::string localError, remoteError;
        if (!repository_.Connect("TESTCO", "examiner", "secret", localError, remoteError))
            throw std::runtime_error(remoteError);
        CZrDbEngineSet engines;
        for (char code : std::string(kRegisters))
            engines.AddEngine(repository_.GetPreferredEngine(code), "");
        zrDbs_.SetEngines(engines);
    }

    std::filesystem::path folder_;
    CTestServiceProcess service_;
    ZrTestControl_var control_;
    CSystemOptions system_;
    CUserOptions user_;
    CZrDbs zrDbs_;
    CEngineRegisterTable table_{zrDbs_};
    CZrRepository repository_{system_, user_, &table_};
    CBenchDocument document_;
};

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// Runs the benchmark's searches; with a tick period the ticks wait for it as the timer would, and
// the waits count neither as the client's nor as the service's time.
void RunSearches(benchmark::State& state, unsigned polls, std::chrono::milliseconds tickPeriod) {
    CTwelveEngines& engines = CTwelveEngines::Get();
    engines.SetPolls(polls);
    double bare = 0, run = 0, waited = 0, marks = 0;
    for (auto _ : state) {
        const auto bareStart = Clock::now();
        engines.RunBare();
        const auto runStart = Clock::now();
        bare += Seconds(runStart - bareStart);

        const int searchId = engines.Document().Reset();
        CSearchProgress progress(engines.Document(), engines.Services());
        progress.AddSearch(searchId);
        progress.Begin();
        while (!progress.IsEnded()) {
            const auto waitStart = Clock::now();
            std::this_thread::sleep_for(tickPeriod);
            waited += Seconds(Clock::now() - waitStart);
            progress.Tick();
        }
        const auto runEnd = Clock::now();
        run += Seconds(runEnd - runStart);
        marks += Seconds(engines.Document().TakeMergeTime());
        state.SetIterationTime(Seconds(runEnd - runStart));
        if (progress.GetResult() != CSearchProgress::Result::Ok ||
            engines.Document().MarkCount() != 12 * static_cast<int>(kMarksPerRegister))
            state.SkipWithError("the run did not collect every hit");
    }
    const double runs = static_cast<double>(state.iterations());
    const double client = run - waited - bare;
    state.counters["run_ms"] = run / runs * 1000;
    state.counters["service_calls_ms"] = bare / runs * 1000;
    state.counters["client_ms"] = client / runs * 1000;
    state.counters["marks_ms"] = marks / runs * 1000;
    state.counters["client_share_pct"] = run > 0 ? client / run * 100 : 0;
    state.SetItemsProcessed(state.iterations() * 12 * kMarksPerRegister);
}

void BM_SearchTwelveEnginesBackToBack(benchmark::State& state) {
    RunSearches(state, 1, std::chrono::milliseconds(0));
}
BENCHMARK(BM_SearchTwelveEnginesBackToBack)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_SearchTwelveEnginesTimerPaced(benchmark::State& state) {
    RunSearches(state, 3, std::chrono::milliseconds(CSearchProgress::kTimerPeriodMs));
}
BENCHMARK(BM_SearchTwelveEnginesTimerPaced)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
