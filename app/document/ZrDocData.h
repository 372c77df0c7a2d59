#pragma once
// The data of one examination or watch: its marks, its searches, its settings, the register
// letters it was loaded with and its database selection. Windows, reports and watches read the
// examination through these accessors.

#include "app/document/ExamInfo.h"
#include "core/Filter.h"
#include "core/MarkList.h"
#include "core/SearchList.h"
#include "core/VmRec.h"
#include "registers/DbSelection.h"

#include <string>
#include <vector>

class IExamRegisters;

// Sorts the marks and sets their group flags. The duplicate flag takes part in the mark order, so
// the marks are sorted once more with the flags they have now: sorting or grouping them again
// changes nothing, and an examination saved reads back in the order it was saved.
void SortAndGroup(CMarkList& marks);

class CZrDocData {
public:
    CZrDocData() = default;
    CZrDocData(const CZrDocData&) = default;
    CZrDocData& operator=(const CZrDocData&) = default;
    virtual ~CZrDocData() = default;

    // Marks.
    bool HasMarks(const CFilter& filter, int n) const { return marks_.HasFiltered(filter, n); }
    int CountMarks(const CFilter& filter) const { return marks_.CountFiltered(filter); }
    // The group heads of the passing marks; returns their count.
    int FilterMarks(const CFilter& filter, TVmRec<int>& indexes) const {
        return marks_.GetFilteredIndexes(filter, indexes);
    }
    // Throws "out of bounds" for an index outside the list.
    const CMark& GetMark(int index) const { return marks_.GetAt(index); }
    int GetMarkCount() const { return marks_.GetCount(); }
    bool GetFilteredMark(const CFilter& filter, int n, CMark& mark) const {
        return marks_.GetFilteredAt(filter, n, mark);
    }
    void AddMark(std::uint32_t recordNumber, int registerCode, int section, int searchId,
                 int appNumber, std::uint32_t flags) {
        marks_.AddMark(recordNumber, registerCode, section, searchId, appNumber, flags);
    }
    void MergeMark(const CMark& mark) { marks_.MergeMark(mark); }
    // The section's marks and kept group heads, all marks and all kept group heads.
    int GetSectionCounts(int section, int& inSection, int& keptInSection, int& all,
                         int& keptAll) const {
        return marks_.GetSectionCounts(section, inSection, keptInSection, all, keptAll);
    }
    // Keeps the marks whose filter result equals the flag.
    void KeepFiltered(const CFilter& filter, bool flag) { marks_.KeepFiltered(filter, flag); }
    const CMarkList& GetMarkList() const { return marks_; }

    // Searches.
    bool HasSearch(const CFilter& filter) const { return searches_.HasFiltered(filter); }
    int CountSearches(const CFilter& filter) const { return searches_.CountFiltered(filter); }
    int FilterSearches(const CFilter& filter, TVmRec<int>& indexes) const {
        return searches_.GetFilteredIndexes(filter, indexes);
    }
    int GetFilteredSearchIds(const CFilter& filter, std::vector<int>& ids) const {
        return searches_.GetFilteredIds(filter, ids);
    }
    // Both throw "out of bounds" when there is no such search.
    const CSearch& GetSearch(int index) const { return searches_.GetAt(index); }
    const CSearch& FindSearch(int searchId) const { return searches_.FindSearch(searchId); }
    int GetSearchCount() const { return searches_.GetCount(); }
    // In a watch: the section's place among the sections of marks of no search; else the
    // search's place in its section. -1 when absent.
    void GetSearchPosition(int id, int& position, int& count) const;
    // The section's searches, how many have run, how many are completed.
    int GetSectionSearchCounts(int section, int& count, int& run, int& completed) const {
        return searches_.GetSectionCounts(section, count, run, completed);
    }
    // Search ids, or in a watch the sections of marks of no search; -1 when none.
    int GetFirstSearch() const;
    int GetNextSearch(int id) const;
    int GetPreviousSearch(int id) const;
    // The next run order, advanced.
    int NewOrder() { return searches_.NewOrder(); }
    bool IsFreeSearchId(int searchId) const { return searches_.IsFreeId(searchId); }
    const CSearchList& GetSearchList() const { return searches_; }

    // Settings.
    void SetType(int type) { info_.SetType(type); }
    bool IsWatch() const { return info_.GetType() == CExamInfo::kWatch; }
    std::string GetAgency() const { return info_.GetValue(CExamInfo::kAgency); }
    void SetAgency(const std::string& text) { info_.SetValue(CExamInfo::kAgency, text); }
    std::string GetExaminer() const { return info_.GetValue(CExamInfo::kExaminer); }
    void SetExaminer(const std::string& text) { info_.SetValue(CExamInfo::kExaminer, text); }
    std::string GetClient() const { return info_.GetValue(CExamInfo::kClient); }
    void SetClient(const std::string& text) { info_.SetValue(CExamInfo::kClient, text); }
    std::string GetExamId() const { return info_.GetValue(CExamInfo::kExamId); }
    void SetExamId(const std::string& text) { info_.SetValue(CExamInfo::kExamId, text); }
    int GetSectionCount() const { return info_.GetSections(); }
    void SetSectionCount(int count) { info_.SetSections(count); }
    int IsOneClassOnly() const { return info_.IsOneClassOnly() ? 1 : 0; }
    void SetOneClassOnly(bool oneClassOnly) { info_.SetOneClassOnly(oneClassOnly); }
    int GetWatchMarkCount() const { return info_.GetWatchMarkCount(); }
    std::string GetValue(int key) const { return info_.GetValue(key); }
    void SetValue(int key, const std::string& text) { info_.SetValue(key, text); }
    const CExamInfo& GetExamInfo() const { return info_; }

    // Empties marks and searches; with settings the settings go back to their defaults too.
    void Clear(bool withSettings);

    const CDbSelection& GetDbSelection() const { return selection_; }
    void SetDbSelection(const CDbSelection& selection) { selection_ = selection; }
    const std::string& GetDatabaseCodes() const { return databaseCodes_; }
    void SetDatabaseCodes(const std::string& codes) { databaseCodes_ = codes; }

    // The larger of the marks' and the searches' next section.
    int GetNewSection() const;

    // The codes of the built-in registers that have an engine.
    static std::string GetConnectedDatabaseCodes();
    // The record sets the registers of the connected codes offer, each name once.
    static std::vector<std::string> GetSetNames(const IExamRegisters& registers);

protected:
    CMarkList marks_;
    CSearchList searches_;
    CExamInfo info_;
    std::string databaseCodes_;
    CDbSelection selection_;
};
