#include "app/document/ZR2000Doc.h"

#include "core/UserOptions.h"

#include <algorithm>
#include <map>

namespace {

// A search as the examination keeps it: its criteria completed as reading them from a file
// completes them (no class chosen is every class), so that it reads the same before and after
// Save and Open.
CSearch Completed(CSearch search) {
    search.GetCriteria().FillDefaults();
    return search;
}

} // namespace

CZR2000Doc::CZR2000Doc(IExamRegisters& registers, IExamRepository& repository, IDocumentHost& host)
    : registers_(registers), repository_(repository), host_(host) {}

void CZR2000Doc::AddView(IDocumentView* view) {
    if (std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void CZR2000Doc::RemoveView(IDocumentView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void CZR2000Doc::UpdateAllViews(IDocumentView* sender, int hint) {
    // A view may remove itself (or another) while it updates.
    const std::vector<IDocumentView*> views = views_;
    for (IDocumentView* view : views) {
        if (view != sender && std::find(views_.begin(), views_.end(), view) != views_.end())
            view->OnUpdate(sender, hint);
    }
}

void CZR2000Doc::NewExamination(const CNewExamination& choices) {
    DeleteContents();
    SetAgency(choices.agency);
    SetExaminer(choices.examiner);
    SetClient(choices.client);
    SetExamId(choices.examId);
    SetOneClassOnly(choices.oneClassOnly);
    SetSectionCount(choices.sectionCount);
    CZrDocData::SetDatabaseCodes(choices.databaseCodes);
    SetDbSelection(choices.selection);
    registers_.SetEngines(choices.engines);
    if (choices.autoDesign) {
        SetValue(CExamInfo::kAutoWordMark, choices.autoWordMark);
        SetValue(CExamInfo::kAutoPrimaryClasses, choices.autoPrimaryClasses);
        SetValue(CExamInfo::kAutoSecondaryClasses, choices.autoSecondaryClasses);
        SetValue(CExamInfo::kAutoStatus, choices.autoStatus);
    }
    ResetTemplateCriteria();
    docDatabaseCodes_ = choices.databaseCodes;
    host_.SetWatchMode(false);
    UpdateAllViews(nullptr, kHintContents);
}

void CZR2000Doc::DeleteContents() {
    Clear(true);
    currentSearch_ = 0;
    path_.clear();
    modified_ = false;
}

void CZR2000Doc::ResetTemplateCriteria() {
    templateCriteria_.ResetWithDbIds(CZrDocData::GetDatabaseCodes());
    templateCriteria_.SetStatus(TheUserOptions().GetDefaultStatus());
}

void CZR2000Doc::ChangeDetails(const CExamDetails& details) {
    const CExamInfo before = info_;
    SetAgency(details.agency);
    SetExaminer(details.examiner);
    SetClient(details.client);
    SetExamId(details.examId);
    SetOneClassOnly(details.oneClassOnly);
    SetSectionCount(details.sectionCount);
    if (!(info_ == before))
        SetModifiedFlag();
}

void CZR2000Doc::ChangeDatabases(const std::string& codes, const CDbSelection& selection) {
    CZrDocData::SetDatabaseCodes(codes);
    templateCriteria_.SetDbIds(codes);
    docDatabaseCodes_ = codes;
    if (!(GetDbSelection() == selection)) {
        SetDbSelection(selection);
        SetModifiedFlag();
    }
    UpdateAllViews(nullptr, kHintDbSelection);
}

int CZR2000Doc::AddSearch(const CSearch& search) {
    const int searchId = searches_.Add(Completed(search));
    UpdateAllViews(nullptr, kHintSearchAdded);
    SetModifiedFlag();
    return searchId;
}

void CZR2000Doc::SetSearchResults(const CSearch& search) {
    searches_.Replace(search);
    if (search.GetSection() < searches_.GetLastRunSection())
        RecomputeSearchStats();
    UpdateAllViews(nullptr, kHintSearchResults);
    SetModifiedFlag();
}

void CZR2000Doc::ReplaceSearch(const CSearch& search) {
    searches_.Replace(Completed(search));
    UpdateAllViews(nullptr, kHintSearches);
    SetModifiedFlag();
}

void CZR2000Doc::RemoveSearch(int searchId) {
    RemoveSearchMarks(searchId);
    searches_.Remove(searchId);
    RecomputeSearchStats();
    UpdateAllViews(nullptr, kHintSearchRemoved);
    SetModifiedFlag();
}

void CZR2000Doc::RemoveSearchMarks(int searchId) {
    if (!marks_.HasFiltered(MakeSearchIdFilter(searchId, false, true), 1))
        return;
    marks_.RemoveSearch(searchId);
    SetModifiedFlag();
}

void CZR2000Doc::SetCurrentSearch(int searchId) {
    if (searchId == currentSearch_)
        return;
    currentSearch_ = searchId;
    UpdateAllViews(nullptr, kHintCurrentSearch);
}

void CZR2000Doc::SelectSearch(int searchId) {
    if (searchId == currentSearch_)
        return;
    currentSearch_ = searchId;
    UpdateAllViews(nullptr, kHintSelectSearch);
}

void CZR2000Doc::SetSectionCount(int count) {
    CZrDocData::SetSectionCount(count);
    UpdateAllViews(nullptr, kHintSectionCount);
}

int CZR2000Doc::AddFoundMarks(std::span<const std::uint32_t> recordNumbers, int registerCode,
                              int section, int searchId, bool keep, bool isLong) {
    const int added =
        marks_.AddRecords(recordNumbers, registerCode, section, searchId, keep, isLong);
    if (!recordNumbers.empty())
        SetModifiedFlag();
    UpdateAllViews(nullptr, kHintMarksAdded);
    return added;
}

int CZR2000Doc::AddFoundRecordSets(std::span<const CRecordSet> sets, int section, int searchId,
                                   bool keep, bool isLong) {
    const int added = marks_.AddRecordSets(sets, section, searchId, keep, isLong);
    if (!sets.empty())
        SetModifiedFlag();
    UpdateAllViews(nullptr, kHintMarksAdded);
    return added;
}

int CZR2000Doc::MergeMarks(std::span<const CMark> marks) {
    const int added = marks_.MergeMarks(marks);
    if (!marks.empty())
        SetModifiedFlag();
    UpdateAllViews(nullptr, kHintMarksAdded);
    return added;
}

void CZR2000Doc::AddMarks(std::span<const CMark> marks, int section, int searchId) {
    marks_.AddMarks(marks, section, searchId);
    if (!marks.empty())
        SetModifiedFlag();
    UpdateAllViews(nullptr, kHintMarksAdded);
}

void CZR2000Doc::SetMark(int index, const CMark& mark, int hint) {
    const CMark& stored = marks_.GetAt(index);
    const bool changed = stored.GetRecordNumber() != mark.GetRecordNumber() ||
                         stored.GetRegisterCode() != mark.GetRegisterCode() ||
                         stored.GetAppNumber() != mark.GetAppNumber() ||
                         stored.GetSearchId() != mark.GetSearchId() ||
                         stored.GetSection() != mark.GetSection() ||
                         stored.GetFlags() != mark.GetFlags();
    if (!changed)
        return;
    marks_.SetAt(mark, index);
    SetModifiedFlag();
    if (hint != 0)
        UpdateAllViews(nullptr, hint);
}

void CZR2000Doc::SetMarkQuiet(int index, const CMark& mark) {
    if (marks_.UpdateMarkAt(mark, index))
        statsStale_ = true;
}

void CZR2000Doc::SetFilteredMark(const CFilter& filter, int n, const CMark& mark, int hint) {
    const int index = marks_.FindFilteredIndex(filter, n);
    if (index >= 0)
        SetMark(index, mark, hint);
}

void CZR2000Doc::SetWatchContents(const CMarkList& marks, const CSearchList& searches) {
    Clear(false);
    currentSearch_ = 0;
    // The watch is a new document: saving it must not overwrite the examination's file, and
    // closing it asks to save it.
    path_.clear();
    UpdateAllViews(nullptr, kHintContents);
    CZrDocData::SetSectionCount(1);
    marks_ = marks;
    searches_ = searches;
    for (int i = 0; i < searches_.GetCount(); ++i)
        searches_.SetAt(i, Completed(searches_.GetAt(i)));
    info_.SetWatchMarkCount(marks.GetCount());
    SetType(CExamInfo::kWatch);
    SetModifiedFlag();
    UpdateAllViews(nullptr, kHintContents);
}

bool CZR2000Doc::CommitKeptMarks(int searchId, bool allSearches) {
    bool changed = false;
    for (int i = 0; i < marks_.GetCount(); ++i) {
        CMark mark = marks_.GetAt(i);
        if ((!allSearches && mark.GetSearchId() != searchId) || !mark.HasFlag(CMark::kKept) ||
            mark.HasFlag(CMark::kPermanentKeep))
            continue;
        mark.SetFlags((mark.GetFlags() | CMark::kPermanentKeep) & ~CMark::kKept);
        SetMark(i, mark, 0);
        changed = true;
    }
    return changed;
}

void CZR2000Doc::CommitSearchMarks(int searchId) {
    const bool marksChanged = CommitKeptMarks(searchId, false);
    bool searchesChanged = false;
    if (!IsWatch() && !IsFreeSearchId(searchId)) {
        CSearch search = FindSearch(searchId);
        bool allViewed = true;
        for (int i = 0; i < marks_.GetCount(); ++i) {
            const CMark& mark = marks_.GetAt(i);
            if (mark.GetSearchId() == searchId && !mark.HasFlag(CMark::kViewedBits))
                allViewed = false;
        }
        if (!search.IsCompleted() || (allViewed && !search.IsViewed())) {
            search.SetCompleted(true);
            if (allViewed)
                search.SetViewed(true);
            searches_.Replace(search);
            SetModifiedFlag();
            searchesChanged = true;
        }
        searchesChanged = RecomputeSearchStats() || searchesChanged;
    }
    if (marksChanged)
        UpdateAllViews(nullptr, kHintMarksCommitted | (searchesChanged ? kHintSearches : 0));
    else if (searchesChanged)
        UpdateAllViews(nullptr, kHintSearches);
}

void CZR2000Doc::CommitAllMarks() {
    const bool marksChanged = CommitKeptMarks(0, true);
    const bool searchesChanged = RecomputeSearchStats();
    if (marksChanged)
        UpdateAllViews(nullptr, kHintMarksCommitted | (searchesChanged ? kHintSearches : 0));
    else if (searchesChanged)
        UpdateAllViews(nullptr, kHintSearches);
}

bool CZR2000Doc::RecomputeSearchStats() {
    struct CStats {
        int marks = 0;
        bool allViewed = true;
    };
    std::map<int, CStats> stats;
    // Marks of one record in one section stand together; the group is viewed when a mark of
    // it that is not a duplicate carries a viewed bit.
    for (int first = 0; first < marks_.GetCount();) {
        int end = first + 1;
        bool viewed = marks_.GetAt(first).HasFlag(CMark::kViewedBits);
        while (end < marks_.GetCount() && marks_.GetAt(end).IsSameGroup(marks_.GetAt(first))) {
            const CMark& member = marks_.GetAt(end++);
            viewed = viewed || (!member.IsDuplicate() && member.HasFlag(CMark::kViewedBits));
        }
        for (int i = first; i < end; ++i) {
            const CMark& mark = marks_.GetAt(i);
            CStats& searchStats = stats[mark.GetSearchId()];
            searchStats.marks += mark.IsDuplicate() ? 0 : 1;
            searchStats.allViewed = searchStats.allViewed && viewed;
        }
        first = end;
    }

    bool anyChanged = false;
    for (int i = 0; i < searches_.GetCount(); ++i) {
        CSearch search = searches_.GetAt(i);
        const CStats found =
            stats.count(search.GetSearchId()) ? stats[search.GetSearchId()] : CStats();
        bool changed = false;
        if (search.GetMarkCount() != found.marks) {
            if (search.GetMarkCount() < found.marks)
                search.SetCompleted(false);
            search.SetMarkCount(found.marks);
            changed = true;
        }
        const bool viewed = search.HasRun() && found.allViewed;
        if (search.IsViewed() != viewed) {
            search.SetViewed(viewed);
            changed = true;
        }
        if (changed) {
            searches_.SetAt(i, search);
            anyChanged = true;
        }
    }
    return anyChanged;
}

void CZR2000Doc::OnIdle() {
    if (!statsStale_)
        return;
    statsStale_ = false;
    if (RecomputeSearchStats())
        UpdateAllViews(nullptr, kHintSearches);
}
