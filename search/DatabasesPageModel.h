#pragma once
// The Databases page, the last tab of every sheet: which of the examination's connected
// databases the search runs on, ticked in a column of ten check boxes that scrolls over the
// databases. A search stored with a database no longer connected keeps it, but it counts for
// nothing here.

#include "core/RowWindow.h"
#include "search/SearchPageModel.h"

#include <string>
#include <vector>

class ISearchExamination;

// What one of the ten check boxes shows.
struct CDatabaseSlot {
    bool shown = false; // shown and enabled
    std::string text;   // the register's long name
    bool ticked = false;
};

class CDatabasesPageModel : public CSearchPageModel {
public:
    static constexpr int kVisibleRows = 10;

    // The connected databases are those when the sheet opens; wheelLines is the system's
    // mouse-wheel line count.
    CDatabasesPageModel(const ISearchExamination& examination, int wheelLines = 3);

    void Load(const CCriteria& criteria) override;
    void Validate() override;
    void Store(CCriteria& criteria) const override;
    // Every connected database ticked.
    void Clear() override;

    // The ticked codes in the order they were ticked (with any no longer connected).
    const std::string& GetSelectedCodes() const { return selected_; }
    std::vector<CDatabaseSlot> GetSlots() const;
    const CRowWindow& GetRowWindow() const { return window_; }

    void OnScroll(CRowWindow::ScrollCode code, int trackPosition = 0) {
        window_.Scroll(code, trackPosition);
    }
    void OnMouseWheel(bool shiftOrControl, int delta) {
        window_.OnMouseWheel(shiftOrControl, delta);
    }
    // The check box of a visible slot now shows the state given; validates the page and the
    // Devices page.
    void OnCheckClicked(int slot, bool ticked);

private:
    struct Row {
        char code;
        std::string longName;
    };

    std::string connected_;
    std::vector<Row> rows_;
    std::string selected_;
    CRowWindow window_;
};
