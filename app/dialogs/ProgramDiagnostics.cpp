#include "app/dialogs/ProgramDiagnostics.h"

#include "app/document/ZR2000Doc.h"
#include "core/ModuleVersion.h"
#include "core/SystemOptions.h"
#include "engines/BgrJobs.h"
#include "engines/OrbErrors.h"
#include "engines/Repository.h"
#include "platform/SystemInfo.h"
#include "registers/ZrDb.h"
#include "registers/ZrDbs.h"

namespace {

// The libraries a support desk asks about, by the start of their file names.
constexpr const char* kModules[] = {"libwx_gtk3u_core", "libomniORB4", "libcurl", "libpng"};

std::string VersionText(const FixedFileInfo& info) {
    return std::to_string(info.fileVersionMS >> 16) + "." +
           std::to_string(info.fileVersionMS & 0xFFFF) + "." +
           std::to_string(info.fileVersionLS >> 16) + "." +
           std::to_string(info.fileVersionLS & 0xFFFF);
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
    std::vector<std::pair<std::string, std::string>> modules;
    for (const char* name : kModules) {
        CModuleVersion version;
        modules.emplace_back(name, version.Read(name) ? VersionText(version.GetFixedInfo()) : "");
    }
    return modules;
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
