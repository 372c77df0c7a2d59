#pragma once
// The diagnostics report's source in the program: the system, the loaded libraries, the
// settings' folders, the repository's engines (asked for their versions on a thread of their
// own, within the engines' call time-out), the register table with its caches, the background
// jobs and the examination.

#include "app/dialogs/DiagnosticsReport.h"
#include "engines/ZrDbEngine.h"

#include <string>

class CBgrJobManager;
class CSystemOptions;
class CZR2000Doc;
class CZrDbs;
class CZrRepository;

// The program's objects the report looks at.
struct CDiagnosedObjects {
    const CZrRepository& repository;
    CZrDbs& registers;
    const CSystemOptions& system;
    const CBgrJobManager& jobs;
    // The window library's version as it tells it ("3.2.2"); the program's windows fill it in,
    // as the report itself links no window library.
    std::string windowLibraryVersion;
};

class CProgramDiagnosticsSource : public IDiagnosticsSource {
public:
    // The examination is the active document; null when there is none.
    CProgramDiagnosticsSource(const CDiagnosedObjects& objects, const CZR2000Doc* examination)
        : objects_(objects), examination_(examination) {}

    std::string GetSystemName() const override;
    std::vector<std::pair<std::string, std::string>> GetModuleVersions() const override;
    CDiagnosticsFolders GetFolders() const override;
    std::vector<CRepositoryEngine> GetRepositoryEngines() const override;
    std::future<CEngineVersion> AskEngineVersion(std::size_t index) override;
    std::vector<CRegisterEngines> GetRegisters() const override;
    std::uint64_t GetTotalMemory() const override;
    int GetMemoryLoad() const override;
    CCacheFigures GetSummaryCache() const override;
    CCacheFigures GetTextCache() const override;
    CCacheFigures GetImageCache() const override;
    std::vector<std::pair<std::string, std::string>> GetJobs() const override;
    const CZrDocData* GetExamination() const override;
    std::string FormatAppNum(const CMark& mark) const override;

private:
    std::string Describe(const CZrDbEngine& engine) const;

    CDiagnosedObjects objects_;
    const CZR2000Doc* examination_;
    // The engines last listed, for their version requests.
    mutable std::vector<CZrDbEngine> engines_;
};
