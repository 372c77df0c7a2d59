#include "platform/SystemInfo.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sys/utsname.h>
#include <unistd.h>

namespace platform {

namespace {

// The value of a "KEY=value" line of os-release, without its quotes; empty when absent.
std::string OsReleaseValue(const std::string& key) {
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::ifstream file(path);
        for (std::string line; std::getline(file, line);) {
            if (!line.starts_with(key + "="))
                continue;
            std::string value = line.substr(key.size() + 1);
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return value;
        }
    }
    return {};
}

// A "Name:   1234 kB" line of /proc/meminfo in kilobytes; 0 when absent.
std::uint64_t MemInfoKb(const std::string& name) {
    std::ifstream file("/proc/meminfo");
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with(name + ":"))
            return std::strtoull(line.c_str() + name.size() + 1, nullptr, 10);
    }
    return 0;
}

} // namespace

std::uint64_t TotalPhysicalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

int MemoryLoadPercent() {
    const std::uint64_t total = MemInfoKb("MemTotal");
    const std::uint64_t available = MemInfoKb("MemAvailable");
    if (total == 0 || available > total)
        return 0;
    return static_cast<int>((total - available) * 100 / total);
}

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

std::string OperatingSystemName() {
    std::string name = OsReleaseValue("PRETTY_NAME");
    if (name.empty())
        name = OsReleaseValue("NAME");
    utsname kernel{};
    if (uname(&kernel) == 0)
        name += (name.empty() ? "" : ", ") + std::string(kernel.sysname) + " " + kernel.release;
    return name;
}

} // namespace platform
