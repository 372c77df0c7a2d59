#pragma once
// The examination document as searches and the database choice see it. The document sits above
// the engines and implements this; tests supply their own.

#include "core/Filter.h"
#include "core/Mark.h"
#include "core/MarkList.h"
#include "core/Search.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CDbSelection;

class IExamDocument {
public:
    virtual ~IExamDocument() = default;

    virtual std::string GetClient() const = 0;
    virtual std::string GetExamId() const = 0;
    // 0 or 1.
    virtual int IsOneClassOnly() const = 0;

    // Searches.
    // Throws "out of bounds" when there is no search of that id.
    virtual const CSearch& FindSearch(int searchId) const = 0;
    // The ids of the searches that pass, in the document's order.
    virtual std::vector<int> GetFilteredSearchIds(const CFilter& filter) const = 0;
    virtual bool HasSearch(const CFilter& filter) const = 0;
    // Stores a search after a run in place of the search with its id, and refreshes the views.
    virtual void SetSearchResults(const CSearch& search) = 0;
    // Overwrites the search with its id, and refreshes the views.
    virtual void ReplaceSearch(const CSearch& search) = 0;

    // Marks.
    virtual int CountMarks(const CFilter& filter) const = 0;
    virtual bool HasMarks(const CFilter& filter, int n) const = 0;
    // The marks that pass (group heads, once per passing mark), in list order.
    virtual std::vector<CMark> GetFilteredMarks(const CFilter& filter) const = 0;
    // Makes a mark of every record id of the registers' sets and merges them all at once;
    // answers how many were new.
    virtual int AddFoundMarks(std::span<const CRecordSet> sets, int section, int searchId,
                              bool keep, bool isLong) = 0;
    // Merges the marks; answers how many were new.
    virtual int MergeMarks(std::span<const CMark> marks) = 0;
    // Takes the search's marks away as removing the search would: its unkept marks and
    // duplicates go, its kept group heads stay with search id 0.
    virtual void RemoveSearchMarks(int searchId) = 0;

    // The examination's database catalogue.
    virtual const CDbSelection& GetDbSelection() const = 0;
};
