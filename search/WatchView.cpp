#include "search/WatchView.h"

#include "app/document/ZR2000Doc.h"

CWatchView::CWatchView(const CViewContext& context, IViewWindow& window)
    : CZrView(context, window) {
    InitSubView(watchedMarks_);
}

void CWatchView::OnInitialUpdate() {
    SetFilter(MakeSearchMarksFilter(0, true));
    CZrView::OnInitialUpdate();
}

void CWatchView::OnUpdate(IDocumentView*, int hint) {
    if (hint & kRebuildHints)
        Refresh();
    if (hint & kHintCurrentSearch)
        SelectCurrentSection();
    else if ((hint & kRepaintHints) && !(hint & kRebuildHints))
        GetWindow().InvalidateDrawArea(false);
}

int CWatchView::FindSectionRow(int section) const {
    for (int row = 0; row < GetMarkCount(); ++row) {
        if (GetShownMark(row).GetSection() == section)
            return row;
    }
    return -1;
}

void CWatchView::SelectCurrentSection() {
    const int row = FindSectionRow(GetDocument().GetCurrentSearch());
    ClearSelection();
    if (row >= 0) {
        CZrView::SelectRow(row, 0);
        GetSubView().EnsureVisible(row);
    }
    GetWindow().InvalidateDrawArea(false);
}

void CWatchView::SelectRow(int row, int) {
    ClearSelection();
    CZrView::SelectRow(row, 0);
    RunSection(GetShownMark(row).GetSection());
}

void CWatchView::ShowSection(int section) {
    const int row = FindSectionRow(section);
    if (row >= 0)
        SelectRow(row, 0);
}

void CWatchView::RunSection(int section) {
    // Current before the run: showing the results makes it current without telling the views
    // that follow the current section.
    GetDocument().SetCurrentSearch(section);
    GetContext().host.RunSearch(section, false);
    // The run's new marks rebuilt the list; the section's row is selected again.
    SelectCurrentSection();
    GetWindow().TakeFocus();
}

bool CWatchView::CanWatchMark() const {
    return GetDocument().GetCurrentSearch() > 0;
}

void CWatchView::WatchMark() {
    if (CanWatchMark())
        GetContext().host.RunSearch(GetDocument().GetCurrentSearch(), false);
}
