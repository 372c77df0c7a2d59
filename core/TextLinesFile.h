#pragma once
// Reports saved as plain text, a line each, and the warnings of files that cannot be opened or
// written: "W305 Cannot open: %s due to: %s" and "W306 Cannot write: %s due to: %s" with the
// path and the system's reason.

#include <string>
#include <vector>

std::string CannotOpenText(const std::string& path, const std::string& reason);
std::string CannotWriteText(const std::string& path, const std::string& reason);

// Writes the lines, each ended by "\n"; false with the W305 or W306 text in `message`.
bool SaveTextLines(const std::string& path, const std::vector<std::string>& lines,
                   std::string& message);
