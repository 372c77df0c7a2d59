#include "app/views/MainViewRules.h"

#include "app/document/DocumentServices.h"
#include "app/views/ZrView.h"

bool IsMainCommandEnabled(EMainCommand command, const CMainViewState& s) {
    const bool examination = !s.watch;
    const bool selected = s.selectedRows > 0;
    switch (command) {
    case EMainCommand::Search:
    case EMainCommand::Ident:
    case EMainCommand::Enquiry:
        return examination && s.hasSheets;
    case EMainCommand::Caveat:
        return examination && s.hasCaveatSets;
    case EMainCommand::SearchSection:
        return examination && s.notRunInSection;
    case EMainCommand::SearchAll:
        return examination && s.notRunAnywhere;
    case EMainCommand::RunSearchRow:
        return examination && s.searchRowCurrent;
    case EMainCommand::SearchInfo:
        return examination && s.searchRowCurrent && s.hasSheets;
    case EMainCommand::Add:
        return s.hasSheets;
    case EMainCommand::Edit:
        return s.searchRowCurrent && (s.watch || !s.currentSearchHasRun) && s.hasSheets;
    case EMainCommand::Delete:
        return s.keptDisplay ? selected : s.searchRowCurrent;
    case EMainCommand::Undo:
        return s.keptDisplay && s.undoPossible;
    case EMainCommand::Cut:
    case EMainCommand::Copy:
        return s.keptDisplay && selected;
    case EMainCommand::Paste:
        return s.clipboardHasMarks;
    case EMainCommand::ShortSelection:
    case EMainCommand::LongSelection:
        return selected;
    case EMainCommand::ShortAll:
    case EMainCommand::LongAll:
        return s.shownMarks > 0;
    case EMainCommand::NextSection:
        return s.section + 1 < s.sectionCount;
    case EMainCommand::PreviousSection:
        return s.section > 0;
    case EMainCommand::ConvertToWatch:
        return examination && s.hasWatchConverter;
    case EMainCommand::UsageStatistics:
        return s.hasWebLogin;
    case EMainCommand::WebDiff:
        return s.documentHasKeptMarks && s.hasWebDiff;
    case EMainCommand::Print:
    case EMainCommand::PrintPreview:
        return s.hasPrinting;
    case EMainCommand::Details:
        return s.canOpenDetails;
    case EMainCommand::WebPage:
        return s.canOpenWebPage;
    case EMainCommand::SelectAll:
    case EMainCommand::KeptMarks:
    case EMainCommand::SearchReview:
    case EMainCommand::ToggleDisplay:
        return true;
    }
    return false;
}

CMainViewUpdate PlanMainViewUpdate(int hint, int section, int sectionCount) {
    CMainViewUpdate plan;
    const auto has = [hint](int bit) { return (hint & bit) != 0; };
    const auto rebuildBoth = [&plan] {
        plan.rebuildMarks = plan.rebuildSearches = plan.toTop = true;
    };
    if (has(kHintSectionCount)) {
        if (section >= sectionCount) {
            plan.toSectionZero = true;
            rebuildBoth();
        }
        plan.refreshLayout = true;
    }
    if (has(kHintContents)) {
        plan.toSectionZero = true;
        rebuildBoth();
        plan.clearUndo = plan.refreshLayout = plan.redrawFrame = true;
    }
    if (has(kHintDbSelection))
        plan.redrawFrame = true;
    if (has(kHintMarksCommitted)) {
        plan.rebuildMarks = plan.toTop = true;
    } else if (has(CZrView::kHintMarksDeleted)) {
        plan.rebuildMarks = true;
    }
    if (has(kHintMarksAdded))
        plan.clearUndo = plan.rebuildMarks = true;
    if (has(kHintSearchAdded))
        plan.rebuildSearches = true;
    if (has(kHintSearchRemoved))
        plan.rebuildSearches = plan.clearUndo = plan.rebuildMarks = true;
    // The fonts may have changed, and the section names the tabs show.
    if (has(kHintOptions))
        plan.recalculate = plan.refreshLayout = true;
    if (has(kHintCurrentSearch)) {
        rebuildBoth();
        plan.clearUndo = true;
    }
    plan.followCurrentSearch = has(kHintSelectSearch);
    plan.redrawMarks = has(CZrView::kHintLongChanged);
    plan.redrawSearches = has(kHintSearches);
    return plan;
}
