#include "conntest/ConnTestConfig.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <strings.h>

namespace {

constexpr const char* kIniFileName = "ZrProTest.ini";
constexpr const char* kSection = "ZrProTest";
constexpr int kLongestTimeoutSeconds = 120;

using Setter = std::string (*)(ConnTestConfig&, const std::string&);

bool IsPlainToken(const std::string& value) {
    return !value.empty() && value.front() != '-' &&
           std::none_of(value.begin(), value.end(),
                        [](unsigned char c) { return c <= ' ' || c == 0x7f; });
}

std::string SetHost(std::string& target, const std::string& value) {
    if (!IsPlainToken(value))
        return "needs a host name or address without blanks";
    target = value;
    return {};
}

std::string SetMainServer(ConnTestConfig& config, const std::string& value) {
    return SetHost(config.mainServer, value);
}

std::string SetWebHost(ConnTestConfig& config, const std::string& value) {
    return SetHost(config.webHost, value);
}

// The address ends up in a mailto link, so nothing in it may start the link's own fields.
std::string SetSupportAddress(ConnTestConfig& config, const std::string& value) {
    if (!IsPlainToken(value) || value.find('@') == std::string::npos ||
        value.find_first_of("?&#") != std::string::npos)
        return "needs a mail address such as support@example.com";
    config.supportAddress = value;
    return {};
}

std::string SetConnectTimeout(ConnTestConfig& config, const std::string& value) {
    int seconds = 0;
    const char* end = value.data() + value.size();
    auto [last, error] = std::from_chars(value.data(), end, seconds);
    if (error != std::errc() || last != end || seconds < 1 || seconds > kLongestTimeoutSeconds)
        return "needs a whole number of seconds from 1 to " +
               std::to_string(kLongestTimeoutSeconds);
    config.connectTimeout = std::chrono::seconds(seconds);
    return {};
}

struct Setting {
    const char* iniKey;
    const char* option;
    Setter set;
};

constexpr Setting kSettings[] = {
    {"MainServer", "--main-server", SetMainServer},
    {"WebHost", "--web-host", SetWebHost},
    {"SupportAddress", "--support-address", SetSupportAddress},
    {"ConnectTimeout", "--connect-timeout", SetConnectTimeout},
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Unquoted(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

void ReadIniFile(ConnTestConfig& config, const std::string& path,
                 std::vector<std::string>& problems) {
    std::ifstream file(path);
    bool inSection = false;
    int lineNumber = 0;
    for (std::string line; std::getline(file, line);) {
        ++lineNumber;
        line = Trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            inSection = close != std::string::npos &&
                        strcasecmp(Trimmed(line.substr(1, close - 1)).c_str(), kSection) == 0;
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string::npos)
            continue;
        const std::string key = Trimmed(line.substr(0, equals));
        const std::string value = Unquoted(Trimmed(line.substr(equals + 1)));
        for (const Setting& setting : kSettings) {
            if (strcasecmp(key.c_str(), setting.iniKey) != 0)
                continue;
            if (std::string problem = setting.set(config, value); !problem.empty())
                problems.push_back(path + " line " + std::to_string(lineNumber) + ": " + key + " " +
                                   problem);
        }
    }
}

void ReadArgument(ConnTestConfig& config, const std::string& argument,
                  std::vector<std::string>& problems) {
    const auto equals = argument.find('=');
    const std::string option = argument.substr(0, equals);
    for (const Setting& setting : kSettings) {
        if (option != setting.option)
            continue;
        if (equals == std::string::npos)
            problems.push_back(option + " needs a value: " + option + "=...");
        else if (std::string problem = setting.set(config, argument.substr(equals + 1));
                 !problem.empty())
            problems.push_back(option + " " + problem);
        return;
    }
    std::string known;
    for (const Setting& setting : kSettings)
        known += std::string(known.empty() ? "" : ", ") + setting.option + "=...";
    problems.push_back("Unknown option " + argument + " (known: " + known + ")");
}

} // namespace

std::string ConnTestIniPath(const std::string& programPath) {
    return (std::filesystem::path(programPath).parent_path() / kIniFileName).string();
}

std::vector<std::string> LoadConnTestConfig(ConnTestConfig& config, const std::string& iniPath,
                                            const std::vector<std::string>& arguments) {
    std::vector<std::string> problems;
    ReadIniFile(config, iniPath, problems);
    for (const std::string& argument : arguments)
        ReadArgument(config, argument, problems);
    return problems;
}
