#include "app/views/ZrView.h"

#include "app/document/ZR2000Doc.h"
#include "core/SystemOptions.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"
#include "registers/ZrDbs.h"

#include <algorithm>
#include <array>

CZrView::CZrView(const CViewContext& context, IViewWindow& window)
    : context_(context), window_(window) {}

CZrView::~CZrView() {
    CloseAllDetails();
}

void CZrView::OnInitialUpdate() {
    if (initialised_)
        return;
    initialised_ = true;
    subView_->Reset();
    OnUpdate(nullptr, 0);
}

void CZrView::Refresh() {
    RebuildMarks();
    RebuildSearches();
    subView_->Recalculate(true);
    window_.InvalidateDrawArea(false);
}

void CZrView::RebuildMarks() {
    selection_.Clear();
    GetDocument().FilterMarks(filter_, markIndexes_);
}

void CZrView::RebuildSearches() {
    currentSearchRow_ = -1;
    GetDocument().FilterSearches(filter_, searchIndexes_);
}

void CZrView::OpenSearchRow(int row) {
    if (GetDocument().IsWatch())
        EditSearchRow(row);
    else
        context_.host.RunSearch(GetShownSearch(row).GetSearchId(), false);
}

void CZrView::EditSearchRow(int row) {
    if (!context_.sheets)
        return;
    CSearch search = GetShownSearch(row);
    bool showDetails = false;
    if (context_.sheets->Edit(ESearchSheet::Full, search, showDetails))
        GetDocument().ReplaceSearch(search);
}

bool CZrView::OnKeyDown(EViewKey key, int keyFlags) {
    if (subView_->OnKeyDown(key, keyFlags))
        return true;
    switch (key) {
    case EViewKey::PageUp:
        subView_->OnVScroll(EScrollCode::PageUp, 0);
        return true;
    case EViewKey::PageDown:
        subView_->OnVScroll(EScrollCode::PageDown, 0);
        return true;
    case EViewKey::End:
        subView_->OnVScroll(EScrollCode::Bottom, 0);
        return true;
    case EViewKey::Home:
        subView_->OnVScroll(EScrollCode::Top, 0);
        return true;
    case EViewKey::Up:
        subView_->OnVScroll(EScrollCode::LineUp, 0);
        return true;
    case EViewKey::Down:
        subView_->OnVScroll(EScrollCode::LineDown, 0);
        return true;
    default:
        return false;
    }
}

void CZrView::OnMouseWheel(int keyFlags, int delta, int linesPerNotch) {
    subView_->SetWheelLines(linesPerNotch);
    subView_->OnMouseWheel(keyFlags, delta);
}

void CZrView::SetFilter(const CFilter& filter) {
    filter_ = filter;
    Refresh();
}

void CZrView::SetSubView(CZrSubView& subView) {
    if (subView_ == &subView)
        return;
    subView_ = &subView;
    subView_->Recalculate(true);
}

const CMark& CZrView::GetShownMark(int row) const {
    return GetDocument().GetMark(markIndexes_.GetAt(row));
}

const CSearch& CZrView::GetShownSearch(int row) const {
    return GetDocument().GetSearch(searchIndexes_.GetAt(row));
}

void CZrView::SetMark(const CMark& mark, int row, int hint) {
    GetDocument().SetMark(markIndexes_.GetAt(row), mark, hint);
}

void CZrView::SetMarkQuiet(const CMark& mark, int row) {
    GetDocument().SetMarkQuiet(markIndexes_.GetAt(row), mark);
}

std::vector<int> CZrView::Rows(bool selectedOnly) const {
    if (selectedOnly)
        return {selection_.GetRows().begin(), selection_.GetRows().end()};
    std::vector<int> rows(static_cast<std::size_t>(GetMarkCount()));
    for (int row = 0; row < GetMarkCount(); ++row)
        rows[static_cast<std::size_t>(row)] = row;
    return rows;
}

void CZrView::SetFlagOfRows(const std::vector<int>& rows, std::uint32_t flag, bool on, int hint) {
    for (const int row : rows) {
        CMark mark = GetShownMark(row);
        mark.SetFlags(on ? mark.GetFlags() | flag : mark.GetFlags() & ~flag);
        SetMark(mark, row, 0);
    }
    UpdateAllViews(hint);
}

void CZrView::SetKeptAll(bool kept) {
    SetFlagOfRows(Rows(false), CMark::kKept, kept, kHintKeptChanged);
}

void CZrView::SetKeptSelection(bool kept) {
    SetFlagOfRows(Rows(true), CMark::kKept, kept, kHintKeptChanged);
}

void CZrView::SetLongAll(bool isLong) {
    SetFlagOfRows(Rows(false), CMark::kLong, isLong, kHintLongChanged);
}

void CZrView::SetLongSelection(bool isLong) {
    SetFlagOfRows(Rows(true), CMark::kLong, isLong, kHintLongChanged);
}

void CZrView::UpdateAllViews(int hint) {
    GetDocument().UpdateAllViews(nullptr, hint);
}

void CZrView::SelectRow(int row, int keyFlags) {
    selection_.Select(row, keyFlags);
    window_.InvalidateDrawArea(false);
}

void CZrView::SelectAll() {
    selection_.SelectAll(GetMarkCount());
    window_.InvalidateDrawArea(false);
}

void CZrView::ClearSelection() {
    selection_.Clear();
}

std::vector<CMark> CZrView::GetSelectedMarks() const {
    std::vector<CMark> marks;
    for (const int row : selection_.GetRows())
        marks.push_back(GetShownMark(row));
    return marks;
}

void CZrView::CompleteClick(bool dragged) {
    if (selection_.CompleteClick(dragged))
        window_.InvalidateDrawArea(false);
}

void CZrView::SelectSearchRow(int row) {
    if (row != currentSearchRow_) {
        currentSearchRow_ = row;
        window_.InvalidateDrawArea(false);
    }
    const int searchId = GetShownSearch(row).GetSearchId();
    if (!GetDocument().IsWatch()) {
        if (context_.host.IsResultsWindowOpen()) {
            context_.host.RunSearch(searchId, false);
        } else {
            currentSearchId_ = searchId;
            GetDocument().SelectSearch(searchId);
        }
    }
    window_.TakeFocus();
}

bool CZrView::CanOpenDetails() const {
    return GetSelectionCount() == 1 && HasRoomForDetails();
}

bool CZrView::HasRoomForDetails() const {
    return context_.details && GetDetailsCount() < kMaxDetailsWindows;
}

void CZrView::OpenDetails(const CFilter& filter, int index) {
    if (!context_.details) {
        window_.Beep();
        return;
    }
    if (GetDetailsCount() >= kMaxDetailsWindows) {
        platform::ShowMessageBox({"U201 Too many detail windows open", "",
                                  platform::MessageButtons::Ok, platform::MessageIcon::Warning});
        return;
    }
    const CBusyWindow busy(window_);
    if (IDetailsWindow* opened = context_.details->Open(*this, filter, index))
        details_.push_back(opened);
}

void CZrView::CloseAllDetails() {
    // Each window takes itself off the list as it closes.
    while (!details_.empty()) {
        IDetailsWindow* window = details_.back();
        window->Close();
        RemoveDetails(window);
    }
}

void CZrView::CloseDetailsOfMark(const CMark& mark) {
    const std::vector<IDetailsWindow*> open = details_;
    for (IDetailsWindow* window : open) {
        if (window->GetMark().IsSameGroup(mark)) {
            window->Close();
            RemoveDetails(window);
        }
    }
}

void CZrView::RemoveDetails(IDetailsWindow* window) {
    std::erase(details_, window);
}

bool CZrView::IsDomainRow(int row) const {
    const CZrDb* db = GetRegisters().GetDbOfMark(GetShownMark(row));
    return db && db->IsDomainRegister();
}

bool CZrView::CanOpenWebPage() const {
    return GetSelectionCount() == 1 && IsDomainRow(*selection_.GetRows().begin());
}

void CZrView::OpenWebPage() {
    if (!CanOpenWebPage())
        return;
    const CMark& mark = GetShownMark(*selection_.GetRows().begin());
    platform::OpenUrl("http://www." + GetRegisters().GetDbOfMark(mark)->GetWordMark(mark, nullptr));
}

void CZrView::PrefetchSummaries(int first, int last) {
    if (!context_.system.GetPreCache() || first > last)
        return;
    const CBusyWindow busy(window_);
    CDataCache& cache = GetRegisters().GetSummaryCache();
    std::array<std::vector<CMark>, 256> buckets;
    for (int row = std::max(first, 0); row <= last && row < GetMarkCount(); ++row) {
        const CMark& mark = GetShownMark(row);
        const int code = mark.GetRegisterCode();
        if (code >= 0 && code < 256 && !cache.Find(mark))
            buckets[static_cast<std::size_t>(code)].push_back(mark);
    }
    for (std::size_t code = 0; code < buckets.size(); ++code) {
        if (buckets[code].empty())
            continue;
        if (CZrDb* db = GetRegisters().GetDb(static_cast<int>(code)))
            db->FetchSummaryRecords(buckets[code]);
    }
}
