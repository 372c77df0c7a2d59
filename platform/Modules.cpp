#include "platform/Modules.h"

#include <filesystem>
#include <link.h>

namespace platform {

namespace {

struct Search {
    std::string_view prefix;
    std::string path;
};

int MatchModule(dl_phdr_info* info, std::size_t, void* data) {
    auto& search = *static_cast<Search*>(data);
    const std::string_view path = info->dlpi_name ? info->dlpi_name : "";
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // The program itself has an empty name.
    if (name.empty() || !name.starts_with(search.prefix))
        return 0;
    search.path = path;
    return 1;
}

} // namespace

std::string LoadedModuleFile(std::string_view namePrefix) {
    Search search{namePrefix, {}};
    if (dl_iterate_phdr(MatchModule, &search) == 0)
        return {};
    std::error_code error;
    const auto resolved = std::filesystem::canonical(search.path, error);
    return error ? search.path : resolved.string();
}

} // namespace platform
