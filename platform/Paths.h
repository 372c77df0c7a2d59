#pragma once
// Folders and files of the running program and its user.

#include <string>

namespace platform {

// The program's own file, read from /proc/self/exe (no length limit); empty when unreadable.
std::string ExecutablePath();

// The user's home folder ($HOME, else the password database); empty when unknown.
std::string HomeDir();

// The user's documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs, else ~/Documents.
// No trailing separator.
std::string DocumentsDir();

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::string ConfigDir();

} // namespace platform
