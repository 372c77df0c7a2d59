#include "app/AppCommand.h"

#include "core/Latin1.h"

namespace {

constexpr std::string_view kScheme = "app:";

} // namespace

bool GetAppCommand(std::string_view url, std::string& command) {
    if (url.size() < kScheme.size() || !EqualNoCaseLatin1(url.substr(0, kScheme.size()), kScheme))
        return false;
    command = url.substr(kScheme.size());
    return true;
}

bool IsCloseCommand(std::string_view command) {
    return EqualNoCaseLatin1(command, "close");
}
