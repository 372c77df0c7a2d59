#pragma once
// Shared objects loaded into the running program.

#include <string>
#include <string_view>

namespace platform {

// The file of the first loaded shared object whose file name (without folder) starts with the
// prefix, with symbolic links resolved; empty when no such object is loaded.
std::string LoadedModuleFile(std::string_view namePrefix);

} // namespace platform
