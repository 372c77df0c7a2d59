#pragma once
// Programs started as children of this one, and a free TCP port on the loopback interface to
// hand them.

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

// A child program that ends with its owner: the object stops it when it goes, and the system
// stops it (SIGTERM) when this process dies first.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess() { Stop(std::chrono::seconds(5)); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Runs the program with the arguments; false when it cannot be started (or one still runs).
    bool Start(const std::string& program, const std::vector<std::string>& arguments);
    // True while the child runs; collects its exit status once it has ended.
    bool IsRunning();
    // Asks the child to end (SIGTERM), kills it when it has not ended within the grace time, and
    // returns its exit status (128 + signal number when a signal ended it; -1 when none ran).
    int Stop(std::chrono::milliseconds grace);

private:
    pid_t pid_ = -1;
    int status_ = -1;
};

// A TCP port on 127.0.0.1 that nothing listens on at the moment; 0 when none can be found.
int FindFreeLoopbackPort();

} // namespace platform
