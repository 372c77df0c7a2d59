#include "core/ui/WxMessageBoxes.h"

#include "core/AppTitle.h"
#include "core/ui/WxText.h"

#include <wx/msgdlg.h>

namespace {

long ButtonStyle(const platform::Message& message) {
    using platform::MessageButtons;
    switch (message.buttons) {
    case MessageButtons::Ok:
        return wxOK;
    case MessageButtons::OkCancel:
        return wxOK | wxCANCEL | (message.secondIsDefault ? wxCANCEL_DEFAULT : 0);
    case MessageButtons::YesNo:
        return wxYES_NO | (message.secondIsDefault ? wxNO_DEFAULT : 0);
    case MessageButtons::YesNoCancel:
        return wxYES_NO | wxCANCEL | (message.secondIsDefault ? wxNO_DEFAULT : 0);
    }
    return wxOK;
}

long IconStyle(platform::MessageIcon icon) {
    using platform::MessageIcon;
    switch (icon) {
    case MessageIcon::Information:
        return wxICON_INFORMATION;
    case MessageIcon::Warning:
        return wxICON_WARNING;
    case MessageIcon::Error:
        return wxICON_ERROR;
    case MessageIcon::Question:
        return wxICON_QUESTION;
    }
    return wxICON_INFORMATION;
}

platform::MessageAnswer ToAnswer(int id) {
    switch (id) {
    case wxID_YES:
        return platform::MessageAnswer::Yes;
    case wxID_NO:
        return platform::MessageAnswer::No;
    case wxID_CANCEL:
        return platform::MessageAnswer::Cancel;
    default:
        return platform::MessageAnswer::Ok;
    }
}

} // namespace

platform::MessageAnswer ShowWxMessageBox(const platform::Message& message) {
    const std::string& caption = message.caption.empty() ? kAppTitle : message.caption;
    // Without a parent of its own the box opens over the window the user works in, else over
    // the main window.
    wxMessageDialog dialog(nullptr, ToWx(message.text), ToWx(caption),
                           ButtonStyle(message) | IconStyle(message.icon));
    return ToAnswer(dialog.ShowModal());
}
