#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Expands the "$HOME/" prefix and strips the quotes of one user-dirs.dirs value.
std::string ExpandUserDirValue(std::string value, const std::string& home) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    const std::string homeVar = "$HOME";
    if (value.rfind(homeVar, 0) == 0)
        value = home + value.substr(homeVar.size());
    return value;
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::string ExecutablePath() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string HomeDir() {
    std::string home = EnvOrEmpty("HOME");
    if (!home.empty())
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

std::string ConfigDir() {
    std::string config = EnvOrEmpty("XDG_CONFIG_HOME");
    if (!config.empty())
        return WithoutTrailingSlash(config);
    return HomeDir() + "/.config";
}

std::string DocumentsDir() {
    const std::string home = HomeDir();
    std::ifstream dirs(ConfigDir() + "/user-dirs.dirs");
    const std::string key = "XDG_DOCUMENTS_DIR=";
    for (std::string line; std::getline(dirs, line);) {
        if (line.rfind(key, 0) == 0) {
            std::string dir = ExpandUserDirValue(line.substr(key.size()), home);
            if (!dir.empty())
                return WithoutTrailingSlash(dir);
        }
    }
    return home + "/Documents";
}

} // namespace platform
