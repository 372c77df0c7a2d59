#include "platform/Signals.h"

#include <csignal>
#include <ctime>
#include <pthread.h>

namespace platform {

namespace {

sigset_t TerminationSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

void BlockTerminationSignals() {
    const sigset_t set = TerminationSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

bool WaitForTerminationSignal(std::chrono::milliseconds timeout) {
    const sigset_t set = TerminationSignals();
    timespec wait{};
    wait.tv_sec = static_cast<time_t>(timeout.count() / 1000);
    wait.tv_nsec = static_cast<long>((timeout.count() % 1000) * 1000000);
    return sigtimedwait(&set, nullptr, &wait) > 0;
}

} // namespace platform
