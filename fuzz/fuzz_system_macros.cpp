// The shared keyword file in the home folder as the disc delivers it, and a text to expand with
// it: the input is cut at its first NUL byte. Every keyword of the file's [Class] section is
// found with the definition it has first, and typed alone with the prefix it expands to that
// definition.
#include "FuzzSupport.h"
#include "core/Macros.h"
#include "core/UserOptions.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts =
        fuzz::SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size), 2);
    fuzz::ClearFolder();
    CSystemOptions system;
    fuzz::LoadInstallation(system);
    fuzz::WriteFile("home/ZrMacros.ini", parts[0]);
    CUserOptions options;
    options.Load(system);
    const CMacros macros(options);

    std::string expanded;
    macros.Expand("Class", parts[1], " ,", expanded);

    CIniPairs keywords;
    options.ReadMacroSection("Class", true, keywords);
    for (const auto& [keyword, definition] : keywords) {
        std::string found;
        if (!options.GetMacroDefinition("Class", keyword, found) || found != definition)
            __builtin_trap();
        // A keyword the tokeniser would cut or unquote cannot be typed alone.
        if (keyword.find_first_of(" ,\"'\\") != std::string::npos)
            continue;
        if (!macros.Expand("Class", "." + keyword, " ,", expanded) || expanded != definition)
            __builtin_trap();
    }
    return 0;
}
