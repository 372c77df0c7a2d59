// Passing files of the user's own: a folder no one else may enter, files only the user may read,
// and no link written through.

#include "platform/PrivateFiles.h"

#include "tests/core/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

fs::perms Permissions(const std::string& path) {
    return fs::symlink_status(path).permissions() & fs::perms::all;
}

const std::vector<std::uint8_t> kBytes{'I', 'D', '3', 0, 1};

TEST(PrivateFiles, TheFolderIsTheUsersAlone) {
    CTempFolder root;
    CScopedEnv runtime("XDG_RUNTIME_DIR", root / "run");
    CScopedEnv cache("XDG_CACHE_HOME", std::nullopt);
    CScopedEnv home("HOME", root.Path().string());
    // Without a runtime folder the cache folder takes it, made when missing.
    EXPECT_EQ(platform::PrivateTempDir(), root / ".cache/zrpro");
    EXPECT_EQ(Permissions(root / ".cache/zrpro"), fs::perms::owner_all);

    fs::create_directory(root / "run");
    const std::string dir = platform::PrivateTempDir();
    EXPECT_EQ(dir, root / "run/zrpro");
    // A folder others may enter, or a link standing in its place, is refused.
    ::chmod(dir.c_str(), 0755);
    EXPECT_EQ(platform::PrivateTempDir(), "");
    fs::remove(dir);
    fs::create_directory_symlink(root / ".cache/zrpro", dir);
    EXPECT_EQ(platform::PrivateTempDir(), "");
}

TEST(PrivateFiles, FilesAreWrittenForTheOwnerAndNeverThroughALink) {
    CTempFolder folder;
    const std::string path = folder / "ZRPro.mp3";
    ASSERT_TRUE(platform::WritePrivateFile(path, kBytes));
    EXPECT_EQ(folder.Read("ZRPro.mp3"), std::string(kBytes.begin(), kBytes.end()));
    EXPECT_EQ(Permissions(path), fs::perms::owner_read | fs::perms::owner_write);

    const std::string target = folder.Write("target.txt", "precious");
    fs::remove(path);
    fs::create_symlink(target, path);
    ASSERT_TRUE(platform::WritePrivateFile(path, kBytes));
    EXPECT_EQ(folder.Read("target.txt"), "precious");
    EXPECT_FALSE(fs::is_symlink(path));

    EXPECT_TRUE(platform::RemovePrivateFile(path));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(platform::RemovePrivateFile(path));
    EXPECT_FALSE(platform::WritePrivateFile(folder / "missing/ZRPro.mp3", kBytes));
}

} // namespace
