#include "core/SearchList.h"

#include <algorithm>

void CSearchList::RemoveAll() {
    searches_.RemoveAll();
    nextSearchId_ = nextOrder_ = 1;
}

bool CSearchList::HasFiltered(const CFilter& filter) const {
    return std::any_of(searches_.begin(), searches_.end(),
                       [&filter](const CSearch& search) { return filter.MatchSearch(search); });
}

int CSearchList::CountFiltered(const CFilter& filter) const {
    return static_cast<int>(
        std::count_if(searches_.begin(), searches_.end(),
                      [&filter](const CSearch& search) { return filter.MatchSearch(search); }));
}

int CSearchList::GetFilteredIndexes(const CFilter& filter, TVmRec<int>& indexes) const {
    indexes.RemoveAll();
    for (int i = 0; i < GetCount(); ++i) {
        if (filter.MatchSearch(searches_.GetAt(i)))
            indexes.Add(i);
    }
    return indexes.GetSize();
}

int CSearchList::GetFilteredIds(const CFilter& filter, std::vector<int>& ids) const {
    ids.clear();
    for (const CSearch& search : searches_) {
        if (filter.MatchSearch(search))
            ids.push_back(search.GetSearchId());
    }
    return static_cast<int>(ids.size());
}

void CSearchList::RestoreOrder() {
    std::stable_sort(searches_.begin(), searches_.end());
}

int CSearchList::Add(const CSearch& search) {
    CSearch added(search);
    if (added.GetSearchId() == 0)
        added.SetSearchId(nextSearchId_);
    const auto place = std::upper_bound(searches_.begin(), searches_.end(), added);
    searches_.InsertAt(static_cast<int>(place - searches_.begin()), added);
    if (added.GetSearchId() >= nextSearchId_)
        nextSearchId_ = added.GetSearchId() + 1;
    return added.GetSearchId();
}

int CSearchList::Replace(const CSearch& search) {
    const int index = FindIndex(search.GetSearchId());
    if (index >= 0)
        searches_.GetAt(index) = search;
    return index;
}

int CSearchList::FindIndex(int searchId) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (searches_.GetAt(i).GetSearchId() == searchId)
            return i;
    }
    return -1;
}

const CSearch& CSearchList::FindSearch(int searchId) const {
    return searches_.GetAt(FindIndex(searchId));
}

void CSearchList::Remove(int searchId) {
    for (int i = GetCount() - 1; i >= 0; --i) {
        if (searches_.GetAt(i).GetSearchId() == searchId)
            searches_.RemoveAt(i);
    }
}

int CSearchList::NewSection() const {
    int highest = 0;
    for (const CSearch& search : searches_)
        highest = std::max(highest, search.GetSection());
    return highest + 1;
}

int CSearchList::GetLastRunSection() const {
    int highest = -1;
    for (const CSearch& search : searches_) {
        if (search.HasRun())
            highest = std::max(highest, search.GetSection());
    }
    return highest;
}

int CSearchList::GetSearchPosition(int searchId, int* position, int* count) const {
    int place = -1;
    int section = -1;
    int inRun = 0;
    for (int i = 0; i < GetCount(); ++i) {
        const CSearch& search = searches_.GetAt(i);
        if (i > 0 && search.GetSection() != searches_.GetAt(i - 1).GetSection()) {
            if (place > 0)
                break;
            inRun = 0;
        }
        ++inRun;
        if (place < 0 && search.GetSearchId() == searchId) {
            place = inRun;
            section = search.GetSection();
        }
    }
    if (position)
        *position = place;
    if (count)
        *count = inRun;
    return section;
}

int CSearchList::GetSectionCounts(int section, int& count, int& run, int& completed) const {
    count = run = completed = 0;
    for (const CSearch& search : searches_) {
        if (search.GetSection() != section)
            continue;
        ++count;
        run += search.HasRun() ? 1 : 0;
        completed += search.IsCompleted() ? 1 : 0;
    }
    return run;
}

int CSearchList::GetFirstId() const {
    return searches_.IsEmpty() ? -1 : searches_.GetAt(0).GetSearchId();
}

int CSearchList::GetNextId(int searchId) const {
    const int index = FindIndex(searchId);
    if (index < 0 || index + 1 >= GetCount())
        return -1;
    return searches_.GetAt(index + 1).GetSearchId();
}

int CSearchList::GetPreviousId(int searchId) const {
    const int index = FindIndex(searchId);
    if (index <= 0)
        return -1;
    return searches_.GetAt(index - 1).GetSearchId();
}
