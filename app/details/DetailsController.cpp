#include "app/details/DetailsController.h"

#include "app/document/ZR2000Doc.h"
#include "registers/ZrDbs.h"

CDetailsController::CDetailsController(CZR2000Doc& document, CZrDbs& registers,
                                       IDetailsPanes& panes)
    : document_(document), registers_(registers), panes_(panes) {}

void CDetailsController::SetOpeningView(IOpeningView* view) {
    openingView_ = view;
    if (view)
        mode_ = view->GetDetailsMode();
}

bool CDetailsController::ShowFilterMark(const CFilter& filter, int index) {
    filter_ = filter;
    hasList_ = true;
    listIndex_ = index;
    return ShowListMark(index);
}

void CDetailsController::ShowMark(const CMark& mark) {
    shown_ = mark;
    panes_.ShowMark(mark, mode_);
}

std::vector<std::string> CDetailsController::GetHighlightTerms() const {
    const int searchId = openingView_ ? openingView_->GetHighlightSearchId() : 0;
    if (searchId <= 0 || document_.IsFreeSearchId(searchId))
        return {};
    const CCriteria& criteria = document_.FindSearch(searchId).GetCriteria();
    std::vector<std::string> terms = criteria.GetGoodsTerms();
    const std::vector<std::string>& second = criteria.GetAndGoodsTerms();
    terms.insert(terms.end(), second.begin(), second.end());
    return terms;
}

std::string CDetailsController::GetTitle() {
    CZrDb* db = registers_.GetDbOfMark(shown_);
    const std::string number = db ? db->GetMarkAppNum(shown_) : "";
    return registers_.GetDbShortName(shown_.GetRegisterCode()) + " " + number;
}

bool CDetailsController::CanPrevious() const {
    return hasList_ && listIndex_ > 0 && document_.HasMarks(filter_, 1);
}

bool CDetailsController::CanNext() const {
    return hasList_ && document_.HasMarks(filter_, listIndex_ + 2);
}

void CDetailsController::Previous() {
    if (!hasList_)
        return;
    RelocateMark();
    ShowListMark(listIndex_ - 1);
}

void CDetailsController::Next() {
    // When the shown mark has left the list, the mark after it has taken its place.
    if (hasList_)
        ShowListMark(RelocateMark() ? listIndex_ + 1 : listIndex_);
}

void CDetailsController::Keep() {
    SetKeptFlag(true);
}

void CDetailsController::Discard() {
    SetKeptFlag(false);
}

void CDetailsController::SetKeptFlag(bool kept) {
    if (!CanKeep() || shown_.IsKept() == kept)
        return;
    CMark mark = shown_;
    mark.SetFlags(kept ? mark.GetFlags() | CMark::kKept : mark.GetFlags() & ~CMark::kKept);
    shown_ = mark;
    StoreMark(mark, kHintKeptChanged);
}

bool CDetailsController::RelocateMark() {
    const int position = document_.FindFilteredPosition(filter_, shown_);
    if (position < 0)
        return false;
    listIndex_ = position;
    return true;
}

bool CDetailsController::ReloadMark(CMark& mark) {
    if (!RelocateMark() || !document_.GetFilteredMark(filter_, listIndex_, mark))
        return false;
    shown_ = mark;
    return true;
}

void CDetailsController::StoreMark(const CMark& mark, int hint) {
    if (RelocateMark())
        document_.SetFilteredMark(filter_, listIndex_, mark, hint);
}

void CDetailsController::StoreViewedMark(const CMark& mark) {
    if (RelocateMark())
        document_.SetMarkQuiet(document_.FindFilteredIndex(filter_, listIndex_), mark);
}

void CDetailsController::ViewAllDetails(const std::weak_ptr<CDetailsController>& controller,
                                        const std::function<bool()>& dispatch) {
    int count = 0;
    if (const std::shared_ptr<CDetailsController> held = controller.lock(); held && held->hasList_)
        count = held->document_.CountMarks(held->filter_);
    for (int index = 0; index < count; ++index) {
        // Only a weak reference is held while events run: closing the window ends the loop.
        if (const std::shared_ptr<CDetailsController> shown = controller.lock())
            shown->ShowListMark(index);
        else
            return;
        if (!dispatch())
            return;
    }
}

void CDetailsController::OnClose() {
    if (commitOnClose_ && filter_.HasSearchId())
        document_.CommitSearchMarks(filter_.GetSearchId());
    if (openingView_)
        openingView_->OnDetailsClosed();
}

bool CDetailsController::ShowListMark(int index) {
    CMark mark;
    if (index < 0 || !document_.GetFilteredMark(filter_, index, mark))
        return false;
    listIndex_ = index;
    ShowMark(mark);
    return true;
}
