#include "app/Help.h"

#include "core/SmallHelpers.h"
#include "platform/MessageBox.h"

namespace {

void ShowExclamation(const std::string& text) {
    platform::ShowMessageBox(
        {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

} // namespace

std::string ChmHelpPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.size() - dot - 1 < 3)
        return path;
    return path.substr(0, dot) + ".chm";
}

std::string CHelp::GetTopicAddress(const std::string& topic) const {
    if (topic.empty())
        return helpFile_;
    return helpFile_ + "::/man/" + topic + ".htm";
}

void CHelp::ShowHelp(int contextId) {
    ShowHelpTopic(FormatHex(contextId));
}

void CHelp::ShowHelpTopic(const std::string& topic) {
    if (showContext_) {
        ShowExclamation(topic.empty()
                            ? "Showing help file '" + helpFile_ + "'"
                            : "Showing help context: '" + topic + "' in '" + helpFile_ + "'");
    }
    if (opener_(GetTopicAddress(topic)) > 32)
        return;
    ShowExclamation(topic.empty() ? "W322 Failed to start HTML help '" + helpFile_ + "'"
                                  : "W323 Failed to find HTML help context '" + topic + "' in '" +
                                        helpFile_ + "'");
}
