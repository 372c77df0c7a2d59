#include "core/FilePath.h"

#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The last separator after the first character, or npos.
std::size_t LastInnerSeparator(std::string_view path) {
    const std::size_t last = path.find_last_of("\\/");
    return last == std::string_view::npos || last == 0 ? std::string_view::npos : last;
}

// Where the extension's "." is, or npos when the file name has none.
std::size_t ExtensionDot(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::size_t dot = path.find_last_of('.');
    return dot != std::string_view::npos && dot >= nameStart ? dot : std::string_view::npos;
}

} // namespace

std::string AppendPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !IsSeparator(path.back()))
        path += '/';
    return path.append(name);
}

std::string DirOfPath(std::string_view path) {
    const std::size_t separator = LastInnerSeparator(path);
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator));
}

std::string FileNameOfPath(std::string_view path) {
    const std::size_t separator = LastInnerSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string FileExtOfPath(std::string_view path) {
    const std::size_t dot = ExtensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot + 1));
}

std::string RemoveFileExt(std::string_view path) {
    return std::string(path.substr(0, ExtensionDot(path)));
}

bool MakeDirPath(std::string_view path) {
    // The folders are made as this system names them, with "/" between.
    std::string folder(path);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    for (std::size_t i = 1; i < folder.size(); ++i) {
        if (folder[i] != '/')
            continue;
        const std::string made = folder.substr(0, i);
        std::error_code error;
        if (!std::filesystem::is_directory(made, error) &&
            !std::filesystem::create_directory(made, error))
            return false;
    }
    return true;
}

std::string GetModuleFilePath() { return platform::ExecutablePath(); }

std::string GetMyDocumentsDir() { return platform::DocumentsDir(); }
