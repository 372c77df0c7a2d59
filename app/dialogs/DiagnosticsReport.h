#pragma once
// The diagnostics report without its window: program and system versions, folders, every
// engine of the repository with the version it reports, the registers' engines, memory, the
// caches, the background jobs and, on request, the examination's marks and searches. The
// report is made in small steps so that its window stays live; an engine is asked for its
// version without waiting, and the report goes on once it has answered.

#include <cstdint>
#include <future>
#include <string>
#include <utility>
#include <vector>

class CMark;
class CZrDocData;

struct CCacheFigures {
    int minEntries = 0;
    int maxEntries = 0;
    int maxSizeKb = 0;
    int entries = 0;
    int bytes = 0;
    int hits = 0;
    int misses = 0;
};

struct CDiagnosticsFolders {
    std::string userId;
    std::string codeDir;
    std::string dataDir;
    std::string userDir;
    std::string templateDir;
    std::string saveAsDir;
    std::string openDir;
    std::string reportDir;
    std::string hostName;
};

// An engine's answer to the version request: the version, or the name of the system exception
// the call raised.
struct CEngineVersion {
    bool answered = false;
    std::string text;
};

// An engine of the repository: its description, and whether there is an engine object to ask.
struct CRepositoryEngine {
    std::string description;
    bool hasEngine = false;
};

// A register: the description of its current engine with its restriction, and of the engine
// its cached records are of.
struct CRegisterEngines {
    std::string engine;
    std::string restriction;
    std::string cacheEngine;
};

// Where the report comes from: the program answers from its own objects, tests from theirs.
class IDiagnosticsSource {
public:
    virtual ~IDiagnosticsSource() = default;

    virtual std::string GetSystemName() const = 0;
    // The modules named in the report with their versions; "" for one that cannot be read.
    virtual std::vector<std::pair<std::string, std::string>> GetModuleVersions() const = 0;
    virtual CDiagnosticsFolders GetFolders() const = 0;
    // The repository's engines, in discovery order.
    virtual std::vector<CRepositoryEngine> GetRepositoryEngines() const = 0;
    // Asks the engine of that index for its version; the answer may come later.
    virtual std::future<CEngineVersion> AskEngineVersion(std::size_t index) = 0;
    // Every built-in register that exists, in the table's order.
    virtual std::vector<CRegisterEngines> GetRegisters() const = 0;
    virtual std::uint64_t GetTotalMemory() const = 0;
    virtual int GetMemoryLoad() const = 0;
    virtual CCacheFigures GetSummaryCache() const = 0;
    virtual CCacheFigures GetTextCache() const = 0;
    virtual CCacheFigures GetImageCache() const = 0;
    // (name, progress text) per background job.
    virtual std::vector<std::pair<std::string, std::string>> GetJobs() const = 0;
    // The active examination; null when there is none.
    virtual const CZrDocData* GetExamination() const = 0;
    // The mark's number in its register's application-number format.
    virtual std::string FormatAppNum(const CMark& mark) const = 0;
};

class CDiagnosticsReport {
public:
    // Marks or searches listed per step. The window adds each step's lines to its list before
    // it takes its events again, and measuring each line there costs tens of microseconds: a
    // step must stay well below the 50 ms a window may stay frozen.
    static constexpr int kItemsPerStep = 250;

    enum class EStep { Lines, Waiting, Done };

    // With includeMarks the examination's marks and searches are listed at the end.
    CDiagnosticsReport(IDiagnosticsSource& source, bool includeMarks);

    // Makes the next part of the report and appends its lines. Waiting (nothing appended)
    // while an engine has not answered; Done once the report is complete.
    EStep Step(std::vector<std::string>& lines);

    int GetErrorCount() const { return errors_; }
    int GetWarningCount() const { return warnings_; }
    // "Failed with %d errors", "Passed" or "Passed, but see warnings".
    std::string GetStatusText() const;

    // Decimal with a comma between groups of three digits: "1,234,567".
    static std::string FormatThousands(std::uint64_t number);
    // Hits as a share of all look-ups in per cent, in 64 bits; 0 without look-ups.
    static int HitRate(int hits, int misses);

private:
    enum class EPart { Header, Repository, Engines, Registers, Marks, Searches, Done };

    void AddHeader(std::vector<std::string>& lines) const;
    // The next engine's lines; false while it has not answered.
    bool AddEngine(std::vector<std::string>& lines);
    void AddRegisters(std::vector<std::string>& lines) const;
    void AddCache(std::vector<std::string>& lines, const std::string& name,
                  const CCacheFigures& cache) const;
    void AddMarks(std::vector<std::string>& lines);
    void AddSearches(std::vector<std::string>& lines);
    std::string Warning(const std::string& text);
    std::string Error(const std::string& text);

    IDiagnosticsSource& source_;
    bool includeMarks_;
    EPart part_ = EPart::Header;
    std::vector<CRepositoryEngine> engines_;
    std::size_t nextItem_ = 0;
    std::future<CEngineVersion> pending_;
    int errors_ = 0;
    int warnings_ = 0;
};
