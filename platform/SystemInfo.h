#pragma once
// Facts about the machine the program runs on.

#include <cstdint>
#include <string>

namespace platform {

// Total physical memory in bytes; 0 when it cannot be read.
std::uint64_t TotalPhysicalMemory();

// How much of the physical memory is in use, from 0 (none) to 100 (all); 0 when unknown.
int MemoryLoadPercent();

// The machine's host name; empty when the system does not tell.
std::string HostName();

// The system's name and release as its os-release file gives them, then the kernel's:
// "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-18-amd64".
std::string OperatingSystemName();

} // namespace platform
