#include "core/ModuleVersion.h"

#include "core/ZrVersion.h"
#include "platform/Modules.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::uint32_t kStructVersion = 0x00010000;

// Up to four numbers of a version; the missing ones are 0.
using VersionNumbers = std::array<std::uint32_t, 4>;

// The dot-separated numbers after ".so." in a shared object's file name; false when there are
// none.
bool VersionFromFileName(std::string_view path, VersionNumbers& numbers) {
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto so = name.find(".so.");
    if (so == std::string_view::npos)
        return false;
    std::string_view rest = name.substr(so + 4);
    numbers = {};
    std::size_t count = 0;
    while (count < numbers.size() && !rest.empty() && rest.front() >= '0' && rest.front() <= '9') {
        std::uint32_t value = 0;
        while (!rest.empty() && rest.front() >= '0' && rest.front() <= '9') {
            value = std::min<std::uint32_t>(value * 10 + (rest.front() - '0'), 0xffff);
            rest.remove_prefix(1);
        }
        numbers[count++] = value;
        if (rest.empty() || rest.front() != '.')
            break;
        rest.remove_prefix(1);
    }
    return count > 0;
}

FixedFileInfo FixedInfoOf(const VersionNumbers& numbers) {
    FixedFileInfo fixed;
    fixed.signature = CModuleVersion::kSignature;
    fixed.structVersion = kStructVersion;
    fixed.fileVersionMS = fixed.productVersionMS = numbers[0] << 16 | numbers[1];
    fixed.fileVersionLS = fixed.productVersionLS = numbers[2] << 16 | numbers[3];
    return fixed;
}

} // namespace

bool CModuleVersion::Read(std::string_view moduleName) {
    codePage_ = kDefaultCodePage;
    fixed_ = {};
    VersionNumbers numbers{kZrVersionMajor, kZrVersionMinor, kZrVersionPatch, 0};
    if (!moduleName.empty() &&
        !VersionFromFileName(platform::LoadedModuleFile(moduleName), numbers))
        return false;
    fixed_ = FixedInfoOf(numbers);
    return true;
}
