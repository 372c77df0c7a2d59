#include "app/views/ResultsView.h"

#include "app/MainFrameCommands.h"
#include "app/document/ZR2000Doc.h"
#include "core/UserOptions.h"

#include <algorithm>

CRect ResultsWindowRect(const CRect& workArea) {
    const int width = MainWindowRect(workArea).Width();
    return {workArea.right - width, workArea.top, workArea.right, workArea.bottom};
}

std::string MarksLabel(int first, int last, int count) {
    return "Marks " + std::to_string(first) + " to " + std::to_string(last) + " of " +
           std::to_string(count);
}

CResultsView::CResultsView(const CViewContext& context, IViewWindow& window, IResultsFrame& frame)
    : CZrView(context, window), frame_(frame),
      hidePreviouslyFound_(context.user.GetHideDuplicates()) {
    InitSubView(list_);
    SetFilterQuietly(MakeSearchIdFilter(1, hidePreviouslyFound_, true));
}

CFilter CResultsView::MakeResultsFilter() const {
    if (GetDocument().IsWatch())
        return MakeSearchMarksFilter(GetDocument().GetCurrentSearch(), true);
    return MakeSearchIdFilter(GetCurrentSearchId(), hidePreviouslyFound_, true);
}

void CResultsView::OpenOnCurrentSearch(bool showPreviouslyFound) {
    hidePreviouslyFound_ = GetUserOptions().GetHideDuplicates() && !showPreviouslyFound;
    OnInitialUpdate();
}

void CResultsView::OnInitialUpdate() {
    TakeCurrentSearch();
    SetFilter(MakeResultsFilter());
    CZrView::OnInitialUpdate();
    frame_.ShowTitle(GetTitle());
}

std::string CResultsView::GetTitle() const {
    return GetDocument().IsWatch() ? "Watch Results" : "Search Results";
}

void CResultsView::TakeCurrentSearch() {
    CZR2000Doc& document = GetDocument();
    const int previous = GetCurrentSearchId();
    SetCurrentSearchId(document.GetCurrentSearch());
    notListed_ = document.IsFreeSearchId(GetCurrentSearchId());
    // Leaving a search ends its review as closing the window would: without this its kept
    // marks would stay out of the kept list.
    if (previous > 0 && previous != GetCurrentSearchId())
        document.CommitSearchMarks(previous);
}

void CResultsView::OnUpdate(IDocumentView*, int hint) {
    const CZR2000Doc& document = GetDocument();
    const int current = document.GetCurrentSearch();
    bool rebuild =
        (hint & (kHintContents | kHintMarksAdded | kHintOptions | kHintCurrentSearch)) != 0;
    if (((hint & kHintSelectSearch) && current > 0 && current != GetCurrentSearchId()) ||
        (hint & kHintCurrentSearch)) {
        TakeCurrentSearch();
        SetFilterQuietly(MakeResultsFilter());
        rebuild = true;
    }
    if (rebuild)
        Refresh();
    else if (hint & (kHintKeptChanged | kHintMarksCommitted))
        GetWindow().InvalidateDrawArea(false);
}

void CResultsView::Refresh() {
    CZrView::Refresh();
    frame_.ShowLabels(GetLabels());
}

void CResultsView::OnFirstRowChanged(int) {
    frame_.ShowLabels(GetLabels());
}

std::string CResultsView::MarkLabel() const {
    const int count = GetMarkCount();
    if (count == 0)
        return !hidePreviouslyFound_ || GetDocument().IsWatch() ? "No marks found"
                                                                : "No new marks found";
    const int first = GetSubView().GetFirstVisible();
    const int visible = std::min(GetSubView().GetVisibleCount(), count - first);
    if (visible < 2)
        return "Mark " + std::to_string(first + 1) + " of " + std::to_string(count);
    return MarksLabel(first + 1, first + visible, count);
}

CResultsLabels CResultsView::GetLabels() const {
    CResultsLabels labels;
    labels.marks = MarkLabel();
    const CZR2000Doc& document = GetDocument();
    int position = 0;
    int count = 0;
    document.GetSearchPosition(GetCurrentSearchId(), position, count);
    const std::string of = std::to_string(position) + " of " + std::to_string(count);
    if (document.IsWatch()) {
        labels.search = "Watch " + of;
    } else if (!notListed_) {
        labels.section =
            "Section " +
            std::to_string(document.FindSearch(GetCurrentSearchId()).GetSection() + 1) + " of " +
            std::to_string(document.GetSectionCount());
        labels.search = "Search " + of;
    }
    return labels;
}

bool CResultsView::IsEnabled(EResultsCommand command) const {
    const CZR2000Doc& document = GetDocument();
    switch (command) {
    case EResultsCommand::KeepSelection:
    case EResultsCommand::DiscardSelection:
        return GetSelectionCount() > 0;
    case EResultsCommand::KeepAll:
    case EResultsCommand::DiscardAll:
        return GetMarkCount() > 0;
    case EResultsCommand::NextSearch:
        return !notListed_ && document.GetNextSearch(GetCurrentSearchId()) > 0;
    case EResultsCommand::PreviousSearch:
        return !notListed_ && document.GetPreviousSearch(GetCurrentSearchId()) > 0;
    case EResultsCommand::HidePreviouslyFound:
        return !document.IsWatch();
    case EResultsCommand::WebDiff:
        return GetContext().webDiff && document.HasMarks(GetFilter(), 1);
    case EResultsCommand::Details:
        return CanOpenDetails();
    case EResultsCommand::WebPage:
        return CanOpenWebPage();
    case EResultsCommand::SelectAll:
    case EResultsCommand::ShowList:
    case EResultsCommand::ShowIcons:
        return true;
    }
    return false;
}

bool CResultsView::IsChecked(EResultsCommand command) const {
    switch (command) {
    case EResultsCommand::ShowList:
        return &GetSubView() == &list_;
    case EResultsCommand::ShowIcons:
        return &GetSubView() == &icons_;
    case EResultsCommand::HidePreviouslyFound:
        return hidePreviouslyFound_;
    default:
        return false;
    }
}

void CResultsView::Run(EResultsCommand command) {
    if (!IsEnabled(command))
        return;
    const CZR2000Doc& document = GetDocument();
    switch (command) {
    case EResultsCommand::KeepSelection:
        SetKeptSelection(true);
        break;
    case EResultsCommand::KeepAll:
        SetKeptAll(true);
        break;
    case EResultsCommand::DiscardSelection:
        SetKeptSelection(false);
        break;
    case EResultsCommand::DiscardAll:
        SetKeptAll(false);
        break;
    case EResultsCommand::SelectAll:
        SelectAll();
        break;
    case EResultsCommand::NextSearch:
        GetContext().host.RunSearch(document.GetNextSearch(GetCurrentSearchId()), false);
        break;
    case EResultsCommand::PreviousSearch:
        GetContext().host.RunSearch(document.GetPreviousSearch(GetCurrentSearchId()), false);
        break;
    case EResultsCommand::ShowList:
        SetSubView(list_);
        break;
    case EResultsCommand::ShowIcons:
        SetSubView(icons_);
        break;
    case EResultsCommand::HidePreviouslyFound:
        hidePreviouslyFound_ = !hidePreviouslyFound_;
        SetFilter(MakeResultsFilter());
        break;
    case EResultsCommand::WebDiff:
        GetContext().webDiff->Run(GetDocument(), GetFilter());
        break;
    case EResultsCommand::Details:
        OpenDetails(*GetSelectedRows().begin());
        break;
    case EResultsCommand::WebPage:
        OpenWebPage();
        break;
    }
    frame_.ShowLabels(GetLabels());
}

void CResultsView::Close() {
    if (GetCurrentSearchId() > 0)
        GetDocument().CommitSearchMarks(GetCurrentSearchId());
    CloseAllDetails();
}
