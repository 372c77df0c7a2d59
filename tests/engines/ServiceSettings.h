#pragma once
// System and user settings inside a temporary home, with a [Repository] section naming the
// local service (or whatever a test wants), for the tests that log on over the wire.

#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

#include <fstream>
#include <string>

class CServiceSettings {
public:
    CServiceSettings() { WriteRepository(""); }

    // Rewrites ZrSystem.ini with this [Repository] section (lines "Key=value\n") and reloads.
    void WriteRepository(const std::string& lines, const std::string& login = "") {
        std::filesystem::create_directories(Home());
        home_.Folder().Write("prog/ZrSystem.ini", "[Locations]\nHome=" + Home() +
                                                      "\n[Repository]\n" + lines +
                                                      "[DefaultLogin]\n" + login);
        system_.Load(home_.Folder() / "prog");
    }
    // The service's remote and local repositories.
    static std::string RemoteAndLocal() {
        const TestServiceAddresses& addresses = local_service::Process().Addresses();
        return "Remote1=" + addresses.remote + "\nLocal=" + addresses.local + "\n";
    }

    // Logs the test user in to the settings, so that the user's own settings can be written.
    void LoadUser() {
        system_.SetUser("TESTCO", "examiner", "secret");
        user_.Load(system_);
    }

    // Replaces the user's ZrUser.ini (after LoadUser) and reads it again.
    void WriteUserSettings(const std::string& text) {
        std::ofstream(system_.GetUserDir() + "/ZrUser.ini") << text;
        user_.Load(system_);
    }

    std::string Home() const { return home_.Folder() / "velorin"; }
    CSystemOptions& System() { return system_; }
    CUserOptions& User() { return user_; }

private:
    CFakeHome home_;
    CSystemOptions system_;
    CUserOptions user_;
};
