// The options' and diagnostics' windows and the shared lists: opening the Options sheet
// (target below 200 ms), the database selection panel laid out again after a click (below
// 2 ms), 64 lines of the virtual list box painted (below 5 ms), the diagnostics report over an
// examination of 10^5 marks (below 2 s), and the longest step of that report into its window's
// list (below 50 ms, so that the window stays live). All but the report need a display
// (xvfb-run).

#include "app/controls/ui/HScrollListBox.h"
#include "app/controls/ui/VListBox.h"
#include "app/dialogs/DiagnosticsReport.h"
#include "app/document/ZrDocData.h"
#include "app/options/OptionSheet.h"
#include "app/options/ui/OptionChoosers.h"
#include "app/options/ui/OptionSheetDlg.h"
#include "bench/Toolkit.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "core/ui/WxDrawSurface.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

namespace {

// The settings, the register table's stand-in and a repository without engines.
struct COptionsContext {
    COptionsContext() { StartToolkit(); }
    CSystemOptions system;
    CUserOptions user;
    CZrRepository repository{system, user};
    CDbSelection catalogue;
    CWxOptionChoosers choosers;
};

void BM_OpenOptionsSheet(benchmark::State& state) {
    COptionsContext context;
    for (auto _ : state) {
        COptionSheet sheet = MakeOptionsSheet({context.user, context.system, GetRegisterTable(),
                                               context.repository, context.catalogue});
        auto* dialog = new COptionSheetDlg(nullptr, sheet, context.choosers);
        dialog->Show();
        state.PauseTiming();
        dialog->Destroy();
        wxTheApp->ProcessPendingEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenOptionsSheet)->Unit(benchmark::kMillisecond);

// A click on the row of the index: the first is a group's, which moves every row below it; the
// second is a database's.
void BM_SelectionPanelClick(benchmark::State& state) {
    COptionsContext context;
    CDbSelection catalogue;
    catalogue.SelectAllGroups(true);
    CDbSelectionPanel panel(GetRegisterTable(), context.repository);
    panel.SetControls({13, true, true, true});
    panel.Init(catalogue, "", "");
    auto* frame = new wxFrame(nullptr, wxID_ANY, "panel");
    auto* window = new CDbSelectionPanelWnd(frame, panel);
    frame->SetClientSize(window->GetMinSize());
    frame->Show();
    auto* row = static_cast<wxCheckBox*>(frame->FindWindow(
        CDbSelectionPanelWnd::kCheckIds[static_cast<std::size_t>(state.range(0))]));
    for (auto _ : state) {
        row->SetValue(!row->GetValue());
        wxCommandEvent click(wxEVT_CHECKBOX, row->GetId());
        click.SetEventObject(row);
        row->GetEventHandler()->ProcessEvent(click);
    }
    frame->Destroy();
    wxTheApp->ProcessPendingEvents();
}
BENCHMARK(BM_SelectionPanelClick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintVirtualLines(benchmark::State& state) {
    StartToolkit();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "lines");
    auto* list = new CVListBox(frame, wxID_ANY);
    // Room for more than the 64 lines the list shows at most.
    list->SetSize(600, 64 * 40);
    wxBitmap bitmap(list->GetClientSize(), 24);
    wxMemoryDC dc(bitmap);
    dc.SetFont(list->GetFont());
    CWxDrawSurface surface(dc);
    if (list->GetVisibleLines() != CVirtualLines::kMaxVisibleLines)
        state.SkipWithError("the list does not show 64 lines");
    for (auto _ : state)
        list->PaintLines(surface);
    frame->Destroy();
    wxTheApp->ProcessPendingEvents();
}
BENCHMARK(BM_PaintVirtualLines)->Unit(benchmark::kMillisecond);

// An examination of marks over four registers, every engine answering at once.
class CBenchDiagnostics : public IDiagnosticsSource {
public:
    explicit CBenchDiagnostics(int marks) {
        for (int i = 0; i < marks; ++i)
            examination_.AddMark(static_cast<std::uint32_t>(i), "ucde"[i % 4], i % 4, i % 50, i + 1,
                                 0);
    }
    std::string GetSystemName() const override { return "Linux"; }
    std::vector<std::pair<std::string, std::string>> GetModuleVersions() const override {
        return {};
    }
    CDiagnosticsFolders GetFolders() const override { return {}; }
    std::vector<CRepositoryEngine> GetRepositoryEngines() const override {
        return std::vector<CRepositoryEngine>(24, {"UK on Internet(uk)", true});
    }
    std::future<CEngineVersion> AskEngineVersion(std::size_t) override {
        std::promise<CEngineVersion> answer;
        answer.set_value({true, "1.0"});
        return answer.get_future();
    }
    std::vector<CRegisterEngines> GetRegisters() const override { return {}; }
    std::uint64_t GetTotalMemory() const override { return 1 << 30; }
    int GetMemoryLoad() const override { return 50; }
    CCacheFigures GetSummaryCache() const override { return {}; }
    CCacheFigures GetTextCache() const override { return {}; }
    CCacheFigures GetImageCache() const override { return {}; }
    std::vector<std::pair<std::string, std::string>> GetJobs() const override { return {}; }
    const CZrDocData* GetExamination() const override { return &examination_; }
    std::string FormatAppNum(const CMark& mark) const override {
        return std::to_string(mark.GetAppNumber());
    }

private:
    CZrDocData examination_;
};

void BM_DiagnosticsReport(benchmark::State& state) {
    CBenchDiagnostics source(static_cast<int>(state.range(0)));
    std::size_t lineCount = 0;
    for (auto _ : state) {
        CDiagnosticsReport report(source, true);
        std::vector<std::string> lines;
        while (report.Step(lines) != CDiagnosticsReport::EStep::Done) {
        }
        lineCount = lines.size();
    }
    state.counters["lines"] = static_cast<double>(lineCount);
}
BENCHMARK(BM_DiagnosticsReport)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The report with its lines added to the list as the dialog adds them; the window takes its
// events only between steps, so the longest step is how long it can stay frozen.
void BM_DiagnosticsStepsIntoList(benchmark::State& state) {
    StartToolkit();
    CBenchDiagnostics source(static_cast<int>(state.range(0)));
    auto* frame = new wxFrame(nullptr, wxID_ANY, "report");
    auto* list = new CHScrollListBox(frame, wxID_ANY);
    frame->Show();
    double longestMs = 0;
    for (auto _ : state) {
        list->Clear();
        CDiagnosticsReport report(source, true);
        std::vector<std::string> lines;
        for (auto step = CDiagnosticsReport::EStep::Lines;
             step != CDiagnosticsReport::EStep::Done;) {
            const auto start = std::chrono::steady_clock::now();
            lines.clear();
            step = report.Step(lines);
            for (const std::string& line : lines)
                list->Append(line);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            longestMs = std::max(longestMs, took.count());
        }
    }
    state.counters["longest_step_ms"] = longestMs;
    frame->Destroy();
    wxTheApp->ProcessPendingEvents();
}
BENCHMARK(BM_DiagnosticsStepsIntoList)->Arg(20'000)->Unit(benchmark::kMillisecond);

} // namespace
