#pragma once
// Passing files that only the user may read, such as a recording handed to the media player:
// kept in a folder of the user's own that no one else can enter, written without following
// links, removed by whoever wrote them.

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// "zrpro" in $XDG_RUNTIME_DIR, else in the user's cache folder ($XDG_CACHE_HOME, else
// ~/.cache), made with mode 0700 when missing. Empty when it cannot be made, or when what stands
// there is not a folder of this user's (a link is not followed) or others may enter it.
std::string PrivateTempDir();

// Writes the bytes as the whole file, readable by the owner alone (0600). A link or any other
// entry of that name is removed first, never written through. False when it cannot be written;
// a part written is then removed.
bool WritePrivateFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Removes the file; true when it is gone (or was never there).
bool RemovePrivateFile(const std::string& path);

} // namespace platform
