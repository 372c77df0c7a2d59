#include "testsvc/launch/TestServiceProcess.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

// Building the data set and starting the ORB takes well under a second; sanitizer builds are
// slower, so be generous.
constexpr auto kStartTimeout = std::chrono::seconds(30);

} // namespace

bool CTestServiceProcess::Start(const Options& options, std::string& error) {
    // A port found free may be taken before the service binds it; then try another.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (StartOnce(options, error))
            return true;
    }
    return false;
}

bool CTestServiceProcess::StartOnce(const Options& options, std::string& error) {
    Stop();
    port_ = platform::FindFreeLoopbackPort();
    if (port_ == 0) {
        error = "no free loopback port";
        return false;
    }
    addressFile_ =
        (std::filesystem::temp_directory_path() /
         ("zr_testsvc_" + std::to_string(getpid()) + "_" + std::to_string(port_) + ".addr"))
            .string();
    std::filesystem::remove(addressFile_);
    std::vector<std::string> arguments = {
        "--port",         std::to_string(port_),
        "--address-file", addressFile_,
        "--marks",        std::to_string(options.marksPerRegister)};
    if (!options.registers.empty()) {
        arguments.push_back("--registers");
        arguments.push_back(options.registers);
    }
    if (!process_.Start(ZR_TESTSVC_PATH, arguments)) {
        error = "cannot start " ZR_TESTSVC_PATH;
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (!process_.IsRunning()) {
            error = "the service ended at start (port " + std::to_string(port_) + ")";
            return false;
        }
        if (ReadAddresses())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    error = "the service did not answer in time";
    Stop();
    return false;
}

bool CTestServiceProcess::ReadAddresses() {
    std::ifstream file(addressFile_);
    if (!file)
        return false;
    TestServiceAddresses addresses;
    std::string name, address;
    while (file >> name >> address) {
        if (name == "remote")
            addresses.remote = address;
        else if (name == "local")
            addresses.local = address;
        else if (name == "control")
            addresses.control = address;
    }
    if (addresses.remote.empty() || addresses.local.empty() || addresses.control.empty())
        return false;
    addresses_ = addresses;
    return true;
}

int CTestServiceProcess::Stop() {
    const int status = process_.Stop(std::chrono::seconds(5));
    if (!addressFile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(addressFile_, ignored);
        addressFile_.clear();
    }
    return status;
}
