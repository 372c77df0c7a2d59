#pragma once
// An examination document for tests: marks, searches and catalogue in memory. It is the active
// examination for its lifetime, so that a first run takes its run order from it.

#include "core/CoreServices.h"
#include "core/MarkList.h"
#include "core/SearchList.h"
#include "engines/ExamDocument.h"
#include "registers/DbSelection.h"

class CTestExamDocument : public IExamDocument, public IActiveExamination {
public:
    CTestExamDocument() { InstallActiveExamination(this); }
    ~CTestExamDocument() override { InstallActiveExamination(nullptr); }
    CTestExamDocument(const CTestExamDocument&) = delete;
    CTestExamDocument& operator=(const CTestExamDocument&) = delete;

    std::string GetClient() const override { return "Client Ltd"; }
    std::string GetExamId() const override { return "EX-1"; }
    int IsOneClassOnly() const override { return 0; }
    const CSearch& FindSearch(int searchId) const override {
        return searches_.FindSearch(searchId);
    }
    std::vector<int> GetFilteredSearchIds(const CFilter& filter) const override {
        std::vector<int> ids;
        searches_.GetFilteredIds(filter, ids);
        return ids;
    }
    bool HasSearch(const CFilter& filter) const override { return searches_.HasFiltered(filter); }
    void SetSearchResults(const CSearch& search) override { searches_.Replace(search); }
    void ReplaceSearch(const CSearch& search) override { searches_.Replace(search); }
    int CountMarks(const CFilter& filter) const override { return marks_.CountFiltered(filter); }
    bool HasMarks(const CFilter& filter, int n) const override {
        return marks_.HasFiltered(filter, n);
    }
    std::vector<CMark> GetFilteredMarks(const CFilter& filter) const override {
        TVmRec<int> indexes;
        marks_.GetFilteredIndexes(filter, indexes);
        std::vector<CMark> marks;
        for (int i = 0; i < indexes.GetSize(); ++i)
            marks.push_back(marks_.GetAt(indexes.GetAt(i)));
        return marks;
    }
    int AddFoundMarks(std::span<const CRecordSet> sets, int section, int searchId, bool keep,
                      bool isLong) override {
        return marks_.AddRecordSets(sets, section, searchId, keep, isLong);
    }
    int MergeMarks(std::span<const CMark> marks) override { return marks_.MergeMarks(marks); }
    void RemoveSearchMarks(int searchId) override { marks_.RemoveSearch(searchId); }
    const CDbSelection& GetDbSelection() const override { return catalogue_; }

    CSearchList* GetActiveSearchList() override { return &searches_; }

    // A search of every record of the databases, in the section given; its id.
    int AddSearchOfAll(const std::string& dbCodes, int section = 0) {
        CSearch search(section);
        search.GetCriteria().ResetWithDbIds(dbCodes);
        search.GetCriteria().FillDefaults();
        return searches_.Add(search);
    }

    CMarkList& Marks() { return marks_; }
    CSearchList& Searches() { return searches_; }
    CDbSelection& Catalogue() { return catalogue_; }

private:
    CMarkList marks_;
    CSearchList searches_;
    CDbSelection catalogue_;
};
