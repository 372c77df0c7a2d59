#include "platform/PrivateFiles.h"

#include "platform/Paths.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool IsAbsolute(const char* path) {
    return path && *path == '/';
}

// The runtime folder when there is one, else the cache folder, made when missing.
std::string BaseDir() {
    struct stat info {};
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (IsAbsolute(runtime) && stat(runtime, &info) == 0 && S_ISDIR(info.st_mode))
        return runtime;
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const std::string home = HomeDir();
    std::string dir = IsAbsolute(cache) ? cache : home.empty() ? "" : home + "/.cache";
    if (!dir.empty())
        mkdir(dir.c_str(), 0700);
    return dir;
}

// A folder of this user's that nobody else may enter, checked without following a link.
bool IsPrivateDir(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace

std::string PrivateTempDir() {
    const std::string base = BaseDir();
    if (base.empty())
        return {};
    const std::string dir = base + "/zrpro";
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    return IsPrivateDir(dir) ? dir : "";
}

bool WritePrivateFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (!RemovePrivateFile(path))
        return false;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    const bool closed = close(fd) == 0;
    if (written == bytes.size() && closed)
        return true;
    unlink(path.c_str());
    return false;
}

bool RemovePrivateFile(const std::string& path) {
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

} // namespace platform
