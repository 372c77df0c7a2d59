#include "platform/Modules.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(Modules, LoadedModuleIsFoundByNamePrefix) {
    const std::filesystem::path file = platform::LoadedModuleFile("libstdc++.so");
    ASSERT_FALSE(file.empty());
    EXPECT_TRUE(file.filename().string().starts_with("libstdc++.so."));
    // Symbolic links resolved: the real file, which carries the full version.
    EXPECT_FALSE(std::filesystem::is_symlink(file));
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
}

TEST(Modules, UnknownModule) {
    EXPECT_EQ(platform::LoadedModuleFile("libzr-no-such-module"), "");
    // Only the start of the file name counts, not its folder.
    EXPECT_EQ(platform::LoadedModuleFile("usr"), "");
}
