#pragma once
// What the examination document asks of the rest of the program: the register table and the
// engine repository (the databases an examination uses, their engines and record numbers), and
// the windows (messages, questions, progress, the main frame's layout, the engine choice).
// Views follow the document through IDocumentView. The program implements these over its
// register table, repository and frames; tests implement them over plain data.

#include "app/document/Progress.h"
#include "app/document/RegisterCodeNames.h"
#include "core/ZrDate.h"
#include "engines/ZrDbEngine.h"
#include "engines/ZrDbEngineSet.h"
#include "registers/DbSelection.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class IExamRegisters : public IRegisterCodeNames {
public:
    // The codes of the built-in registers.
    virtual std::string GetDbCodes() const = 0;
    // Whether a register, built-in or defined by an engine, has that code.
    virtual bool HasDb(char code) const = 0;
    virtual std::string GetDbShortName(char code) const = 0;
    // The catalogue of databases: the built-in groups and those of the registers the engines
    // define for themselves.
    virtual const CDbSelection& GetDbSelection() const = 0;

    // The register's current engine; one without connection when it has none.
    virtual CZrDbEngine GetDbEngine(char code) const = 0;
    // The register takes the engine and the country restriction of the database selection.
    virtual void SetEngine(char code, const CZrDbEngine& engine,
                           const std::string& restriction) = 0;
    // The register takes the engine and keeps its restriction.
    virtual void SwitchEngine(char code, const CZrDbEngine& engine) = 0;
    // Every built-in register takes the set's engine and restriction for its code.
    virtual void SetEngines(const CZrDbEngineSet& engines) = 0;

    // The application numbers of the records; false when the engine could not tell.
    virtual bool SgesToAppNums(char code, std::span<const std::uint32_t> recordNumbers,
                               std::span<int> appNumbers) = 0;
    // The records of the current database that carry the application numbers, written over the
    // record numbers; false when the engine could not tell.
    virtual bool AppNumsToSges(char code, std::span<std::uint32_t> recordNumbers,
                               std::span<const int> appNumbers) = 0;
    // Which of the marks changed in the record set: the found record numbers replace the given
    // ones. False when the engine failed.
    virtual bool CaveatSearch(char code, const std::string& client, const std::string& examId,
                              const std::string& setName, std::vector<std::uint32_t>& recordNumbers,
                              std::span<const int> appNumbers) = 0;

    // The names of the record sets the register offers.
    virtual std::vector<std::string> GetSystemSets(char code) const = 0;
};

class IExamRepository {
public:
    virtual ~IExamRepository() = default;
    // Every engine discovered for the database.
    virtual std::vector<CZrDbEngine> GetEngines(char code) const = 0;
    // The engine the user chose for the database when it is still there, else the repository's
    // choice; one without connection when there is none.
    virtual CZrDbEngine GetPreferredEngine(char code) const = 0;
    // Records a search with the service, when the repository offers that.
    virtual void LogSearch(const std::string& userId, const std::string& client,
                           const std::string& examId, const std::string& text) = 0;
};

class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    // True for Yes; No is the default answer.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The engine choice for the databases of the letters; the choice is applied to the
    // registers.
    virtual void ChangeEngines(const std::string& codes) = 0;
    // The main frame's layout: watch or examination.
    virtual void SetWatchMode(bool watch) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // The save-as question, its file dialog starting in the folder.
    virtual void SaveAs(const std::string& folder) = 0;
    // Never null: a host without windows returns a silent progress. Closing is destroying the
    // progress window.
    virtual std::unique_ptr<IProgress> OpenProgress(const std::string& caption) = 0;
};

// Update hints: what changed in the document. Views test the bits.
enum EDocumentHint : int {
    kHintContents = 4,    // replaced: new, opened, merged, cleared, watch contents
    kHintDbSelection = 8, // the database selection changed
    kHintSearchAdded = 16,
    kHintSearchRemoved = 32,
    kHintSearches = 64,        // searches replaced or their statistics changed
    kHintMarksCommitted = 256, // marks became permanently kept
    kHintMarksAdded = 512,
    kHintSearchResults = kHintSearches | kHintMarksAdded,
    kHintOptions = 2048,       // the user's options or keywords changed
    kHintCurrentSearch = 4096, // through SetCurrentSearch
    kHintSelectSearch = 8192,  // through SelectSearch
    kHintSectionCount = 16384,
};

class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    // The sender is the view that caused the update, or null.
    virtual void OnUpdate(IDocumentView* sender, int hint) = 0;
};
