#pragma once
// The searches of an examination in display order (by section, run searches before unrun
// ones); hands out search ids and run orders.

#include "core/Filter.h"
#include "core/Search.h"
#include "core/VmRec.h"

#include <vector>

class CSearchList {
public:
    CSearchList() = default;
    CSearchList(const CSearchList&) = default;
    CSearchList& operator=(const CSearchList&) = default;
    virtual ~CSearchList() = default;

    // Also starts ids and run orders again at 1.
    void RemoveAll();
    int GetCount() const { return searches_.GetSize(); }
    // Reads by index are checked and throw "out of bounds".
    const CSearch& GetAt(int index) const { return searches_.GetAt(index); }
    void ResetAt(int index) { searches_.GetAt(index).Reset(); }
    // Back in search order after searches changed in place (ResetAt); equal searches keep their
    // order.
    void RestoreOrder();

    int NewSearchId() { return nextSearchId_++; }
    int NewOrder() { return nextOrder_++; }
    // Run orders handed out from now on come after that one: for searches loaded with the
    // run orders they were given before.
    void ReserveOrdersTo(int order) {
        if (order >= nextOrder_ && order < kMaxCounter)
            nextOrder_ = order + 1;
    }

    bool HasFiltered(const CFilter& filter) const;
    int CountFiltered(const CFilter& filter) const;
    int GetFilteredIndexes(const CFilter& filter, TVmRec<int>& indexes) const;
    int GetFilteredIds(const CFilter& filter, std::vector<int>& ids) const;

    // Inserts a copy behind every search not greater than it; a search without an id takes
    // the next one. Returns its id.
    int Add(const CSearch& search);
    // Overwrites the search of the same id: its index, or -1 when there is none.
    int Replace(const CSearch& search);
    // Overwrites the search at the index (checked) with one that keeps its place in search
    // order; also where a damaged file gave two searches one id.
    void SetAt(int index, const CSearch& search) { searches_.GetAt(index) = search; }
    int FindIndex(int searchId) const;
    // Throws "out of bounds" when there is no search of that id.
    const CSearch& FindSearch(int searchId) const;
    bool IsFreeId(int searchId) const { return FindIndex(searchId) < 0; }
    // Removes every search of that id; ids and run orders are not handed out again.
    void Remove(int searchId);

    // 1 + the highest section; sections below 0 count as 0.
    int NewSection() const;
    // The highest section of a search that has run; -1 when none has.
    int GetLastRunSection() const;
    // The section of the search (-1 when absent). Outs: its 1-based place among the searches
    // of its section in a row (-1 when absent) and how many those are (with the search absent,
    // those of the last section).
    int GetSearchPosition(int searchId, int* position = nullptr, int* count = nullptr) const;
    // Searches of the section, how many have run, how many are completed; returns the run.
    int GetSectionCounts(int section, int& count, int& run, int& completed) const;

    // Ids in list order; -1 when there is none.
    int GetFirstId() const;
    int GetNextId(int searchId) const;
    int GetPreviousId(int searchId) const;

private:
    static constexpr int kMaxCounter = 0x7fffffff;

    int nextSearchId_ = 1;
    int nextOrder_ = 1;
    TVmRec<CSearch> searches_;
};
