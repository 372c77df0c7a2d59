#pragma once
// The database selection panel without its windows: turns the catalogue of database groups into
// a scrolling list of rows (group headers, databases with their data date and engine, the notice
// row a "Direct" database needs ticked, a data-credit line and a training-help link) shown in a
// fixed column of check boxes, split by two tabs into the maker's databases and the patent
// offices' direct ones. The host dialog lays out GetSlots after every change and forwards its
// clicks, scrolling and tab changes.

#include "core/RowWindow.h"
#include "engines/EngineChoice.h"
#include "engines/MakerSite.h"
#include "registers/DbSelection.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

class CZrDbEngineSet;
class CZrRepository;
class IRegisterTable;

// Which of the panel's optional controls the host has; a row needing one it lacks is not made.
struct CDbSelectionControls {
    int visibleRows = 13;
    bool noticeLinks = false;
    bool dataCreditStatic = false;
    bool trainingLink = false;
};

// What one visible check box slot shows.
struct CDbSelectionSlot {
    enum class Kind { Hidden, Group, Database, Notice, DataCredit, Training };

    Kind kind = Kind::Hidden;
    std::string text; // the check box's text (Group, Database, Notice)
    bool checked = false;
    bool enabled = false;
    std::string linkText; // Notice and Training: the hyperlink beside or in the slot
    std::string linkUrl;
};

class CDbSelectionPanel {
public:
    enum class RowType { Group = 0, Database = 1, DataCredit = 2, Notice = 3, Training = 4 };
    using ScrollCode = CRowWindow::ScrollCode;

    // Text colours in the system's blue-green-red byte order; 0 is the default colour.
    static constexpr std::uint32_t kDirectColour = 0x403D96;
    static constexpr std::uint32_t kOldDataColour = 0x0080FF;
    static constexpr std::uint32_t kTrainingColour = 0x008000;
    static constexpr std::uint32_t kSelectedTabColour = 0x008000;
    static constexpr int kOldDataDays = 366;
    // The check box of a notice row; its link stands beside it.
    static constexpr const char* kNoticeCheckText = "Please confirm that you have read these";

    // wheelLines is the system's mouse-wheel line count.
    CDbSelectionPanel(const IRegisterTable& registers, const CZrRepository& repository,
                      int wheelLines = 3);

    void SetControls(const CDbSelectionControls& controls);
    const CDbSelectionControls& GetControls() const { return controls_; }
    // The site the notice and training links point into.
    void SetMakerSite(CMakerSite site) { makerSite_ = std::move(site); }
    void SetConfirmedCodes(const std::string& codes) { confirmedCodes_ = codes; }
    const std::string& GetConfirmedCodes() const { return confirmedCodes_; }

    // Takes the catalogue, gathers the engine candidates (fixed codes keep their engine),
    // leaves out every database without a candidate and builds the rows from the first.
    void Init(const CDbSelection& catalogue, const std::string& usedCodes,
              const std::string& fixedCodes);
    // After the engine choice changed.
    void UpdateRows() { BuildRows(); }

    // The check box of visible slot n was clicked and now shows the state given.
    void OnCheckClicked(int n, bool checked);
    // Text colour of visible slot n at the time given.
    std::uint32_t GetRowColour(int n, std::time_t now) const;
    void OnVScroll(ScrollCode code, int trackPosition = 0) { window_.Scroll(code, trackPosition); }
    void OnMouseWheel(bool shiftOrControl, int delta) {
        window_.OnMouseWheel(shiftOrControl, delta);
    }

    // "Velorin Databases", and "Patent Office Direct Databases" when there are web registers.
    std::vector<std::string> GetTabs() const;
    void OnTabChange(int tab);
    int GetCurrentTab() const { return tab_; }
    // Green when the tab holds a selected database in a selected group, else black (0).
    std::uint32_t GetTabColour(int tab) const;

    std::vector<CDbSelectionSlot> GetSlots() const;
    // The link texts of every notice row the catalogue can show, so that the host makes room.
    std::vector<std::string> GetNoticeLinkTexts() const;
    int GetFirstVisibleRow() const { return window_.GetFirstRow(); }
    int GetRowCount() const { return window_.GetRowCount(); }
    bool NeedsScrollBar() const { return window_.NeedsScrollBar(); }

    // Empties the set, then adds the chosen engine of every selected database with its country
    // filter; answers their codes.
    std::string GetSelectedEngines(CZrDbEngineSet& engines) const;
    // The message for the first of the codes whose database is a patent office's direct one and
    // whose notices were not confirmed read; "" when there is none.
    std::string FindUnconfirmedNotice(const std::string& codes) const;
    CDbEngineSelectionSet& GetEngineSelections() { return engines_; }
    const CDbEngineSelectionSet& GetEngineSelections() const { return engines_; }
    const CDbSelection& GetCatalogue() const { return catalogue_; }
    const std::string& GetUsedCodes() const { return usedCodes_; }

private:
    struct Row {
        RowType type;
        std::size_t group;
        std::size_t db; // the database of types 1 to 4
        bool enabled;
        std::string text;
    };

    void BuildRows();
    void AddDatabaseRows(std::size_t groupIndex);
    // Whether an entry of the international register may be used, by its country filter.
    bool IsIrEntryUsable(const CDbGroup& group, std::size_t db) const;
    std::string DatabaseText(const CDbEntry& entry) const;
    const CZrDbEngine* ChosenEngine(char letter) const;
    const Row* RowOfSlot(int n) const;

    const IRegisterTable& registers_;
    const CZrRepository& repository_;
    CDbSelectionControls controls_;
    CMakerSite makerSite_;
    CDbSelection catalogue_;
    std::string usedCodes_;
    std::string confirmedCodes_;
    CDbEngineSelectionSet engines_;
    std::vector<Row> rows_;
    int tab_ = 0;
    CRowWindow window_;
};
