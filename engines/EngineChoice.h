#pragma once
// Engine choice: a database may be served by several engines (a copy on the local network and
// one on the Internet, say). The candidates of every database the user chooses from are gathered
// with the index of the chosen one; the "Change Engines" dialog, whose logic is CEngineDlgHelper,
// lets the user pick another candidate for every database that has more than one.

#include "engines/ZrDbEngine.h"

#include <string>
#include <vector>

class CZrRepository;
class IRegisterTable;

class CDbEngineSelection {
public:
    CDbEngineSelection(int dbCode, int chosenIndex, std::vector<CZrDbEngine> candidates)
        : dbCode_(dbCode), chosenIndex_(chosenIndex), candidates_(std::move(candidates)) {}
    CDbEngineSelection(const CDbEngineSelection&) = default;
    CDbEngineSelection& operator=(const CDbEngineSelection&) = default;
    virtual ~CDbEngineSelection() = default;

    int GetDbCode() const { return dbCode_; }
    int GetChosenIndex() const { return chosenIndex_; }
    void SetChosenIndex(int index) { chosenIndex_ = index; }
    const std::vector<CZrDbEngine>& GetCandidates() const { return candidates_; }
    // Null without candidates; the first candidate when the index is out of range.
    const CZrDbEngine* GetSelectedEngine() const;

private:
    int dbCode_;
    int chosenIndex_;
    std::vector<CZrDbEngine> candidates_;
};

class CDbEngineSelectionSet {
public:
    CDbEngineSelectionSet() = default;
    CDbEngineSelectionSet(const CDbEngineSelectionSet&) = default;
    CDbEngineSelectionSet& operator=(const CDbEngineSelectionSet&) = default;
    virtual ~CDbEngineSelectionSet() = default;

    // One selection per code of the text that has a register: its candidates are the discovered
    // engines of the code (for a fixed code only those that are the register's current engine),
    // the chosen one that of the current engine's name and data date.
    void Build(const std::string& codes, const std::string& fixedCodes,
               const IRegisterTable& registers, const CZrRepository& repository);

    // Appends a database's candidates and choice.
    void Add(CDbEngineSelection selection) { selections_.push_back(std::move(selection)); }
    CDbEngineSelection* Find(int code);
    const CDbEngineSelection* Find(int code) const;
    bool HasEngines(int code) const;
    // Some database has more than one candidate: the "Change Engines" button is offered.
    bool AnyMultipleEngines() const;
    // For some database the repository knows more than one engine.
    bool HasVariants() const { return variants_; }
    const std::vector<CDbEngineSelection>& GetSelections() const { return selections_; }

private:
    template <class Selections>
    static auto* FindIn(Selections& selections, int code);

    std::vector<CDbEngineSelection> selections_;
    bool variants_ = false;
};

// The "Change Engines" dialog without its window: one row per database with more than one
// candidate, nine rows visible from the first visible row.
class CEngineDlgHelper {
public:
    static constexpr int kVisibleRows = 9;

    struct Row {
        int dbCode = 0;
        std::string label;   // the short name with its keyboard mnemonic ("&UK")
        std::string tooltip; // the register's long name
        std::vector<std::string> entries;
        int chosenIndex = 0; // -1 when nothing is picked
    };

    CEngineDlgHelper(const CDbEngineSelectionSet& set, const IRegisterTable& registers);

    const std::vector<Row>& GetRows() const { return rows_; }
    int GetFirstVisibleRow() const { return firstVisible_; }
    // Scrolls the rows: the first visible row moves by the step, held to the rows there are.
    void Scroll(int step);
    bool NeedsScrollBar() const { return static_cast<int>(rows_.size()) > kVisibleRows; }
    // Entry picked in the list-th visible list (-1: nothing picked).
    void Pick(int list, int index);
    // OK: every row's choice goes into the selection of its code.
    void Apply(CDbEngineSelectionSet& set) const;

    // "&UK", "EU&TM", "U&S" ... for a short name; other names as they are.
    static std::string MakeLabel(const std::string& shortName);
    // The variant label, then " to " and the data date when there is one.
    static std::string MakeEntry(const CZrDbEngine& engine);

private:
    std::vector<Row> rows_;
    int firstVisible_ = 0;
};
