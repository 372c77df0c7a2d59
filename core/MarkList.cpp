#include "core/MarkList.h"

#include "core/MarkListMerge.h"
#include "core/MarkOrder.h"
#include "core/MarkSort.h"
#include "core/UserOptions.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

bool IsSameMark(const CMark& a, const CMark& b) {
    return a.IsSameGroup(b) && a.GetSearchId() == b.GetSearchId();
}

// The list's marks as the mark order compares them, their register keys fetched a chunk at a time
// as the merge reaches them.
class CListFields {
public:
    explicit CListFields(std::span<const CMark> list) : list_(list) {}

    CMarkFields::CValues At(std::size_t index) {
        if (index - chunkStart_ >= chunkSize_)
            FetchKeysFrom(index);
        return CMarkFields::Of(list_[index], keys_[index - chunkStart_]);
    }

private:
    void FetchKeysFrom(std::size_t index) {
        chunkStart_ = index;
        chunkSize_ = std::min(CMarkKeys::kChunk, list_.size() - index);
        std::uint64_t* next = keys_.data();
        keyOf_.ForEachMark(list_.subspan(index, chunkSize_),
                           [&](const CMark&, std::uint64_t registerKey) { *next++ = registerKey; });
    }

    const CMarkKeys keyOf_;
    std::span<const CMark> list_;
    std::size_t chunkStart_ = 0;
    std::size_t chunkSize_ = 0;
    std::array<std::uint64_t, CMarkKeys::kChunk> keys_;
};

// The hits of a search run as a source of new marks (MarkSort.h): record numbers of registers,
// marks of one section and search with neither application number nor flags. Within a register
// they differ only in record number and register key, so the lowest and highest of those stand
// for all of them in the fit, and the rest of their keys is packed once.
class CRecordSource {
public:
    CRecordSource(std::span<const CRecordSet> sets, int section, int searchId)
        : sets_(sets), section_(section), searchId_(searchId) {}

    std::size_t GetCount() const {
        std::size_t count = 0;
        for (const CRecordSet& set : sets_)
            count += set.recordNumbers.size();
        return count;
    }
    void Fit(CMarkKeyLayout::CFit& fit) const {
        for (const CRecordSet& set : sets_) {
            if (set.recordNumbers.empty())
                continue;
            std::uint32_t lowRecord = UINT32_MAX, highRecord = 0;
            std::uint64_t lowKey = UINT64_MAX, highKey = 0;
            keyOf_.ForEachRecord(set.registerCode, set.recordNumbers,
                                 [&](std::uint32_t recordNumber, std::uint64_t registerKey) {
                                     lowRecord = std::min(lowRecord, recordNumber);
                                     highRecord = std::max(highRecord, recordNumber);
                                     lowKey = std::min(lowKey, registerKey);
                                     highKey = std::max(highKey, registerKey);
                                 });
            fit.Include(MarkOf(set, lowRecord), lowKey);
            fit.Include(MarkOf(set, highRecord), highKey);
        }
    }
    template <std::size_t W>
    void Pack(const CMarkKeyLayout& layout, TMarkKey<W>* keys) const {
        for (const CRecordSet& set : sets_) {
            const auto pack = layout.RecordPacker<W>(MarkOf(set, 0));
            keyOf_.ForEachRecord(set.registerCode, set.recordNumbers,
                                 [&](std::uint32_t recordNumber, std::uint64_t registerKey) {
                                     *keys++ = pack(recordNumber, registerKey);
                                 });
        }
    }
    // The new mark of a record.
    CMark MarkOf(const CRecordSet& set, std::uint32_t recordNumber) const {
        return CMark(recordNumber, set.registerCode, section_, searchId_);
    }

private:
    CMarkKeys keyOf_;
    std::span<const CRecordSet> sets_;
    int section_;
    int searchId_;
};

// Merges the sorted new marks into the marks; returns how many started a group of their own.
// A function of its own, out of line: inlined where the key width is chosen, the merge would grow
// that function past the compiler's limits and keep its steps for each mark as calls.
template <std::size_t W>
[[gnu::noinline]] int MergeSorted(TVmRec<CMark>& marks, const CMarkKeyLayout& layout,
                                  std::span<const TMarkKey<W>> keys, bool keep, bool isLong) {
    CMarkListMerge merge(marks, marks.GetSize() + static_cast<int>(keys.size()));
    CListFields list({marks.data(), marks.size()});
    int added = 0;
    auto key = keys.begin();
    for (; key != keys.end() && merge.HasSourceLeft(); ++key) {
        const CMark mark = layout.Unpack(*key);
        // The list's marks that are not after the new one taken as a duplicate go first: its
        // group head and the group's duplicates of searches not above its search.
        CMark probe = mark;
        probe.SetFlags(mark.GetFlags() | CMark::kDuplicate);
        const CMarkFields::CValues probeFields = CMarkFields::Of(probe, layout.RegisterKeyOf(*key));
        merge.CopySourceWhile(
            [&](int position) { return !CMarkFields::IsBefore(probeFields, list.At(position)); });
        added += merge.Add(mark, keep, isLong);
    }
    // Past the list's last mark the new marks follow in their order.
    for (; key != keys.end(); ++key)
        added += merge.Add(layout.Unpack(*key), keep, isLong);
    merge.Finish();
    marks = std::move(merge.Result());
    return added;
}

// Merges the new marks of a source (see WithSortedMarkKeys) into the marks, sorting them first;
// returns how many started a group of their own.
template <class Source>
int MergeNew(TVmRec<CMark>& marks, const Source& source, bool keep, bool isLong) {
    return WithSortedMarkKeys(source, [&]<std::size_t W>(const CMarkKeyLayout& layout,
                                                         const TLargeArray<TMarkKey<W>>& keys) {
        return MergeSorted<W>(marks, layout, {keys.begin(), keys.size()}, keep, isLong);
    });
}

} // namespace

bool CMarkList::SetAt(const CMark& mark, int index) {
    if (index < 0 || index >= GetCount())
        return false;
    marks_.ElementAt(index) = mark;
    return true;
}

bool CMarkList::UpdateMarkAt(const CMark& mark, int index) {
    if (index < 0 || index >= GetCount() || !IsSameMark(marks_.GetAt(index), mark))
        return false;
    CMark& stored = marks_.ElementAt(index);
    if (mark.GetAppNumber() != 0)
        stored.SetAppNumber(mark.GetAppNumber());
    stored.SetFlags(stored.GetFlags() | (mark.GetFlags() & CMark::kViewedBits));
    return true;
}

bool CMarkList::PassesSearchIdTest(const CFilter& filter, int index) const {
    const CMark& mark = marks_.GetAt(index);
    if (mark.GetSearchId() != filter.GetSearchId())
        return false;
    if (filter.GetSkipDuplicates() && IsRepeatOfPrevious(index))
        return false;
    return filter.GetIncludeUnkept() || mark.IsKept();
}

bool CMarkList::MatchAt(const CFilter& filter, int index) const {
    const CMark& mark = marks_.GetAt(index);
    if (filter.HasSearchId() && !PassesSearchIdTest(filter, index))
        return false;
    return filter.MatchMark(mark);
}

int CMarkList::FindNthPassing(const CFilter& filter, int n) const {
    if (n < 0)
        return -1;
    for (int i = 0; i < GetCount(); ++i) {
        if (MatchAt(filter, i) && n-- == 0)
            return i;
    }
    return -1;
}

bool CMarkList::HasFiltered(const CFilter& filter, int n) const {
    return FindNthPassing(filter, std::max(n, 1) - 1) >= 0;
}

int CMarkList::CountFiltered(const CFilter& filter) const {
    int count = 0;
    for (int i = 0; i < GetCount(); ++i)
        count += MatchAt(filter, i) ? 1 : 0;
    return count;
}

int CMarkList::GetGroupHead(int index) const {
    if (!marks_.GetAt(index).IsDuplicate())
        return index;
    while (index > 0 && marks_.GetAt(index).IsDuplicate())
        --index;
    return index;
}

int CMarkList::GetFilteredIndexes(const CFilter& filter, TVmRec<int>& indexes) const {
    indexes.RemoveAll();
    for (int i = 0; i < GetCount(); ++i) {
        if (MatchAt(filter, i))
            indexes.Add(GetGroupHead(i));
    }
    return indexes.GetSize();
}

int CMarkList::FindFilteredIndex(const CFilter& filter, int n) const {
    const int index = FindNthPassing(filter, n);
    return index < 0 ? -1 : GetGroupHead(index);
}

bool CMarkList::GetFilteredAt(const CFilter& filter, int n, CMark& mark) const {
    const int index = FindFilteredIndex(filter, n);
    if (index < 0)
        return false;
    mark = marks_.GetAt(index);
    return true;
}

bool CMarkList::SetFilteredAt(const CFilter& filter, int n, const CMark& mark) {
    return SetAt(mark, FindFilteredIndex(filter, n));
}

int CMarkList::FindFilteredPosition(const CFilter& filter, const CMark& mark) const {
    int position = 0;
    for (int i = 0; i < GetCount(); ++i) {
        if (!MatchAt(filter, i))
            continue;
        if (marks_.GetAt(i).IsSameGroup(mark))
            return position;
        ++position;
    }
    return -1;
}

void CMarkList::KeepFiltered(const CFilter& filter, bool flag) {
    // Decide every mark before removing any: the search-id test looks at the mark before.
    TVmRec<CMark> kept;
    for (int i = 0; i < GetCount(); ++i) {
        if (MatchAt(filter, i) == flag)
            kept.Add(marks_.GetAt(i));
    }
    marks_ = std::move(kept);
    SetGroupFlags();
}

int CMarkList::AddRecords(std::span<const std::uint32_t> recordNumbers, int registerCode,
                          int section, int searchId, bool keep, bool isLong) {
    const CRecordSet set{registerCode, recordNumbers};
    return AddRecordSets({&set, 1}, section, searchId, keep, isLong);
}

int CMarkList::AddRecordSets(std::span<const CRecordSet> sets, int section, int searchId, bool keep,
                             bool isLong) {
    return MergeNew(marks_, CRecordSource(sets, section, searchId), keep, isLong);
}

int CMarkList::AddMarks(std::span<const CMark> marks, int section, int searchId) {
    std::vector<CMark> copies(marks.begin(), marks.end());
    for (CMark& copy : copies) {
        copy.SetSection(section);
        copy.SetSearchId(searchId);
    }
    return MergeMarks(copies);
}

int CMarkList::MergeMarks(std::span<const CMark> marks) {
    return MergeNew(marks_, CMarkSource(marks), false, false);
}

int CMarkList::MergeList(const CMarkList& other) {
    return MergeMarks({other.marks_.data(), other.marks_.size()});
}

void CMarkList::AddMark(std::uint32_t recordNumber, int registerCode, int section, int searchId,
                        int appNumber, std::uint32_t flags) {
    MergeMark(CMark(recordNumber, registerCode, section, searchId, appNumber, flags));
}

void CMarkList::MergeMark(const CMark& mark) {
    MergeMarks({&mark, 1});
}

void CMarkList::RemoveSearch(int searchId) {
    RemoveSearchesWhere([searchId](int id) { return id == searchId; });
}

void CMarkList::RemoveSearches(const std::set<int>& searchIds) {
    RemoveSearchesWhere([&searchIds](int id) { return searchIds.count(id) != 0; });
}

void CMarkList::RemoveSearchesWhere(const std::function<bool(int)>& isRemoved) {
    constexpr std::uint32_t kHeadFlags = CMark::kPermanentKeep | CMark::kLong;
    TVmRec<CMark> remaining;
    remaining.Reserve(GetCount());
    // The head of the source group being walked, while it is one that was dropped.
    const CMark* droppedHead = nullptr;
    for (const CMark& mark : marks_) {
        if (!mark.IsDuplicate())
            droppedHead = nullptr;
        const bool removedSearch = isRemoved(mark.GetSearchId());
        if (removedSearch && (!mark.IsKept() || mark.IsDuplicate())) {
            if (!mark.IsDuplicate())
                droppedHead = &mark;
            continue;
        }
        CMark copy(mark);
        if (removedSearch) {
            // In no search, only its section's kept list can show it: kept there, as committing
            // the search would have left it.
            copy.SetSearchId(0);
            if (mark.HasFlag(CMark::kKept))
                copy.SetFlags((mark.GetFlags() & ~CMark::kKept) | CMark::kPermanentKeep);
        }
        // The first remaining mark of a group whose head went takes the head's place, however
        // many of the group's marks went with it.
        const bool headless =
            droppedHead && droppedHead->IsSameGroup(mark) &&
            (remaining.IsEmpty() || !remaining.GetAt(remaining.GetSize() - 1).IsSameGroup(mark));
        if (headless)
            copy.SetFlags((mark.GetFlags() & ~(kHeadFlags | CMark::kDuplicate | CMark::kKept)) |
                          (droppedHead->GetFlags() & kHeadFlags));
        remaining.Add(copy);
    }
    // Replaced even when nothing was dropped: kept heads of the search lose its id.
    marks_ = std::move(remaining);
}

void CMarkList::SetGroupFlags() {
    for (int i = 0; i < GetCount(); ++i) {
        CMark& mark = marks_.ElementAt(i);
        const bool duplicate = i > 0 && marks_.GetAt(i - 1).IsSameGroup(mark);
        const std::uint32_t flags = mark.GetFlags() & ~CMark::kDuplicate;
        mark.SetFlags(duplicate ? flags | CMark::kDuplicate : flags);
    }
}

void CMarkList::Sort() {
    SortInMarkOrder(marks_);
}

int CMarkList::NewSection() const {
    int highest = 0;
    for (const CMark& mark : marks_) {
        if (mark.HasFlag(CMark::kPermanentKeep))
            highest = std::max(highest, mark.GetSection());
    }
    return highest + 1;
}

int CMarkList::GetSectionCounts(int section, int& inSection, int& keptInSection, int& all,
                                int& keptAll) const {
    const bool hideDuplicates = TheUserOptions().GetHideDuplicates();
    inSection = keptInSection = all = keptAll = 0;
    for (int i = 0; i < GetCount(); ++i) {
        const CMark& mark = marks_.GetAt(i);
        const bool inThisSection = mark.GetSection() == section;
        if (!(hideDuplicates && IsRepeatOfPrevious(i))) {
            ++all;
            inSection += inThisSection ? 1 : 0;
        }
        if (mark.HasFlag(CMark::kPermanentKeep) && !mark.IsDuplicate()) {
            ++keptAll;
            keptInSection += inThisSection ? 1 : 0;
        }
    }
    return all;
}

bool CMarkList::IsRepeatOfPrevious(int index) const {
    if (index < 1)
        return false;
    return marks_.GetAt(index).IsSameRecord(marks_.GetAt(index - 1));
}

std::vector<int> CMarkList::MarksOfNoSearch() const {
    std::vector<int> indexes;
    for (int i = 0; i < GetCount(); ++i) {
        if (marks_.GetAt(i).GetSearchId() == 0)
            indexes.push_back(i);
    }
    return indexes;
}

int CMarkList::GetFirstSection() const {
    for (const CMark& mark : marks_) {
        if (mark.GetSearchId() == 0)
            return mark.GetSection();
    }
    return -1;
}

int CMarkList::GetNextSection(int section) const {
    const std::vector<int> indexes = MarksOfNoSearch();
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        if (marks_.GetAt(indexes[i]).GetSection() == section)
            return i + 1 < indexes.size() ? marks_.GetAt(indexes[i + 1]).GetSection() : -1;
    }
    return -1;
}

int CMarkList::GetPreviousSection(int section) const {
    const std::vector<int> indexes = MarksOfNoSearch();
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        if (marks_.GetAt(indexes[i]).GetSection() == section)
            return i > 0 ? marks_.GetAt(indexes[i - 1]).GetSection() : -1;
    }
    return -1;
}

int CMarkList::GetSectionPosition(int section, int* position, int* count) const {
    const std::vector<int> indexes = MarksOfNoSearch();
    int found = -1;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        if (marks_.GetAt(indexes[i]).GetSection() == section)
            found = static_cast<int>(i) + 1;
    }
    if (position)
        *position = found;
    if (count)
        *count = static_cast<int>(indexes.size());
    return found;
}
