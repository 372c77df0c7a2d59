#include "core/ui/WindowInUse.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

namespace {

bool IsUsable(const wxWindow& window) {
    return window.IsShown() && !window.IsBeingDeleted();
}

} // namespace

wxWindow* WindowInUse() {
    // Top-level windows are listed in the order they were made: the last modal dialog is the
    // innermost.
    wxWindow* modal = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<wxDialog*>(window);
            dialog && dialog->IsModal() && IsUsable(*dialog))
            modal = dialog;
    if (modal)
        return modal;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* top = dynamic_cast<wxTopLevelWindow*>(window);
            top && top->IsActive() && IsUsable(*top))
            return top;
    return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}
