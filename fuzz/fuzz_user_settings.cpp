// The user's settings file and keyword file as the disc delivers them, cut at their first NUL
// bytes: the settings file, the user's keyword file, and a text whose keywords are expanded.
// Saved whole, loaded again and saved whole again, the settings file is the same; the login of
// the register's web site read from it is the one saved; a keyword of the user's file is found
// with its definition.
#include "FuzzSupport.h"
#include "core/Macros.h"
#include "core/UserOptions.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts =
        fuzz::SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size), 3);
    fuzz::ClearFolder();
    CSystemOptions system;
    fuzz::LoadInstallation(system);
    const std::string userFile = fuzz::WriteFile("home/fuzz/ZrUser.ini", parts[0]);
    fuzz::Settle(userFile);
    fuzz::Settle(fuzz::WriteFile("home/fuzz/ZrMacros.ini", parts[1]));

    CUserOptions options;
    options.Load(system);
    std::string user, password;
    options.GetDeLogin(user, password);

    CIniPairs keywords;
    options.ReadMacroSection("Class", false, keywords);
    for (const auto& [keyword, definition] : keywords) {
        std::string found;
        if (!options.GetMacroDefinition("Class", keyword, found) || found != definition)
            __builtin_trap();
    }
    std::string expanded;
    CMacros(options).Expand("Class", parts[2], " ,", expanded);

    // A value a settings line cannot hold (a NUL byte) is refused, and nothing is written.
    if (!options.Save(true))
        return 0;
    const std::string saved = fuzz::ReadFile(userFile);
    fuzz::Settle(userFile);
    CUserOptions again;
    again.Load(system);
    std::string againUser, againPassword;
    again.GetDeLogin(againUser, againPassword);
    if (againUser != user || againPassword != password || !again.Save(true) ||
        fuzz::ReadFile(userFile) != saved)
        __builtin_trap();
    return 0;
}
