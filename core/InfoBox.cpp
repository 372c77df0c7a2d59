#include "core/InfoBox.h"

#include "core/AppTitle.h"
#include "core/UserOptions.h"

bool ShowInfoBox(CUserOptions& user, const std::string& name, const std::string& message,
                 const std::string& caption, const InfoBoxShower& show) {
    if (!user.GetShowMsgId(name))
        return false;
    if (show(message, caption.empty() ? kAppTitle : caption))
        user.ClearShowMsgId(name);
    return true;
}
