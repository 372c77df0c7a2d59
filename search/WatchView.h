#pragma once
// The watch view without its window: the upper pane of a watch, listing the watched marks (the
// marks of no search, one per section). Selecting a row runs that mark's section (the searches
// that watch it) and makes it the document's current section, whose found marks the main view
// and the results window then show; Watch Mark runs the current section again.

#include "app/views/ZrView.h"

class CWatchView : public CZrView {
public:
    // The list is rebuilt when the contents were replaced, marks were added or the options
    // changed; it is drawn again when marks turned long or short or the current section moved.
    static constexpr int kRebuildHints = kHintContents | kHintMarksAdded | kHintOptions;
    static constexpr int kRepaintHints = kHintLongChanged | kHintCurrentSearch;

    CWatchView(const CViewContext& context, IViewWindow& window);

    void OnInitialUpdate() override;
    void OnUpdate(IDocumentView* sender, int hint) override;
    // The row alone becomes the selection, whatever keys were held; its section runs and
    // becomes the current one, and the view takes the focus.
    void SelectRow(int row, int keyFlags) override;
    // The first row of the section, as SelectRow; nothing when no row has it.
    void ShowSection(int section);

    // Mark > Watch Mark: the current section runs again; only while there is one.
    bool CanWatchMark() const;
    void WatchMark();

private:
    // The first row whose mark is of the section; -1 when none.
    int FindSectionRow(int section) const;
    // The row of the current section becomes the selection and is scrolled into view.
    void SelectCurrentSection();
    void RunSection(int section);

    CZrListView watchedMarks_{*this};
};
