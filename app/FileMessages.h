#pragma once
// The warnings about files, shown in a message box: the W305 and W306 texts of
// core/TextLinesFile.h, among others.

#include <string>

void ShowFileWarning(const std::string& text);
// "W306 Cannot write: %s due to: %s" with the path and the reason.
void ShowCannotWrite(const std::string& path, const std::string& reason);
