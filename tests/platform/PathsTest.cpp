#include "platform/Paths.h"
#include "platform/SystemInfo.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Points HOME and XDG_CONFIG_HOME at a fresh folder for one test.
class FakeHome : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() / ("zr_home_" + std::to_string(::getpid()));
        fs::remove_all(home_);
        fs::create_directories(home_ / ".config");
        Save("HOME", oldHome_);
        Save("XDG_CONFIG_HOME", oldConfig_);
        setenv("HOME", home_.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        Restore("HOME", oldHome_);
        Restore("XDG_CONFIG_HOME", oldConfig_);
        fs::remove_all(home_);
    }
    static void Save(const char* name, std::optional<std::string>& slot) {
        if (const char* value = std::getenv(name))
            slot = value;
    }
    static void Restore(const char* name, const std::optional<std::string>& slot) {
        if (slot)
            setenv(name, slot->c_str(), 1);
        else
            unsetenv(name);
    }
    fs::path home_;
    std::optional<std::string> oldHome_, oldConfig_;
};

} // namespace

TEST_F(FakeHome, DocumentsDirFallsBackToDocumentsUnderHome) {
    EXPECT_EQ(platform::DocumentsDir(), home_.string() + "/Documents");
    EXPECT_EQ(platform::ConfigDir(), home_.string() + "/.config");
}

TEST_F(FakeHome, DocumentsDirReadsTheUserDirsFile) {
    std::ofstream(home_ / ".config/user-dirs.dirs")
        << "# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente/\"\n";
    EXPECT_EQ(platform::DocumentsDir(), home_.string() + "/Dokumente");
}

TEST(SystemInfo, ReportsTheRunningMachine) {
    EXPECT_GT(platform::TotalPhysicalMemory(), 0u);
    EXPECT_FALSE(platform::HostName().empty());
    EXPECT_TRUE(fs::exists(platform::ExecutablePath()));
}
