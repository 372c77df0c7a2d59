#pragma once
// Replacing a file's whole contents so that a crash or a full disc never leaves it half written.

#include <string>

namespace platform {

enum class FileAccess {
    Keep,      // the replaced file's permissions, or the usual ones for a new file
    OwnerOnly, // readable and writable by the owner alone (0600): files that hold a password
};

// Writes the contents to a temporary file in the same folder, flushes it to the disc and renames
// it over the path; a symbolic link is followed, so the link stays and its target is replaced.
// On failure the old file is untouched, the temporary file is removed and the error is described.
bool WriteFileAtomically(const std::string& path, const std::string& contents, FileAccess access,
                         std::string& error);

// The whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

} // namespace platform
