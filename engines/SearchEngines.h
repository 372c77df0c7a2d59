#pragma once
// One search of an examination run on every database its criteria name, all at once, each on the
// engine of that database's register: starting, one status line per database while they run,
// which databases failed and why, and at the end the found record ids turned into marks of the
// document (or, for a watch, merged into per-database id lists). The run is logged with the
// local repository, and the engine searches are disposed of when the object goes.

#include "core/Search.h"
#include "engines/SearchResults.h"
#include "engines/idl/ZrEngine.hh"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CSystemOptions;
class CUserOptions;
class CZrRepository;
class IExamDocument;
class IRegisterTable;

// What a run works with beyond the document.
struct CSearchServices {
    IRegisterTable& registers;
    const CUserOptions& userOptions;
    const CSystemOptions& systemOptions;
    const CZrRepository& repository;
};
// The program's register table, settings and repository connection.
CSearchServices TheSearchServices();

class CSearchEngines {
public:
    // Record ids fetched per GetMarks call after the first reply, at most.
    static constexpr std::uint32_t kChunkSize = 16385;
    // Record ids converted to application numbers per call, at most.
    static constexpr std::size_t kAppNumSlice = 300;

    CSearchEngines(const CSearch& search, std::string client, std::string examId, int oneClassOnly,
                   const CSearchServices& services);
    CSearchEngines(const CSearchEngines&) = delete;
    CSearchEngines& operator=(const CSearchEngines&) = delete;
    // Disposes of the engine searches still held.
    virtual ~CSearchEngines();

    // Starts the search on the register of every database. A database whose register cannot
    // start it, or whose engine rejects the criteria, ends at its first poll as failed.
    void Start();

    int GetDbCount() const { return static_cast<int>(search_.GetDatabases().size()); }
    // The short name of the i-th database's register; "??" without one.
    std::string GetDbName(int i) const;
    // The engine's status text of database i, and whether it has ended. A failure is recorded
    // the first time its end is seen. Before Start: "" and not ended.
    std::string GetSearchStatus(int i, bool& done);
    // One line per failed database: its short name, a blank, the reason.
    const std::string& GetFailureText() const { return failureText_; }
    // The codes of the failed databases, in the order their failures were seen.
    const std::string& GetFailedDbs() const { return failedDbs_; }

    // Once every database has ended: the hits of the databases that did not fail become marks
    // of the document, the search records the run and the document stores it.
    void CollectResults(IExamDocument& document);
    // The same for a watch: each database's ids are merged into the results element of its
    // code (the last one when several have it; none, and the database is left out); failed
    // databases are collected too, and no marks are made.
    void CollectWatchResults(IExamDocument& document, std::vector<CSearchResults>& results);

    const CSearch& GetSearch() const { return search_; }

private:
    struct Entry {
        ZrEngineSearch_var search;
        bool endSeen = false;
        // For a search that never started: the status and reason its first poll reports.
        std::string startStatus;
        std::string startReason;
    };

    void RecordFailure(char code, const std::string& reason);
    // Every found id of the entry, or false (nothing kept) when the engine fails to deliver
    // them. An entry whose ids came whole in the first reply is let go without Dispose.
    bool FetchIds(Entry& entry, std::vector<std::uint32_t>& ids);
    // The hits of one database with duplicates found by application number.
    void AddByApplication(IExamDocument& document, std::span<const std::uint32_t> ids, char code,
                          std::uint32_t flags);
    std::vector<std::uint32_t> GetAppNumbers(char code, std::span<const std::uint32_t> ids);
    void DropDuplicates(IExamDocument& document, std::span<const std::uint32_t> ids, char code,
                        std::uint32_t flags);
    void MapOntoExisting(IExamDocument& document, std::span<const std::uint32_t> ids, char code,
                         std::uint32_t flags);
    void LogSearch(const IExamDocument& document) const;

    CSearch search_;
    std::string client_;
    std::string examId_;
    int oneClassOnly_;
    CSearchServices services_;
    std::string dbCodes_;
    std::string failureText_;
    std::vector<Entry> entries_;
    std::string failedDbs_;
};
