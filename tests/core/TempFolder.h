#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and an environment in
// which the user's home and configuration folders lie inside it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>

class CTempFolder {
public:
    CTempFolder() {
        static int count = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("zr_test_" + std::to_string(::getpid()) + "_" + std::to_string(count++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~CTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    // Writes a file below the folder, making its folders, and answers its full name.
    std::string Write(const std::string& name, const std::string& text) const {
        const std::filesystem::path file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

private:
    std::filesystem::path path_;
};

// Sets an environment variable (or removes it for nothing) until the end of the scope.
class CScopedEnv {
public:
    CScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        Set(value);
    }
    ~CScopedEnv() { Set(old_); }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    void Set(const std::optional<std::string>& value) {
        if (value)
            ::setenv(name_.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    std::string name_;
    std::optional<std::string> old_;
};

// HOME inside a temporary folder, without an XDG configuration, for code that falls back to the
// user's folders.
class CFakeHome {
public:
    CFakeHome()
        : home_("HOME", folder_.Path().string()), config_("XDG_CONFIG_HOME", std::nullopt) {}
    const CTempFolder& Folder() const { return folder_; }
    std::string Path() const { return folder_.Path().string(); }

private:
    CTempFolder folder_;
    CScopedEnv home_;
    CScopedEnv config_;
};
