#include "app/views/MainView.h"

#include "app/FileDialogs.h"
#include "app/document/ZR2000Doc.h"
#include "app/views/UsageStatistics.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"
#include "report/print/PrintData.h"

#include <set>
#include <tuple>

namespace {

bool AskYesNo(const std::string& text) {
    platform::Message question{text, "", platform::MessageButtons::YesNo,
                               platform::MessageIcon::Question};
    question.secondIsDefault = true;
    return platform::ShowMessageBox(question) == platform::MessageAnswer::Yes;
}

void ShowWarning(const std::string& text) {
    platform::ShowMessageBox(
        {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

} // namespace

CMainView::CMainView(const CViewContext& context, IViewWindow& window, IMainViewFrame& frame)
    : CZrView(context, window), frame_(frame) {
    InitSubView(keptMarks_);
}

int CMainView::GetSectionCount() const {
    return GetDocument().IsWatch() ? 1 : GetDocument().GetSectionCount();
}

std::string CMainView::GetSectionTabText(int section) const {
    return GetDocument().IsWatch() ? "Watch" : GetUserOptions().GetSectionName(section);
}

int CMainView::GetSectionMenuId() const {
    return GetDocument().IsWatch() ? 0 : kSectionMenu;
}

int CMainView::GetSectionMenuDefault() const {
    return GetDocument().IsWatch() ? 0 : kSectionInfoCommand;
}

int CMainView::GetTabHeight() const {
    return GetDocument().IsWatch() || GetDocument().GetSectionCount() == 1 ? 0 : kTabHeight;
}

CFilter CMainView::MakeViewFilter() const {
    const CZR2000Doc& document = GetDocument();
    if (document.IsWatch()) {
        const int current = document.GetCurrentSearch();
        return MakeSearchMarksFilter(current == 0 ? -1 : current, false);
    }
    return MakeSectionFilter(section_, false);
}

void CMainView::OnInitialUpdate() {
    const CZR2000Doc& document = GetDocument();
    bool kept = true;
    for (int section = 0; section < GetSectionCount(); ++section) {
        const CFilter filter = MakeSectionFilter(section, false);
        const bool hasKept = document.HasMarks(filter, 1);
        if (hasKept || document.HasSearch(filter)) {
            section_ = section;
            kept = hasKept;
            break;
        }
    }
    InitSubView(kept ? static_cast<CZrSubView&>(keptMarks_) : searches_);
    SetFilter(MakeViewFilter());
    CZrView::OnInitialUpdate();
    frame_.LayOut();
}

void CMainView::ShowKeptMarks(bool kept) {
    SetSubView(kept ? static_cast<CZrSubView&>(keptMarks_) : searches_);
    GetWindow().InvalidateDrawArea(true);
}

void CMainView::SetSection(int section) {
    if (section == section_ || section < 0 || section >= GetSectionCount())
        return;
    section_ = section;
    SetFilter(MakeViewFilter());
    GetWindow().InvalidateDrawArea(true);
    frame_.LayOut();
}

void CMainView::OnUpdate(IDocumentView*, int hint) {
    ApplyUpdate(PlanMainViewUpdate(hint, section_, GetSectionCount()));
}

void CMainView::ApplyUpdate(const CMainViewUpdate& plan) {
    if (plan.toSectionZero)
        section_ = 0;
    if (plan.clearUndo)
        undo_.clear();
    // The filter follows the section, and in a watch the current search, on every update.
    const CFilter filter = MakeViewFilter();
    if (plan.rebuildMarks || plan.rebuildSearches || plan.recalculate)
        SetFilterQuietly(filter);
    if (plan.rebuildMarks)
        RebuildMarks();
    if (plan.rebuildSearches)
        RebuildSearches();
    const bool rebuiltShown = IsKeptDisplay() ? plan.rebuildMarks : plan.rebuildSearches;
    if (rebuiltShown || plan.recalculate)
        GetSubView().Recalculate(rebuiltShown && plan.toTop);
    else if (IsKeptDisplay() ? plan.redrawMarks : plan.redrawSearches)
        GetWindow().InvalidateDrawArea(false);
    if (plan.followCurrentSearch)
        FollowCurrentSearch();
    if (plan.refreshLayout)
        frame_.LayOut();
    if (plan.redrawFrame)
        frame_.RedrawFrame();
}

void CMainView::FollowCurrentSearch() {
    const CZR2000Doc& document = GetDocument();
    const int current = document.GetCurrentSearch();
    if (IsKeptDisplay() || current <= 0 || current == GetCurrentSearchId())
        return;
    if (document.IsFreeSearchId(current)) {
        SetCurrentSearchId(current);
    } else {
        SetSection(document.FindSearch(current).GetSection());
        SetCurrentSearchId(current);
        int position = -1;
        int count = 0;
        document.GetSearchPosition(current, position, count);
        if (position >= 1 && position <= GetSearchRowCount()) {
            SetCurrentSearchRowQuietly(position - 1);
            GetSubView().EnsureVisible(position - 1);
        }
    }
    GetWindow().InvalidateDrawArea(true);
}

CMainViewState CMainView::GetState() const {
    const CZR2000Doc& document = GetDocument();
    const CViewContext& context = GetContext();
    CMainViewState state;
    state.watch = document.IsWatch();
    state.keptDisplay = IsKeptDisplay();
    state.selectedRows = GetSelectionCount();
    state.shownMarks = GetMarkCount();
    state.searchRowCurrent = HasCurrentSearchRow();
    state.currentSearchHasRun =
        HasCurrentSearchRow() && GetShownSearch(GetCurrentSearchRow()).HasRun();
    state.undoPossible = !undo_.empty();
    state.section = section_;
    state.sectionCount = GetSectionCount();
    state.notRunInSection = document.HasSearch(MakeNotRunFilter(section_));
    state.notRunAnywhere = document.HasSearch(MakeNotRunFilter(-1));
    state.clipboardHasMarks = context.clipboard.HasMarks();
    state.documentHasKeptMarks = document.HasMarks(MakeKeptFilter(false, true), 1);
    state.canOpenDetails = CanOpenDetails();
    state.canOpenWebPage = CanOpenWebPage();
    state.hasSheets = context.sheets != nullptr;
    state.hasCaveatSets = context.caveatSets != nullptr;
    state.hasWatchConverter = context.watch != nullptr;
    state.hasWebDiff = context.webDiff != nullptr;
    state.hasWebLogin = context.webLogin != nullptr;
    state.hasPrinting = context.printing != nullptr;
    return state;
}

std::string CMainView::GetUndoText() const {
    return std::string("&Undo ") + (IsKeptDisplay() && !undo_.empty() ? "Delete" : "") + "\tCtrl+Z";
}

void CMainView::Run(EMainCommand command) {
    if (!IsEnabled(command))
        return;
    const CViewContext& context = GetContext();
    switch (command) {
    case EMainCommand::Search:
        NewSearch(ESearchSheet::Full);
        break;
    case EMainCommand::Ident:
        NewSearch(ESearchSheet::Ident);
        break;
    case EMainCommand::Enquiry:
        Enquiry();
        break;
    case EMainCommand::Caveat:
        Caveat();
        break;
    case EMainCommand::SearchSection:
        RunNotRun(section_);
        break;
    case EMainCommand::SearchAll:
        RunNotRun(-1);
        break;
    case EMainCommand::RunSearchRow:
        OpenSearchRow(GetCurrentSearchRow());
        break;
    case EMainCommand::SearchInfo:
        context.sheets->ShowSearchInfo(GetShownSearch(GetCurrentSearchRow()));
        break;
    case EMainCommand::Add:
        AddSearch();
        break;
    case EMainCommand::Edit:
        EditSearchRow(GetCurrentSearchRow());
        break;
    case EMainCommand::Delete:
        if (IsKeptDisplay())
            DeleteMarks();
        else
            DeleteSearch();
        break;
    case EMainCommand::Undo:
        Undo();
        break;
    case EMainCommand::Cut:
        CopyMarks(true);
        break;
    case EMainCommand::Copy:
        CopyMarks(false);
        break;
    case EMainCommand::Paste: {
        std::vector<CMark> marks;
        if (context.clipboard.Read(marks) && !marks.empty())
            PasteMarks(marks, section_);
        break;
    }
    case EMainCommand::SelectAll:
        SelectAll();
        break;
    case EMainCommand::ShortSelection:
        SetLongSelection(false);
        break;
    case EMainCommand::ShortAll:
        SetLongAll(false);
        break;
    case EMainCommand::LongSelection:
        SetLongSelection(true);
        break;
    case EMainCommand::LongAll:
        SetLongAll(true);
        break;
    case EMainCommand::NextSection:
        SetSection(section_ + 1);
        break;
    case EMainCommand::PreviousSection:
        SetSection(section_ - 1);
        break;
    case EMainCommand::KeptMarks:
        ShowKeptMarks(true);
        break;
    case EMainCommand::SearchReview:
        ShowKeptMarks(false);
        break;
    case EMainCommand::ToggleDisplay:
        ShowKeptMarks(!IsKeptDisplay());
        break;
    case EMainCommand::ConvertToWatch: {
        const CBusyWindow busy(GetWindow());
        context.watch->ConvertToWatch(GetDocument());
        break;
    }
    case EMainCommand::UsageStatistics:
        UsageStatistics();
        break;
    case EMainCommand::WebDiff:
        context.webDiff->Run(GetDocument(), MakeKeptFilter(false, true));
        break;
    case EMainCommand::Print:
        Print(false);
        break;
    case EMainCommand::PrintPreview:
        Print(true);
        break;
    case EMainCommand::Details:
        OpenDetails(*GetSelectedRows().begin());
        break;
    case EMainCommand::WebPage:
        OpenWebPage();
        break;
    }
}

void CMainView::NewSearch(ESearchSheet sheet) {
    // F5 again while its sheet is open does nothing.
    if (sheet == ESearchSheet::Full && searchSheetOpen_)
        return;
    CZR2000Doc& document = GetDocument();
    CSearch search(section_);
    search.SetCriteria(document.GetTemplateCriteria());
    bool showDetails = false;
    bool accepted = false;
    {
        const bool wasOpen = searchSheetOpen_;
        searchSheetOpen_ = searchSheetOpen_ || sheet == ESearchSheet::Full;
        accepted = GetContext().sheets->Edit(sheet, search, showDetails);
        searchSheetOpen_ = wasOpen;
    }
    if (!accepted)
        return;
    document.SetTemplateCriteria(search.GetCriteria());
    GetContext().host.RunSearch(document.AddSearch(search), false);
}

void CMainView::Enquiry() {
    CZR2000Doc& document = GetDocument();
    CSearch search(section_);
    CCriteria criteria;
    criteria.ResetWithDbIds(document.GetDatabaseCodes());
    search.SetCriteria(criteria);
    bool showDetails = GetUserOptions().GetEnquiryShowDetails();
    if (!GetContext().sheets->Edit(ESearchSheet::Enquiry, search, showDetails))
        return;
    document.SetDatabaseCodes(search.GetCriteria().GetDbIds());
    GetUserOptions().SetEnquiryShowDetails(showDetails);
    GetContext().host.RunSearch(document.AddSearch(search), showDetails);
}

void CMainView::AddSearch() {
    CZR2000Doc& document = GetDocument();
    CSearch search(document.IsWatch() ? document.GetCurrentSearch() : section_);
    if (HasCurrentSearchRow()) {
        search.SetCriteria(GetShownSearch(GetCurrentSearchRow()).GetCriteria());
    } else {
        CCriteria criteria;
        criteria.SetDbIds(CZrDocData::GetConnectedDatabaseCodes());
        criteria.SetStatus(GetUserOptions().GetDefaultStatus());
        search.SetCriteria(criteria);
    }
    bool showDetails = false;
    if (GetContext().sheets->Edit(ESearchSheet::Full, search, showDetails))
        document.AddSearch(search);
}

void CMainView::ClearPermanentKeep(int index) {
    CZR2000Doc& document = GetDocument();
    CMark mark = document.GetMark(index);
    mark.SetFlags(mark.GetFlags() & ~CMark::kPermanentKeep);
    document.SetMark(index, mark, 0);
    CloseDetailsOfMark(mark);
}

void CMainView::DeleteMarks() {
    const std::set<int> rows = GetSelectedRows();
    if (!AskYesNo(std::string("Are you sure you want to delete ") +
                  (rows.size() == 1 ? "this mark" : "these marks") + "?"))
        return;
    undo_.clear();
    for (const int row : rows) {
        undo_.push_back(GetMarkIndex(row));
        ClearPermanentKeep(GetMarkIndex(row));
    }
    UpdateAllViews(kHintMarksDeleted);
}

void CMainView::DeleteSearch() {
    CZR2000Doc& document = GetDocument();
    const CSearch& search = GetShownSearch(GetCurrentSearchRow());
    const int searchId = search.GetSearchId();
    if (search.HasRun()) {
        if (document.HasMarks(MakeKeptOfSearchFilter(searchId), 1)) {
            GetWindow().Beep();
            ShowWarning("Cannot delete a search with kept marks");
            return;
        }
        if (!AskYesNo("Are you sure you want to delete this search?"))
            return;
    }
    if (GetContext().host.IsResultsWindowOpen())
        GetContext().host.CloseResultsWindow();
    document.RemoveSearch(searchId);
}

void CMainView::Undo() {
    CZR2000Doc& document = GetDocument();
    const std::vector<int> restored = std::move(undo_);
    undo_.clear();
    for (const int index : restored) {
        CMark mark = document.GetMark(index);
        mark.SetFlags(mark.GetFlags() | CMark::kPermanentKeep);
        document.SetMark(index, mark, 0);
    }
    UpdateAllViews(kHintMarksCommitted);
}

void CMainView::CopyMarks(bool cut) {
    const std::vector<CMark> marks = GetSelectedMarks();
    if (!GetContext().clipboard.Put(marks) || !cut)
        return;
    const std::set<int> rows = GetSelectedRows();
    for (const int row : rows)
        ClearPermanentKeep(GetMarkIndex(row));
    UpdateAllViews(kHintMarksCommitted);
}

void CMainView::PasteMarks(std::span<const CMark> marks, int section) {
    GetDocument().AddMarks(marks, section, 0);
}

EDropEffect CMainView::DropEffectOnTab(int tab, bool hasMarks, bool control) const {
    if (tab < 0 || tab == section_ || !hasMarks)
        return EDropEffect::None;
    return control ? EDropEffect::Copy : EDropEffect::Move;
}

void CMainView::FinishDrag(const std::vector<CMark>& dragged, EDropEffect effect) {
    if (effect == EDropEffect::Move) {
        // The drop added marks to the document, so rows and indexes have moved: the dragged
        // marks are found again by their record, register, section and search.
        std::set<std::tuple<std::uint32_t, int, int, int>> moved;
        for (const CMark& mark : dragged)
            moved.emplace(mark.GetRecordNumber(), mark.GetRegisterCode(), mark.GetSection(),
                          mark.GetSearchId());
        CZR2000Doc& document = GetDocument();
        for (int index = 0; index < document.GetMarkCount(); ++index) {
            const CMark& mark = document.GetMark(index);
            if (mark.HasFlag(CMark::kPermanentKeep) &&
                moved.contains({mark.GetRecordNumber(), mark.GetRegisterCode(), mark.GetSection(),
                                mark.GetSearchId()}))
                ClearPermanentKeep(index);
        }
        UpdateAllViews(kHintMarksCommitted);
    }
    if (IsKeptDisplay())
        CompleteClick(effect != EDropEffect::None);
}

void CMainView::Caveat() {
    const CViewContext& context = GetContext();
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Kind::Open;
    request.title = "Caveat";
    request.filter = "RO Vedaridarevu File (*.zre)|*.zre||";
    request.folder = context.system.GetOpenDir();
    std::string path;
    if (!context.fileDialogs.Ask(request, path))
        return;
    std::string setName;
    if (!context.caveatSets->Choose(GetDocument(), setName))
        return;
    int searchId = 0;
    int found = 0;
    if (GetDocument().CaveatSearch(path, setName, section_, searchId, found))
        context.host.ShowResults(searchId, false, found);
}

void CMainView::RunNotRun(int section) {
    const CFilter filter = MakeNotRunFilter(section);
    if (GetDocument().HasSearch(filter))
        GetContext().host.RunSearches(filter);
}

void CMainView::UsageStatistics() {
    const CSystemOptions& system = GetContext().system;
    CWebLoginAnswers answers;
    std::string errorText;
    if (!GetContext().webLogin->Login(system.GetCompanyId(), system.GetUserId(),
                                      system.GetPassword(), answers, errorText)) {
        ShowWarning(errorText);
        return;
    }
    platform::OpenUrl(BuildUsageStatisticsUrl(GetContext().webLogin->GetHost(), answers,
                                              CZrDocData::GetConnectedDatabaseCodes(),
                                              GetDocument().IsOneClassOnly() != 0));
}

void CMainView::Print(bool preview) {
    const CZR2000Doc& document = GetDocument();
    if (!IsKeptDisplay() || GetSelectionCount() == 0) {
        GetContext().printing->Print(document, nullptr, preview);
        return;
    }
    // The selection alone, each mark as if of the first section.
    const CZrDocData selection = MakeSelectionPrintData(GetSelectedMarks());
    GetContext().printing->Print(document, &selection, preview);
}
