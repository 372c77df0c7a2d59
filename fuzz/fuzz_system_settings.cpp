// The system settings files as the disc delivers them. The first byte chooses the installation:
// "ZrSystem.ini" alone, or "ZrCode.ini" in the program folder with "ZrData.ini" in the data folder
// it names; the rest, cut at its first NUL byte, is the content of those files. Every setting is
// read; the saved login read back is the one saved, its password through its stored form.
// Inputs whose folders lie outside the target's own folder (relative ones included) are skipped:
// loading makes them.
#include "FuzzSupport.h"
#include "core/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

namespace fs = std::filesystem;

bool IsInside(const std::string& folder) {
    const std::string path = fs::absolute(folder).lexically_normal().string();
    const std::string root = fuzz::Folder().string() + "/";
    return path.rfind(root, 0) == 0;
}

// The folder the file names under [Locations], as loading maps it.
std::string MappedFolder(const std::string& text, const char* key, const char* defaultFolder) {
    const std::string folder = CIniDocument(text).Find("Locations", key).value_or("");
    return MapWindowsFolder(folder.empty() ? defaultFolder : folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const bool sandboxed = [] {
        // The home and documents folders inside the target's folder.
        ::setenv("HOME", fuzz::Folder().c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        return true;
    }();
    (void)sandboxed;
    const bool codeFolder = data[0] & 1;
    const std::vector<std::string> parts =
        fuzz::SplitAtNul(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), 2);
    const std::string folder = codeFolder
                                   ? MappedFolder(parts[0], "DataDir", "%MYDOCUMENTS%\\Velorin")
                                   : MappedFolder(parts[0], "Home", "C:\\Velorin");
    if (!IsInside(folder))
        return 0;

    fuzz::ClearFolder();
    fuzz::WriteFile(codeFolder ? "prog/ZrCode.ini" : "prog/ZrSystem.ini", parts[0]);
    if (codeFolder) {
        // A folder the file system cannot hold (a name too long) has no data file to read.
        std::error_code error;
        fs::create_directories(folder, error);
        if (error)
            return 0;
        fuzz::WriteFile(fs::relative(fs::absolute(folder) / "ZrData.ini", fuzz::Folder()).string(),
                        parts[1]);
    }
    CSystemOptions system;
    system.Load((fuzz::Folder() / "prog").string());
    system.SetUser("ACME", "fuzz", "secret");
    std::vector<std::string> templates;
    system.ListTemplates(templates);
    for (int index = 1; index <= 8 && !system.GetRemoteRepository(index).empty(); ++index) {
    }
    for (int index = 1; index <= 8 && !system.GetLocalRepository(index).empty(); ++index) {
    }
    system.GetRepositoryProxy();
    system.GetIgnoreRemoteEngines();
    system.GetLocalVariant();
    system.GetTestSetting("NoZreConvert", 0);
    system.GetCacheSetting("Summary_max_mem", 0);
    system.GetRequireClientName();
    system.GetPendingDir();
    system.GetAutoLogin();

    const std::string company = system.GetDefaultCompId();
    const std::string user = system.GetDefaultUserId();
    const std::string password = system.GetDefaultPassword();
    // A value a settings line cannot hold (a NUL byte) is refused, and nothing is written.
    if (!system.SaveDefaultLogin(company, user, password))
        return 0;
    if (system.GetDefaultCompId() != company || system.GetDefaultUserId() != user ||
        system.GetDefaultPassword() != password)
        __builtin_trap();
    return 0;
}
