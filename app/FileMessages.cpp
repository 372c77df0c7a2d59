#include "app/FileMessages.h"

#include "platform/MessageBox.h"

namespace {

void ShowWarning(const std::string& text) {
    platform::ShowMessageBox(
        {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

} // namespace

void ShowCannotOpen(const std::string& path, const std::string& reason) {
    ShowWarning("W305 Cannot open: " + path + " due to: " + reason);
}

void ShowCannotWrite(const std::string& path, const std::string& reason) {
    ShowWarning("W306 Cannot write: " + path + " due to: " + reason);
}
