#include "bench/Toolkit.h"

#include <stdexcept>
#include <wx/app.h>
#include <wx/init.h>

void StartToolkit() {
    static const bool started = [] {
        static char name[] = "zr_bench";
        static char* arguments[] = {name, nullptr};
        int count = 1;
        wxApp::SetInstance(new wxApp);
        return wxEntryStart(count, arguments) && wxTheApp->CallOnInit();
    }();
    if (!started)
        throw std::runtime_error("no display (run under xvfb-run)");
}

void PumpEvents() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
}
