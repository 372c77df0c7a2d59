#pragma once
// All marks of an examination, in mark order and grouped: the marks of one record in one
// section stand together, the first of them is the group head and the others carry the
// duplicate flag. Views read the list through filters.

#include "core/Filter.h"
#include "core/Mark.h"
#include "core/VmRec.h"

#include <cstdint>
#include <functional>
#include <set>
#include <span>
#include <vector>

// The record numbers one register found, for adding several registers' hits in one merge.
struct CRecordSet {
    int registerCode = 0;
    std::span<const std::uint32_t> recordNumbers;
};

class CMarkList {
public:
    CMarkList() = default;
    CMarkList(const CMarkList&) = default;
    CMarkList& operator=(const CMarkList&) = default;
    virtual ~CMarkList() = default;

    void RemoveAll() { marks_.RemoveAll(); }
    int GetCount() const { return marks_.GetSize(); }
    // Every read by index is checked and throws "out of bounds".
    const CMark& GetAt(int index) const { return marks_.GetAt(index); }
    // Overwrites in place without re-sorting; false for an index outside the list.
    bool SetAt(const CMark& mark, int index);
    // Takes over the given mark's application number (when not 0) and its viewed bits, provided
    // the stored mark is the same mark: record number, register code, section and search id.
    bool UpdateMarkAt(const CMark& mark, int index);

    // Filtering. With the search-id criterion a mark must also belong to that search, be kept
    // unless unkept marks are included, and with skip duplicates not repeat the mark before it.
    bool MatchAt(const CFilter& filter, int index) const;
    // True once n marks pass; n of 0 or less asks for one.
    bool HasFiltered(const CFilter& filter, int n) const;
    int CountFiltered(const CFilter& filter) const;
    int GetGroupHead(int index) const;
    // The group head of every passing mark, in list order, once per passing member.
    int GetFilteredIndexes(const CFilter& filter, TVmRec<int>& indexes) const;
    // Group head of the n-th passing mark (from 0); -1 when fewer pass.
    int FindFilteredIndex(const CFilter& filter, int n) const;
    bool GetFilteredAt(const CFilter& filter, int n, CMark& mark) const;
    bool SetFilteredAt(const CFilter& filter, int n, const CMark& mark);
    // Position among passing marks of the first passing one of the mark's group; -1 when none.
    int FindFilteredPosition(const CFilter& filter, const CMark& mark) const;
    // Keeps the marks whose filter result equals the flag, then redoes the group flags.
    void KeepFiltered(const CFilter& filter, bool flag);

    // Merging. New marks may come in any order; each merge sorts them first. The results count
    // the marks that started a group of their own. Keep and long apply to new group heads.
    int AddRecords(std::span<const std::uint32_t> recordNumbers, int registerCode, int section,
                   int searchId, bool keep, bool isLong);
    // The same for the hits of several registers, merged at once.
    int AddRecordSets(std::span<const CRecordSet> sets, int section, int searchId, bool keep,
                      bool isLong);
    // The marks take the given section and search id.
    int AddMarks(std::span<const CMark> marks, int section, int searchId);
    int MergeMarks(std::span<const CMark> marks);
    int MergeList(const CMarkList& other);
    void AddMark(std::uint32_t recordNumber, int registerCode, int section, int searchId,
                 int appNumber, std::uint32_t flags);
    void MergeMark(const CMark& mark);
    // Appends in the caller's order, for a list being loaded: sort and set the group flags
    // afterwards.
    void Append(const CMark& mark) { marks_.Add(mark); }
    void Reserve(int count) { marks_.Reserve(count); }

    // Drops the search's marks that are unkept or duplicates; its kept group heads stay with
    // search id 0, kept in their section's list (0x10 becomes 0x1). A group whose head went is
    // headed by its first remaining mark.
    void RemoveSearch(int searchId);
    void RemoveSearches(const std::set<int>& searchIds);

    // Duplicate flag on every mark of the same group as the mark before it, cleared elsewhere.
    void SetGroupFlags();
    // Restores the mark order; group flags are left alone.
    void Sort();

    // 1 + the highest section of a permanently kept mark; sections below 0 count as 0.
    int NewSection() const;
    // Marks of the section, its permanently kept group heads, all marks, all permanently kept
    // group heads; with the HideDuplicates setting repeats of the mark before do not count as
    // marks. Returns all marks.
    int GetSectionCounts(int section, int& inSection, int& keptInSection, int& all,
                         int& keptAll) const;
    // Same record number and register code as the mark before it.
    bool IsRepeatOfPrevious(int index) const;

    // Navigation over the marks of no search (search id 0), in list order; -1 when none.
    int GetFirstSection() const;
    int GetNextSection(int section) const;
    int GetPreviousSection(int section) const;
    // 1-based place among marks of no search of the last one of the section (also the first
    // out); the second out receives how many marks of no search there are.
    int GetSectionPosition(int section, int* position = nullptr, int* count = nullptr) const;

private:
    void RemoveSearchesWhere(const std::function<bool(int)>& isRemoved);
    bool PassesSearchIdTest(const CFilter& filter, int index) const;
    // Index of the n-th passing mark; -1 when fewer pass.
    int FindNthPassing(const CFilter& filter, int n) const;
    // Indexes of the marks of no search.
    std::vector<int> MarksOfNoSearch() const;

    TVmRec<CMark> marks_;
};
