#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

namespace fs = std::filesystem;

std::string ErrnoText(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// The file that really gets replaced: the final target of a symbolic link, else the path itself.
fs::path ResolveTarget(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path target = fs::weakly_canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

// Opens a new, exclusive file beside the target; -1 when none can be made.
int CreateTemporary(const fs::path& target, mode_t mode, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name =
            target.string() + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t written = ::write(fd, contents.data() + done, contents.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the rename itself durable; failures here cannot lose the new contents, so they are not
// reported.
void SyncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

FileReadCheck& ReadCheck() {
    static FileReadCheck check;
    return check;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& contents, FileAccess access,
                         std::string& error) {
    const fs::path target = ResolveTarget(path);
    // A new file gets the user's usual permissions (0666 less the umask) through open().
    mode_t mode = access == FileAccess::OwnerOnly ? 0600 : 0666;
    bool keepOldMode = false;
    struct stat old {};
    if (access == FileAccess::Keep && ::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
        keepOldMode = true;
    }

    std::string temporary;
    const int fd =
        CreateTemporary(target, access == FileAccess::OwnerOnly ? 0600 : 0666, temporary);
    if (fd < 0) {
        error = ErrnoText("Cannot create a temporary file for", target.string());
        return false;
    }
    bool ok = WriteAll(fd, contents);
    if (!ok)
        error = ErrnoText("Cannot write", temporary);
    if (ok && (keepOldMode || access == FileAccess::OwnerOnly) && ::fchmod(fd, mode) != 0) {
        error = ErrnoText("Cannot set the permissions of", temporary);
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) {
        error = ErrnoText("Cannot flush", temporary);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = ErrnoText("Cannot close", temporary);
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = ErrnoText("Cannot replace", target.string());
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    if (ReadCheck() && !ReadCheck()(path)) {
        errno = EIO;
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // One allocation for a regular file instead of many growing copies.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        contents.reserve(static_cast<std::size_t>(info.st_size));
    char block[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        contents.append(block, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (!ok)
        contents.clear();
    return ok;
}

std::optional<FileStamp> GetFileStamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    const auto nanoseconds = [](const timespec& time) {
        return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
    };
    return FileStamp{static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint64_t>(info.st_size), nanoseconds(info.st_mtim),
                     nanoseconds(info.st_ctim)};
}

ScopedFileReadCheck::ScopedFileReadCheck(FileReadCheck check)
    : previous_(std::exchange(ReadCheck(), std::move(check))) {}

ScopedFileReadCheck::~ScopedFileReadCheck() {
    ReadCheck() = std::move(previous_);
}

} // namespace platform
