#include "core/ui/WxMessageBoxes.h"

#include "core/ui/MessageBoxWindow.h"

#include <wx/app.h>
#include <wx/toplevel.h>

namespace {

// The window the user works in, else the main window: the box opens over it.
wxWindow* WindowInUse() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* top = dynamic_cast<wxTopLevelWindow*>(window);
            top && top->IsActive() && top->IsShown() && !top->IsBeingDeleted())
            return top;
    return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}

} // namespace

platform::MessageAnswer ShowWxMessageBox(const platform::Message& message) {
    CMessageBoxWindow box(WindowInUse(), message);
    return box.Ask();
}
