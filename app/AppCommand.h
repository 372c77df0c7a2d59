#pragma once
// The program's own pages (the maker's announcements) command the window that shows them through
// links to "app:" followed by a command, the scheme in any case; the browser never opens them.

#include <string>
#include <string_view>

// The command of an "app:" address; false for any other address.
bool GetAppCommand(std::string_view url, std::string& command);
// "close", in any case, closes the window.
bool IsCloseCommand(std::string_view command);
