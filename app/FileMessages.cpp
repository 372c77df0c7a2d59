#include "app/FileMessages.h"

#include "core/TextLinesFile.h"
#include "platform/MessageBox.h"

void ShowFileWarning(const std::string& text) {
    platform::ShowMessageBox(
        {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

void ShowCannotWrite(const std::string& path, const std::string& reason) {
    ShowFileWarning(CannotWriteText(path, reason));
}
