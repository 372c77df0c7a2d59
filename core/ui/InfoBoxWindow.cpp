#include "core/ui/InfoBoxWindow.h"

#include "core/UserOptions.h"
#include "core/ui/MessageBoxWindow.h"

#include <wx/app.h>

bool ShowWxInfoBox(const std::string& message, const std::string& caption) {
    CMessageBoxWindow box(wxTheApp->GetTopWindow(), {message, caption},
                          "Don't show this message again.");
    box.Ask();
    return box.IsChecked();
}

bool ShowInfoBox(const std::string& name, const std::string& message, const std::string& caption) {
    return ShowInfoBox(TheUserOptions(), name, message, caption, ShowWxInfoBox);
}
