#pragma once
// The results window's view without its window: the marks one search found, as a list or as
// icons, for keeping and discarding one by one (a click on a mark's box, with its sound) or in
// bulk, hiding what earlier searches of the section found, and stepping to the next or previous
// search. It follows the document's current search; when it leaves a search, and when it
// closes, the marks kept in that search become permanently kept.

#include "app/views/ZrView.h"

#include <string>

// The three labels of the results window.
struct CResultsLabels {
    std::string section; // "Section 1 of 4"
    std::string search;  // "Search 2 of 3", "Watch 1 of 2"
    std::string marks;   // "Marks 1 to 12 of 40", "No new marks found"

    bool operator==(const CResultsLabels&) const = default;
};

// "Marks 1 to 12 of 40": the first and the last mark shown, and how many there are.
std::string MarksLabel(int first, int last, int count);

// What the results view asks of its frame.
class IResultsFrame {
public:
    virtual ~IResultsFrame() = default;
    virtual void ShowLabels(const CResultsLabels& labels) = 0;
    virtual void ShowTitle(const std::string& title) = 0;
};

// The window on the right of the desktop's work area: its top, right and full height; the whole
// width below 500 pixels, else half of it but at least 500.
CRect ResultsWindowRect(const CRect& workArea);

enum class EResultsCommand {
    KeepSelection,
    KeepAll,
    DiscardSelection,
    DiscardAll,
    SelectAll,
    NextSearch,
    PreviousSearch,
    ShowList,
    ShowIcons,
    HidePreviouslyFound,
    WebDiff,
    Details,
    WebPage,
};

class CResultsView : public CZrView {
public:
    CResultsView(const CViewContext& context, IViewWindow& window, IResultsFrame& frame);

    // The document's current search, hiding previously found marks as the user set unless
    // shown is asked for.
    void OpenOnCurrentSearch(bool showPreviouslyFound);
    void OnInitialUpdate() override;
    void OnUpdate(IDocumentView* sender, int hint) override;
    void Refresh() override;
    void OnFirstRowChanged(int firstIndex) override;
    bool ClickTogglesKeep() const override { return true; }
    int GetBoxType() const override { return kBoxKeep; }

    bool IsEnabled(EResultsCommand command) const;
    // Check marks of the displays and of hiding previously found marks.
    bool IsChecked(EResultsCommand command) const;
    void Run(EResultsCommand command);

    // The window closes: the search's kept marks become permanently kept and the details
    // windows opened from here close.
    void Close();

    int GetShownSearchId() const { return GetCurrentSearchId(); }
    bool IsSearchListed() const { return !notListed_; }
    bool GetHidePreviouslyFound() const { return hidePreviouslyFound_; }
    CResultsLabels GetLabels() const;
    // "Watch Results" or "Search Results".
    std::string GetTitle() const;

private:
    CFilter MakeResultsFilter() const;
    // The view takes the document's current search; the one it leaves is committed.
    void TakeCurrentSearch();
    std::string MarkLabel() const;

    IResultsFrame& frame_;
    CZrListView list_{*this};
    CZrIconView icons_{*this};
    bool hidePreviouslyFound_;
    bool notListed_ = true;
};
