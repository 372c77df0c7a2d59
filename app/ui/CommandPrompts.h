#pragma once
// What the status bar says of a menu item or tool while the pointer is over it.

#include <string>

// The prompt of the command; "" for a command without one.
std::string CommandPrompt(int id);
