// A file written piece by piece replaces the old one only when committed.

#include "platform/AtomicFile.h"

#include "tests/core/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

int FileCount(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(ReplacingFile, TheOldFileStaysUntilTheCommit) {
    CTempFolder folder;
    const std::string path = folder.Write("report.rtf", "old");
    ::chmod(path.c_str(), 0640);
    // Pieces around the size of the writer's buffer.
    const std::string large(100000, 'x');
    {
        platform::CReplacingFile file;
        ASSERT_TRUE(file.Open(path, platform::FileAccess::Keep));
        ASSERT_TRUE(file.Write("head") && file.Write(large) && file.Write(std::string(65530, 'y')));
        EXPECT_EQ(folder.Read("report.rtf"), "old");
        EXPECT_EQ(FileCount(folder.Path()), 2);
    }
    EXPECT_EQ(folder.Read("report.rtf"), "old");
    EXPECT_EQ(FileCount(folder.Path()), 1);

    platform::CReplacingFile file;
    ASSERT_TRUE(file.Open(path, platform::FileAccess::Keep));
    ASSERT_TRUE(file.Write("head") && file.Write(large) && file.Write("tail") && file.Commit());
    EXPECT_EQ(folder.Read("report.rtf"), "head" + large + "tail");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FileCount(folder.Path()), 1);
}

TEST(ReplacingFile, FailuresSayWhatFailedAndWhy) {
    CTempFolder folder;
    platform::CReplacingFile file;
    const std::string path = folder / "none/report.rtf";
    EXPECT_FALSE(file.Open(path, platform::FileAccess::Keep));
    EXPECT_EQ(file.GetError(),
              "Cannot create a temporary file for " + path + ": No such file or directory");
    EXPECT_FALSE(file.Write("x"));
    EXPECT_FALSE(file.Commit());
    // A folder standing where the file should be cannot be replaced.
    fs::create_directories(folder / "report.rtf/inside");
    ASSERT_TRUE(file.Open(folder / "report.rtf", platform::FileAccess::Keep));
    EXPECT_FALSE(file.Write("x") && file.Commit());
    EXPECT_EQ(file.GetError().rfind("Cannot replace " + folder / "report.rtf" + ": ", 0), 0u);
    EXPECT_EQ(FileCount(folder.Path()), 1);
}

} // namespace
