// Loading the user settings from a settings file of 1 MB: every key of the user's settings read
// from one file that has grown large (keyword sections, remembered engines, other programs'
// sections).

#include "core/SystemOptions.h"
#include "core/UserOptions.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFileSize = 1 << 20;

// A settings installation in a temporary folder: "prog/ZrSystem.ini" naming the home folder,
// the user "bench" with a user file of about 1 MB last written an hour ago.
class CLargeSettings {
public:
    CLargeSettings()
        : root_(fs::temp_directory_path() / ("zr_bench_settings_" + std::to_string(::getpid()))) {
        fs::create_directories(root_ / "prog");
        fs::create_directories(root_ / "home");
        std::ofstream(root_ / "prog/ZrSystem.ini")
            << "[Locations]\nHome=" << (root_ / "home").string() << "\n";
        system_.Load((root_ / "prog").string());
        if (system_.SetUser("ACME", "bench", "pw") != 0)
            throw std::runtime_error("no user folder");
        const fs::path user = root_ / "home/bench/ZrUser.ini";
        std::ofstream file(user);
        file << "[Exam]\nAgency=Smith & Co\nExaminer=J Bloggs\n[Search]\nDefaultStatus=rp\n";
        for (int section = 0; file.tellp() < static_cast<std::streamoff>(kFileSize); ++section) {
            file << "[Other" << section << "]\n";
            for (int key = 0; key < 40; ++key)
                file << "Key" << key << "=value of key " << key << " in section " << section
                     << "\n";
        }
        file << "[Font]\nDisplayMain=Verdana:9\n";
        file.close();
        fs::last_write_time(user, fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ~CLargeSettings() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    CLargeSettings(const CLargeSettings&) = delete;
    CLargeSettings& operator=(const CLargeSettings&) = delete;

    const CSystemOptions& System() const { return system_; }

private:
    fs::path root_;
    CSystemOptions system_;
};

void BM_LoadUserSettingsFromA1MBFile(benchmark::State& state) {
    const CLargeSettings settings;
    for (auto _ : state) {
        CUserOptions options;
        options.Load(settings.System());
        benchmark::DoNotOptimize(options.GetAgency());
    }
}
BENCHMARK(BM_LoadUserSettingsFromA1MBFile)->Unit(benchmark::kMillisecond);

} // namespace
