#include "app/dialogs/ProgramDiagnostics.h"

#include "app/document/ZR2000Doc.h"
#include "core/Ping.h"
#include "core/SystemOptions.h"
#include "engines/BgrJobs.h"
#include "engines/Orb.h"
#include "engines/OrbErrors.h"
#include "engines/Repository.h"
#include "platform/SystemInfo.h"
#include "registers/ZrDb.h"
#include "registers/ZrDbs.h"
#include "web/CurlTransport.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

// A version as a library tells it ("7.88.1", "1.6.39", "4.3.0-dev") in the report's four
// numbers ("7.88.1.0"); "" when it begins with no number.
std::string FourNumberVersion(std::string_view text) {
    std::vector<std::string> numbers;
    while (numbers.size() < 4 && !text.empty() &&
           std::isdigit(static_cast<unsigned char>(text.front()))) {
        const std::size_t end = std::min(text.find_first_not_of("0123456789"), text.size());
        numbers.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
        if (text.empty() || text.front() != '.')
            break;
        text.remove_prefix(1);
    }
    if (numbers.empty())
        return {};
    numbers.resize(4, "0");
    return numbers[0] + "." + numbers[1] + "." + numbers[2] + "." + numbers[3];
}

template <class Cache>
CCacheFigures FiguresOf(const Cache& cache) {
    CCacheFigures figures;
    figures.minEntries = cache.GetMinSlots();
    figures.maxEntries = cache.GetMaxSlots();
    figures.maxSizeKb = cache.GetMaxMemoryKb();
    cache.GetUsage(figures.entries, figures.bytes);
    cache.GetHitCounts(figures.hits, figures.misses);
    return figures;
}

} // namespace

std::string CProgramDiagnosticsSource::Describe(const CZrDbEngine& engine) const {
    return engine.Describe(objects_.registers.GetDbShortName(engine.GetDbCode()));
}

std::string CProgramDiagnosticsSource::GetSystemName() const {
    return platform::OperatingSystemName();
}

std::vector<std::pair<std::string, std::string>>
CProgramDiagnosticsSource::GetModuleVersions() const {
    // Each library asked for its own version: the numbers in the names of their files are
    // those of their interfaces.
    return {{"wxWidgets", FourNumberVersion(objects_.windowLibraryVersion)},
            {"omniORB", FourNumberVersion(OrbLibraryVersion())},
            {"libcurl", FourNumberVersion(CurlLibraryVersion())},
            {"libpng", FourNumberVersion(PngLibraryVersion())}};
}

CDiagnosticsFolders CProgramDiagnosticsSource::GetFolders() const {
    const CSystemOptions& system = objects_.system;
    return {system.GetUserId(),  system.GetHomeDir(),     system.GetDataDir(),
            system.GetUserDir(), system.GetTemplateDir(), system.GetSaveAsDir(),
            system.GetOpenDir(), system.GetReportDir(),   platform::HostName()};
}

std::vector<CRepositoryEngine> CProgramDiagnosticsSource::GetRepositoryEngines() const {
    engines_ = objects_.repository.GetAllEngines();
    std::vector<CRepositoryEngine> engines;
    for (const CZrDbEngine& engine : engines_)
        engines.push_back({Describe(engine), !engine.IsNil()});
    return engines;
}

std::future<CEngineVersion> CProgramDiagnosticsSource::AskEngineVersion(std::size_t index) {
    ZrEngine_var reference = engines_.at(index).GetEngine();
    omniORB::setClientCallTimeout(reference, objects_.registers.GetCallTimeoutMs());
    return std::async(std::launch::async, [reference]() -> CEngineVersion {
        try {
            CORBA::String_var version = reference->GetVersion();
            return {true, version.in()};
        } catch (const CORBA::SystemException& e) {
            return {false, SystemExceptionName(e)};
        }
    });
}

std::vector<CRegisterEngines> CProgramDiagnosticsSource::GetRegisters() const {
    std::vector<CRegisterEngines> registers;
    for (const char code : std::string(CZrDbs::kBuiltInCodes)) {
        if (const CZrDb* db = objects_.registers.GetDb(static_cast<unsigned char>(code)))
            registers.push_back(
                {Describe(db->GetDbEngine()), db->GetRestriction(), Describe(db->GetLastEngine())});
    }
    return registers;
}

std::uint64_t CProgramDiagnosticsSource::GetTotalMemory() const {
    return platform::TotalPhysicalMemory();
}

int CProgramDiagnosticsSource::GetMemoryLoad() const {
    return platform::MemoryLoadPercent();
}

CCacheFigures CProgramDiagnosticsSource::GetSummaryCache() const {
    return FiguresOf(objects_.registers.GetSummaryCache());
}

CCacheFigures CProgramDiagnosticsSource::GetTextCache() const {
    return FiguresOf(objects_.registers.GetTextCache());
}

CCacheFigures CProgramDiagnosticsSource::GetImageCache() const {
    return FiguresOf(objects_.registers.GetImageCache());
}

std::vector<std::pair<std::string, std::string>> CProgramDiagnosticsSource::GetJobs() const {
    std::vector<std::pair<std::string, std::string>> jobs;
    objects_.jobs.GetJobList(jobs);
    return jobs;
}

const CZrDocData* CProgramDiagnosticsSource::GetExamination() const {
    return examination_;
}

std::string CProgramDiagnosticsSource::FormatAppNum(const CMark& mark) const {
    if (mark.GetAppNumber() == 0)
        return {};
    if (const CZrDb* db = objects_.registers.GetDb(mark.GetRegisterCode()))
        return db->FormatMarkAppNum(mark);
    return std::to_string(static_cast<unsigned>(mark.GetAppNumber()));
}
