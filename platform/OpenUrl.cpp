#include "platform/OpenUrl.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <strings.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace platform {

namespace {

constexpr const char* kOpener = "xdg-open";

bool HasScheme(const std::string& target, const char* scheme) {
    const std::size_t length = std::char_traits<char>::length(scheme);
    return target.size() > length && strncasecmp(target.c_str(), scheme, length) == 0;
}

bool IsAddress(const std::string& target) {
    return HasScheme(target, "http://") || HasScheme(target, "https://") ||
           HasScheme(target, "mailto:");
}

bool HasControlCharacters(const std::string& target) {
    return std::any_of(target.begin(), target.end(),
                       [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

int ResultOfSpawnError(int error) {
    switch (error) {
    case ENOENT:
        return kOpenUrlNoAssociation;
    case EACCES:
    case EPERM:
        return kOpenUrlAccessDenied;
    case ENOMEM:
        return kOpenUrlOutOfMemory;
    default:
        return kOpenUrlOutOfResources;
    }
}

// Starts the opener with the target as its only argument; the opener may stay until the
// browser closes, so its exit is collected in the background.
int Spawn(const std::string& target) {
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return kOpenUrlOutOfResources;
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

    std::string program = kOpener;
    std::string argument = target;
    char* arguments[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    const int error = posix_spawnp(&child, kOpener, nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return ResultOfSpawnError(error);
    std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
    return kOpenUrlOpened;
}

} // namespace

int OpenUrl(const std::string& target) {
    if (HasControlCharacters(target))
        return kOpenUrlNoAssociation;
    if (IsAddress(target))
        return Spawn(target);
    if (target.empty() || target.front() != '/')
        return kOpenUrlNoAssociation;
    std::error_code error;
    if (!std::filesystem::exists(target, error))
        return kOpenUrlFileNotFound;
    return Spawn(target);
}

std::string OpenUrlErrorText(int code) {
    switch (code) {
    case kOpenUrlOutOfResources:
        return "The operating system is out\nof memory or resources.";
    case kOpenUrlFileNotFound:
        return "The specified file was not found.";
    case kOpenUrlAccessDenied:
        return "The operating system denied\naccess to the specified file.";
    case kOpenUrlOutOfMemory:
        return "There was not enough memory to complete the operation.";
    case kOpenUrlNoAssociation:
        return "There is no application associated\nwith the given filename extension.";
    default:
        return "Unknown Error (" + std::to_string(code) + ") occurred.";
    }
}

} // namespace platform
