// The connectivity test's settings as a site writes them: the input up to its first NUL byte is
// "ZrProTest.ini", the rest the command line, one argument per line. Whatever they hold, the
// settings that come out are usable (a plain host, a mail address that cannot add fields to the
// mail link, a time-out of 1 to 120 seconds), every problem is said in words, and a valid
// "--main-server=" argument wins over the file.
#include "FuzzSupport.h"
#include "conntest/ConnTestConfig.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

bool IsPlainToken(const std::string& value) {
    return !value.empty() && value.front() != '-' &&
           std::none_of(value.begin(), value.end(),
                        [](unsigned char c) { return c <= ' ' || c == 0x7f; });
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts =
        fuzz::SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size), 2);
    const std::string ini = fuzz::WriteFile("ZrProTest.ini", parts[0]);
    const std::vector<std::string> arguments = Lines(parts[1]);

    ConnTestConfig config;
    const std::vector<std::string> problems = LoadConnTestConfig(config, ini, arguments);
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(config.connectTimeout).count();
    if (!IsPlainToken(config.mainServer) || !IsPlainToken(config.webHost) ||
        !IsPlainToken(config.supportAddress) ||
        config.supportAddress.find('@') == std::string::npos ||
        config.supportAddress.find_first_of("?&#") != std::string::npos || seconds < 1 ||
        seconds > 120)
        __builtin_trap();
    if (std::any_of(problems.begin(), problems.end(),
                    [](const std::string& problem) { return problem.empty(); }))
        __builtin_trap();
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        const std::string option = "--main-server=";
        if (argument->rfind(option, 0) != 0 || !IsPlainToken(argument->substr(option.size())))
            continue;
        if (config.mainServer != argument->substr(option.size()))
            __builtin_trap();
        break;
    }
    return 0;
}
