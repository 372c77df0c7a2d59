#pragma once
// The toolkit for the benchmarks of windows, started once per benchmark program on the
// (virtual) display; the benchmarks need xvfb-run without a display of their own.

#include <stdexcept>
#include <wx/app.h>
#include <wx/init.h>

inline void StartToolkitOnce() {
    if (wxTheApp)
        return;
    static char name[] = "zr_bench";
    static char* arguments[] = {name, nullptr};
    int count = 1;
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(count, arguments) || !wxTheApp->CallOnInit())
        throw std::runtime_error("no display (run under xvfb-run)");
}
