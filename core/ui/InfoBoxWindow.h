#pragma once
// The information box as a window: the message with the check box "Don't show this message
// again.".

#include "core/InfoBox.h"

// Shows the box modally over the top window; true when the check box was ticked.
bool ShowWxInfoBox(const std::string& message, const std::string& caption);

// The program's information messages, remembered in its user settings.
bool ShowInfoBox(const std::string& name, const std::string& message,
                 const std::string& caption = {});
