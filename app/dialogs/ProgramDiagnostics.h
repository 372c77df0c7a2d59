#pragma once
// The diagnostics report's source in the program: the system, the loaded libraries, the
// settings' folders, the repository's engines (asked for their versions on a thread of their
// own, within the engines' call time-out), the register table with its caches, the background
// jobs and the examination.

#include "app/dialogs/DiagnosticsReport.h"
#include "engines/ZrDbEngine.h"

class CZR2000Doc;

class CProgramDiagnosticsSource : public IDiagnosticsSource {
public:
    // The examination is the active document; null when there is none.
    explicit CProgramDiagnosticsSource(const CZR2000Doc* examination) : examination_(examination) {}

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
    const CZR2000Doc* examination_;
    // The engines last listed, for their version requests.
    mutable std::vector<CZrDbEngine> engines_;
};
