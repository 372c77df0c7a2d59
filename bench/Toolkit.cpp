#include "bench/Toolkit.h"

#include <wx/app.h>
#include <wx/init.h>

bool StartToolkit() {
    static const bool started = [] {
        static char name[] = "zr_bench";
        static char* arguments[] = {name, nullptr};
        int count = 1;
        wxApp::SetInstance(new wxApp);
        return wxEntryStart(count, arguments) && wxTheApp->CallOnInit();
    }();
    return started;
}

void PumpEvents() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
}
