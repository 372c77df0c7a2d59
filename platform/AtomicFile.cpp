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

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
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

constexpr std::size_t kBufferSize = 64 * 1024;

FileReadCheck& ReadCheck() {
    static FileReadCheck check;
    return check;
}

} // namespace

bool CReplacingFile::Fail(const std::string& what, const std::string& path) {
    error_ = ErrnoText(what, path);
    Abandon();
    return false;
}

bool CReplacingFile::Open(const std::string& path, FileAccess access) {
    Abandon();
    error_.clear();
    const fs::path target = ResolveTarget(path);
    target_ = target.string();
    // A new file gets the user's usual permissions (0666 less the umask) through open().
    mode_ = access == FileAccess::OwnerOnly ? 0600 : 0666;
    setMode_ = access == FileAccess::OwnerOnly;
    struct stat old {};
    if (access == FileAccess::Keep && ::stat(target.c_str(), &old) == 0) {
        mode_ = static_cast<int>(old.st_mode & 07777);
        setMode_ = true;
    }
    fd_ = CreateTemporary(target, access == FileAccess::OwnerOnly ? 0600 : 0666, temporary_);
    if (fd_ < 0)
        return Fail("Cannot create a temporary file for", target_);
    buffer_.reserve(kBufferSize);
    return true;
}

bool CReplacingFile::Flush() {
    if (!WriteAll(fd_, std::string_view(buffer_.data(), buffer_.size())))
        return Fail("Cannot write", temporary_);
    buffer_.clear();
    return true;
}

bool CReplacingFile::Write(std::string_view bytes) {
    if (fd_ < 0)
        return false;
    if (buffer_.size() + bytes.size() > kBufferSize && !Flush())
        return false;
    if (bytes.size() >= kBufferSize) {
        if (!WriteAll(fd_, bytes))
            return Fail("Cannot write", temporary_);
        return true;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    return true;
}

bool CReplacingFile::Commit() {
    if (fd_ < 0 || !Flush())
        return false;
    if (setMode_ && ::fchmod(fd_, static_cast<mode_t>(mode_)) != 0)
        return Fail("Cannot set the permissions of", temporary_);
    if (::fsync(fd_) != 0)
        return Fail("Cannot flush", temporary_);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0)
        return Fail("Cannot close", temporary_);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Fail("Cannot replace", target_);
    temporary_.clear();
    SyncFolder(target_);
    return true;
}

void CReplacingFile::Abandon() {
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
    buffer_.clear();
}

bool WriteFileAtomically(const std::string& path, const std::string& contents, FileAccess access,
                         std::string& error) {
    CReplacingFile file;
    if (file.Open(path, access) && file.Write(contents) && file.Commit())
        return true;
    error = file.GetError();
    return false;
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
