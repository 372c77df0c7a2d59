#pragma once
// Replacing a file's whole contents so that a crash or a full disc never leaves it half written.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class FileAccess {
    Keep,      // the replaced file's permissions, or the usual ones for a new file
    OwnerOnly, // readable and writable by the owner alone (0600): files that hold a password
};

// A file written piece by piece into a temporary file beside it, which replaces the file only on
// Commit: until then, and when the writer is dropped or a step fails, the old file (or its
// absence) stays as it was and the temporary file is removed. Writes are buffered. Each failure
// is described (what failed, the file, the system's reason) in GetError.
class CReplacingFile {
public:
    CReplacingFile() = default;
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;
    ~CReplacingFile() { Abandon(); }

    // Creates the temporary file for the path; a symbolic link is followed, so the link stays
    // and its target is replaced.
    bool Open(const std::string& path, FileAccess access);
    bool Write(std::string_view bytes);
    // Flushes the temporary file to the disc and renames it over the path.
    bool Commit();
    // Removes the temporary file; the path is untouched.
    void Abandon();

    const std::string& GetError() const { return error_; }

private:
    bool Flush();
    bool Fail(const std::string& what, const std::string& path);

    int fd_ = -1;
    std::string target_;
    std::string temporary_;
    int mode_ = 0;
    bool setMode_ = false;
    std::vector<char> buffer_;
    std::string error_;
};

// Writes the contents to a temporary file in the same folder, flushes it to the disc and renames
// it over the path; a symbolic link is followed, so the link stays and its target is replaced.
// On failure the old file is untouched, the temporary file is removed and the error is described.
bool WriteFileAtomically(const std::string& path, const std::string& contents, FileAccess access,
                         std::string& error);

// The whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

// One state of a file on the disc. A replacement through WriteFileAtomically is a new file; an
// edit in place changes its size or its times.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // since 1 January 1970
    std::int64_t changedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file a path names (a symbolic link is followed); nothing when there is no
// such file or it cannot be examined.
std::optional<FileStamp> GetFileStamp(const std::string& path);

// Tests watch file reads and make them fail as a damaged disc would (they run as root, so
// permissions refuse nothing): while a check is installed, ReadWholeFile asks it first and fails
// when it answers false.
using FileReadCheck = std::function<bool(const std::string& path)>;

class ScopedFileReadCheck {
public:
    explicit ScopedFileReadCheck(FileReadCheck check);
    ~ScopedFileReadCheck();
    ScopedFileReadCheck(const ScopedFileReadCheck&) = delete;
    ScopedFileReadCheck& operator=(const ScopedFileReadCheck&) = delete;

private:
    FileReadCheck previous_;
};

} // namespace platform
