#include "LibreOffice.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

std::string FindSoffice() {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const fs::path candidate = fs::path(folder) / "soffice";
        if (!folder.empty() && fs::exists(candidate))
            return candidate.string();
    }
    return "";
}

std::map<std::string, std::string> ConvertRtf(const std::string& soffice, const std::string& rtf,
                                              const std::string& filter) {
    std::string pattern = (fs::temp_directory_path() / "zr_rtf_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return {};
    const fs::path folder = pattern;
    const fs::path output = folder / "out";
    std::ofstream(folder / "sample.rtf", std::ios::binary) << rtf;
    const std::string command = "timeout 180 " + soffice + " -env:UserInstallation=file://" +
                                (folder / "profile").string() + " --headless --convert-to '" +
                                filter + "' --outdir " + output.string() + " " +
                                (folder / "sample.rtf").string() + " >/dev/null 2>&1";
    std::map<std::string, std::string> files;
    if (std::system(command.c_str()) == 0 && fs::is_directory(output)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(output)) {
            std::ifstream file(entry.path(), std::ios::binary);
            files[entry.path().filename().string()].assign(std::istreambuf_iterator<char>(file),
                                                           {});
        }
    }
    fs::remove_all(folder);
    return files;
}

std::vector<std::string> TextLines(std::string text) {
    if (text.rfind("\xef\xbb\xbf", 0) == 0)
        text.erase(0, 3);
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
