#pragma once
// Ending a server program in order on SIGINT or SIGTERM: the signals are blocked in every thread
// and one thread waits for them.

#include <chrono>

namespace platform {

// Blocks SIGINT and SIGTERM in the calling thread and in the threads it starts afterwards. Call
// it before any other thread is started.
void BlockTerminationSignals();

// Waits up to the time-out for SIGINT or SIGTERM (blocked before); true when one arrived.
bool WaitForTerminationSignal(std::chrono::milliseconds timeout);

} // namespace platform
