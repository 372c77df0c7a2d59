#pragma once
// Facts about the machine the program runs on.

#include <cstdint>
#include <string>

namespace platform {

// Total physical memory in bytes; 0 when it cannot be read.
std::uint64_t TotalPhysicalMemory();

// The machine's host name; empty when the system does not tell.
std::string HostName();

} // namespace platform
