// scripts/start_client.sh, the start step of scripts/run.sh, on the test build: the client it
// starts logs in to the service it starts, and ending the client ends the service.

#include "engines/Orb.h"
#include "platform/Process.h"
#include "tests/core/TempFolder.h"
#include "tests/support/LocalService.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
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

TEST(StartScript, TheClientLogsInAndEndingItEndsTheService) {
    CTempFolder run;
    platform::ChildProcess script;
    ASSERT_TRUE(script.Start("/bin/bash", {ZR_SOURCE_DIR "/scripts/start_client.sh", ZR_BUILD_DIR,
                                           run.Path().string()}));
    ASSERT_TRUE(WaitFor([&] { return !ReadLine(run / "client.pid").empty(); }, 120s))
        << run.Read("service.log");
    const pid_t client = std::stoi(ReadLine(run / "client.pid"));
    const pid_t service = std::stoi(ReadLine(run / "service.pid"));

    CORBA::Object_var object =
        GetOrb()->string_to_object(ReadLine(run / "addresses", "control ").c_str());
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
    EXPECT_EQ(::kill(service, 0), -1);
    EXPECT_EQ(errno, ESRCH);
    EXPECT_FALSE(std::filesystem::exists(run / "service.pid"));
}

} // namespace
