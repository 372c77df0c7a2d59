// The application shell against the local search service with twelve registers: start-up to the
// main window (ORB, settings, automatic login over the service, new examination, main window;
// the service's own start excluded; target below 1 s), and File > Open of an examination of
// 10^5 marks over those registers, with its database check against their engines (target below
// 150 ms). Needs a display (xvfb-run).

#include "app/ui/MainFrame.h"
#include "app/ui/ZrProgram.h"
#include "bench/Toolkit.h"
#include "core/IniFile.h"
#include "core/SystemOptions.h"
#include "engines/Orb.h"
#include "tests/app/ui/NewExamScript.h"
#include "tests/support/WxTestSupport.h"
#include "testsvc/launch/TestServiceProcess.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dialog.h>

namespace {

constexpr const char* kRegisters = "acdeiknopstu";
constexpr int kMarks = 100'000;

class CNoFileDialogs : public IFileDialogs {
public:
    bool Ask(const CFileDialogRequest&, std::string&) override { return false; }
};

// The service, a folder with the system settings and a saved automatic login, and the toolkit.
class CShellBench {
public:
    static CShellBench* Get() {
        static std::optional<CShellBench> bench;
        static std::string failure;
        if (!bench && failure.empty()) {
            try {
                bench.emplace();
            } catch (const std::exception& e) {
                failure = e.what();
            }
        }
        return bench ? &*bench : nullptr;
    }
    ~CShellBench() {
        service_.Stop();
        std::filesystem::remove_all(folder_);
    }

    // Started on a saved examination, as from a file manager: no new-examination wizard.
    std::unique_ptr<CZrProgram> MakeProgram(std::vector<std::string> arguments) {
        return std::make_unique<CZrProgram>(
            CZrProgram::Options{std::move(arguments), (folder_ / "prog").string(),
                                (folder_ / "ZR2000.ini").string(), &dialogs_});
    }
    std::unique_ptr<CZrProgram> MakeProgram() { return MakeProgram({EmptyExamPath()}); }
    std::string ExamPath() const { return (folder_ / "large.zre").string(); }
    std::string EmptyExamPath() const { return (folder_ / "empty.zre").string(); }

    CShellBench()
        : folder_(std::filesystem::temp_directory_path() /
                  ("zr_shell_bench_" + std::to_string(::getpid()))) {
        StartToolkit();
        if (!InitOrb())
            throw std::runtime_error("cannot start the ORB");
        std::string error;
        if (!service_.Start({8334, kRegisters}, error))
            throw std::runtime_error(error);
        std::filesystem::create_directories(folder_ / "prog");
        std::filesystem::create_directories(folder_ / "home");
        std::ofstream(folder_ / "prog/ZrSystem.ini")
            << "[Locations]\nHome=" << (folder_ / "home").string()
            << "\n[Repository]\nRemote1=" << service_.Addresses().remote
            << "\nLocal=" << service_.Addresses().local << "\n";
        CSystemOptions settings;
        settings.Load((folder_ / "prog").string());
        settings.SaveDefaultLogin("TESTCO", "examiner", "secret");
        CIniFile((folder_ / "prog/ZrSystem.ini").string())
            .WriteBool("DefaultLogin", "AutoLogin", true);
        WriteLargeExamination();
    }

private:
    // An empty examination, made in the new-examination wizard, and 10^5 marks of one search over
    // the twelve registers, saved by the program itself.
    void WriteLargeExamination() {
        wx_test::DialogScripts wizard;
        wizard.Add(FinishNewExamination);
        std::unique_ptr<CZrProgram> program = MakeProgram({});
        if (!program->MakeStartup().Run())
            throw std::runtime_error("the program did not start");
        CZR2000Doc& document = program->GetDocument();
        if (!document.OnSaveDocument(EmptyExamPath()))
            throw std::runtime_error("cannot save the examination");
        CSearch search(1);
        search.GetCriteria().ResetWithDbIds(kRegisters);
        const int id = document.AddSearch(search);
        std::vector<CMark> marks;
        for (int i = 0; i < kMarks; ++i)
            marks.emplace_back(1 + i / 12, kRegisters[i % 12], 1, id, 1000 + i, 0);
        std::sort(marks.begin(), marks.end());
        document.MergeMarks(marks);
        if (!document.OnSaveDocument(ExamPath()))
            throw std::runtime_error("cannot save the examination");
    }

    std::filesystem::path folder_;
    CTestServiceProcess service_;
    CNoFileDialogs dialogs_;
};

void BM_StartupToMainWindow(benchmark::State& state) {
    CShellBench* bench = CShellBench::Get();
    if (!bench) {
        state.SkipWithError("no display or no service");
        return;
    }
    for (auto _ : state) {
        std::unique_ptr<CZrProgram> program = bench->MakeProgram();
        if (!program->MakeStartup().Run() || !program->GetMainFrame()->IsShown())
            state.SkipWithError("the main window did not open");
        state.PauseTiming();
        program.reset();
        PumpEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_FileOpen100kMarks(benchmark::State& state) {
    CShellBench* bench = CShellBench::Get();
    if (!bench) {
        state.SkipWithError("no display or no service");
        return;
    }
    std::unique_ptr<CZrProgram> program = bench->MakeProgram();
    if (!program->MakeStartup().Run()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        if (!program->GetDocManager().OpenDocumentFile(bench->ExamPath()) ||
            program->GetDocument().GetMarkCount() != kMarks)
            state.SkipWithError("the examination did not open whole");
    }
    state.SetItemsProcessed(state.iterations() * kMarks);
    program.reset();
    PumpEvents();
}
BENCHMARK(BM_FileOpen100kMarks)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
