#pragma once
// The warnings about files that cannot be opened or written, shown in message boxes:
// "W305 Cannot open: %s due to: %s" and "W306 Cannot write: %s due to: %s" with the path and the
// system's reason.

#include <string>

void ShowCannotOpen(const std::string& path, const std::string& reason);
void ShowCannotWrite(const std::string& path, const std::string& reason);
