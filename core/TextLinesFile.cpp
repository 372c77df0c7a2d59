#include "core/TextLinesFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The system's reason for the last failure, as the warnings show it.
std::string SystemReason() {
    std::string reason = std::strerror(errno);
    if (reason.size() > 255)
        reason.resize(255);
    return reason;
}

} // namespace

std::string CannotOpenText(const std::string& path, const std::string& reason) {
    return "W305 Cannot open: " + path + " due to: " + reason;
}

std::string CannotWriteText(const std::string& path, const std::string& reason) {
    return "W306 Cannot write: " + path + " due to: " + reason;
}

bool SaveTextLines(const std::string& path, const std::vector<std::string>& lines,
                   std::string& message) {
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "w"));
    if (!file) {
        message = CannotOpenText(path, SystemReason());
        return false;
    }
    bool written = true;
    for (const std::string& line : lines)
        written = written && std::fwrite(line.data(), 1, line.size(), file.get()) == line.size() &&
                  std::fputc('\n', file.get()) != EOF;
    if (!written || std::fclose(file.release()) != 0) {
        message = CannotWriteText(path, SystemReason());
        return false;
    }
    return true;
}
