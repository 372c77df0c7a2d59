#include "core/ui/InfoBoxWindow.h"

#include "core/UserOptions.h"
#include "core/ui/WxText.h"

#include <wx/app.h>
#include <wx/richmsgdlg.h>

bool ShowWxInfoBox(const std::string& message, const std::string& caption) {
    wxRichMessageDialog dialog(wxTheApp->GetTopWindow(), ToWx(message), ToWx(caption),
                               wxOK | wxICON_INFORMATION);
    dialog.ShowCheckBox("Don't show this message again.");
    dialog.ShowModal();
    return dialog.IsCheckBoxChecked();
}

bool ShowInfoBox(const std::string& name, const std::string& message, const std::string& caption) {
    return ShowInfoBox(TheUserOptions(), name, message, caption, ShowWxInfoBox);
}
