// The string finder's list as its list box paints it, under the (virtual) display: 64 lines of
// an aligned list of twelve registers' words, each with its tick box and its registers' flags,
// drawn on the display's device from windows already filled. The target of 1 ms is the list's
// own share (BM_RepaintFromFilledWindows); here the toolkit's text drawing, some 30 us a line
// under Xvfb, comes on top. Run under xvfb-run.

#include "bench/MemoryFinders.h"
#include "core/ui/WxDrawSurface.h"
#include "registers/ZrDbs.h"
#include "search/FinderLineDrawing.h"

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

namespace {

constexpr int kLines = 64;
constexpr int kLineHeight = 16;
constexpr int kWidth = 420;

// The toolkit, unless the views' benchmarks started it.
bool StartToolkit() {
    static const bool started = [] {
        if (wxTheApp)
            return true;
        static char name[] = "zr_bench_ui";
        static char* arguments[] = {name, nullptr};
        int count = 1;
        wxApp::SetInstance(new wxApp);
        return wxInitialize(count, arguments) && wxTheApp->CallOnInit();
    }();
    return started;
}

void BM_PaintSixtyFourFinderLines(benchmark::State& state) {
    if (!StartToolkit()) {
        state.SkipWithError("no display (run under xvfb-run)");
        return;
    }
    const CZrDbs registers;
    CStringFinder finder(bench::CMemoryFinders::Get(), "W", 4, bench::kRegisters,
                         CStringFinder::kDialogPageSize);
    CFinderSelection selection(finder, EFinderList::Strings, {}, true, 12);
    CFinderLineDrawer drawer(selection, registers);
    wxBitmap bitmap(kWidth, kLines * kLineHeight);
    wxMemoryDC dc(bitmap);
    dc.SetFont(*wxNORMAL_FONT);
    CWxDrawSurface surface(dc);
    const auto paint = [&] {
        for (int line = 0; line < kLines; ++line)
            drawer.DrawLine(surface, line,
                            {0, line * kLineHeight, kWidth, (line + 1) * kLineHeight});
    };
    paint();
    for (auto _ : state)
        paint();
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_PaintSixtyFourFinderLines)->Unit(benchmark::kMicrosecond);

} // namespace
