#pragma once
// Information messages with a "Don't show this message again." box: each has a name under
// which the user settings remember that it is not to be shown any more.

#include <functional>
#include <string>

class CUserOptions;

// Shows the message under the caption modally; true when the box was ticked.
using InfoBoxShower = std::function<bool(const std::string& message, const std::string& caption)>;

// Shows the message unless its name was switched off ([ShowMsgId]); ticking the box switches it
// off. An empty caption is "RO Vedaridarevu". True when the message was shown.
bool ShowInfoBox(CUserOptions& user, const std::string& name, const std::string& message,
                 const std::string& caption, const InfoBoxShower& show);
