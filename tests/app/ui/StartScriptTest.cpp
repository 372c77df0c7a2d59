// scripts/start_client.sh, the start step of scripts/run.sh, on the test build: the client it
// starts logs in to the service it starts over settings of the run's own, ending the client ends
// the service, and a second run leaves nothing of a killed one.

#include "engines/Orb.h"
#include "platform/Process.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace {

using namespace std::chrono_literals;

bool WaitFor(const std::function<bool()>& done, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

std::string ReadLine(const std::string& path, const std::string& prefix = "") {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (line.starts_with(prefix))
            return line.substr(prefix.size());
    return {};
}

// Ended or only waiting to be collected.
bool IsGone(pid_t pid) {
    const std::string stat = ReadLine("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t state = stat.rfind(") ");
    return stat.empty() || (state != std::string::npos && stat[state + 2] == 'Z');
}

class StartScript : public ::testing::Test {
protected:
    // The script on the test build over a small data set.
    bool Start(platform::ChildProcess& script) {
        return script.Start("/bin/bash", {ZR_SOURCE_DIR "/scripts/start_client.sh", ZR_BUILD_DIR,
                                          run_.Path().string(), "2000"});
    }
    pid_t Pid(const std::string& name) { return std::stoi("0" + ReadLine(run_ / name)); }
    bool WaitForClient(pid_t other = 0) {
        return WaitFor([&] { return Pid("client.pid") != 0 && Pid("client.pid") != other; }, 120s);
    }

    CTempFolder run_;
};

TEST_F(StartScript, TheClientLogsInAndEndingItEndsTheService) {
    platform::ChildProcess script;
    ASSERT_TRUE(Start(script));
    ASSERT_TRUE(WaitForClient()) << run_.Read("service.log");
    const pid_t client = Pid("client.pid");
    const pid_t service = Pid("service.pid");
    // The settings are the run's own: the client's system settings sit beside its link.
    const std::string remote = ReadLine(run_ / "addresses", "remote ");
    EXPECT_EQ(ReadLine(run_ / "prog/ZrSystem.ini", "Remote1="), remote);
    EXPECT_EQ(ReadLine(run_ / "prog/ZrSystem.ini", "Home="), run_ / "home");
    EXPECT_TRUE(std::filesystem::exists(run_ / "home/Sample.zre"));

    CORBA::Object_var object =
        GetOrb()->string_to_object(ReadLine(run_ / "addresses", "control ").c_str());
    ZrTestControl_var control = ZrTestControl::_narrow(object);
    ASSERT_FALSE(CORBA::is_nil(control));
    // The sample examination's tool logged on before the client started; the client logs on
    // the same way once more.
    const std::size_t toolLogons =
        local_service::LoggedCalls(control, "GetAvailableEngines2").size();
    ASSERT_GT(toolLogons, 0u);
    EXPECT_TRUE(WaitFor(
        [&] {
            return local_service::LoggedCalls(control, "GetAvailableEngines2").size() >=
                   2 * toolLogons;
        },
        60s));
    EXPECT_TRUE(script.IsRunning());

    ASSERT_EQ(::kill(client, SIGTERM), 0);
    EXPECT_TRUE(WaitFor([&] { return !script.IsRunning(); }, 30s));
    EXPECT_TRUE(IsGone(service));
    EXPECT_FALSE(std::filesystem::exists(run_ / "service.pid"));
}

TEST_F(StartScript, ASecondRunStopsWhatAKilledRunLeftAndKeepsNothingOfIt) {
    platform::ChildProcess first;
    ASSERT_TRUE(Start(first));
    ASSERT_TRUE(WaitForClient()) << run_.Read("service.log");
    const pid_t client = Pid("client.pid");
    const pid_t service = Pid("service.pid");
    const std::string remote = ReadLine(run_ / "addresses", "remote ");
    // Killed outright, the script (the client's parent) cannot stop its children.
    const std::string stat = ReadLine("/proc/" + std::to_string(client) + "/stat");
    std::istringstream fields(stat.substr(stat.rfind(") ") + 2));
    char state = 0;
    pid_t parent = 0;
    fields >> state >> parent;
    ASSERT_EQ(::kill(parent, SIGKILL), 0);
    ASSERT_TRUE(WaitFor([&] { return !first.IsRunning(); }, 10s));
    run_.Write("home/left-over.zre", "");

    platform::ChildProcess second;
    ASSERT_TRUE(Start(second));
    ASSERT_TRUE(WaitForClient(client)) << run_.Read("service.log");
    EXPECT_TRUE(WaitFor([&] { return IsGone(client) && IsGone(service); }, 10s));
    EXPECT_FALSE(std::filesystem::exists(run_ / "home/left-over.zre"));
    EXPECT_NE(ReadLine(run_ / "prog/ZrSystem.ini", "Remote1="), remote);
    ::kill(Pid("client.pid"), SIGTERM);
    EXPECT_TRUE(WaitFor([&] { return !second.IsRunning(); }, 30s));
}

} // namespace
