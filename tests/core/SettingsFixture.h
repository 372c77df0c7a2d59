#pragma once
// A logged-in user of an installation without a code ini, everything inside a temporary home:
// the program folder "prog" holds "ZrSystem.ini" naming the home folder "velorin", where the
// user "jsmith" gets a folder.

#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>

class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        home_.Folder().Write("prog/ZrSystem.ini", "[Locations]\nHome=" + Home() + "\n");
        std::filesystem::create_directories(Home());
        system_.Load(home_.Folder() / "prog");
        ASSERT_EQ(system_.SetUser("ACME", "jsmith", "pw"), 0);
    }
    std::string Home() const { return home_.Folder() / "velorin"; }
    std::string UserDir() const { return Home() + "/jsmith"; }
    std::string UserFile() const { return UserDir() + "/ZrUser.ini"; }

    CFakeHome home_;
    CSystemOptions system_;
};
