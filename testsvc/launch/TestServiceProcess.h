#pragma once
// The local search service started as a child process on a free loopback port, for tests and
// benchmarks that talk to it over the wire. The service ends with the object.

#include "platform/Process.h"

#include <cstdint>
#include <string>
#include <vector>

// Where the started service answers (corbaloc addresses).
struct TestServiceAddresses {
    std::string remote;  // the remote repository, ZrRepository
    std::string local;   // the local repository, ZrAdmin
    std::string control; // the test control object
};

class CTestServiceProcess {
public:
    struct Options {
        std::uint32_t marksPerRegister = 600;
        std::string registers; // letters; empty: all
    };

    CTestServiceProcess() = default;
    ~CTestServiceProcess() { Stop(); }
    CTestServiceProcess(const CTestServiceProcess&) = delete;
    CTestServiceProcess& operator=(const CTestServiceProcess&) = delete;

    // Starts the service and waits until it answers; false with a message when it does not.
    bool Start(const Options& options, std::string& error);
    // Ends the service (SIGTERM, then SIGKILL after a grace time), removes its files and returns
    // its exit status: 0 when it ended in order (-1 when none ran).
    int Stop();
    bool IsRunning() { return process_.IsRunning(); }

    const TestServiceAddresses& Addresses() const { return addresses_; }
    int Port() const { return port_; }

private:
    bool StartOnce(const Options& options, std::string& error);
    bool ReadAddresses();

    platform::ChildProcess process_;
    std::string addressFile_;
    TestServiceAddresses addresses_;
    int port_ = 0;
};
