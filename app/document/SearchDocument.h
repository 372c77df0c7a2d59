#pragma once
// The examination document as search runs and the database choice reach it (engines/
// ExamDocument.h). Views hear of every change through the document.

#include "app/document/ZR2000Doc.h"
#include "engines/ExamDocument.h"

class CSearchDocument : public IExamDocument {
public:
    explicit CSearchDocument(CZR2000Doc& document) : document_(document) {}

    std::string GetClient() const override { return document_.GetClient(); }
    std::string GetExamId() const override { return document_.GetExamId(); }
    int IsOneClassOnly() const override { return document_.IsOneClassOnly(); }

    const CSearch& FindSearch(int searchId) const override {
        return document_.FindSearch(searchId);
    }
    std::vector<int> GetFilteredSearchIds(const CFilter& filter) const override;
    bool HasSearch(const CFilter& filter) const override { return document_.HasSearch(filter); }
    void SetSearchResults(const CSearch& search) override { document_.SetSearchResults(search); }
    void ReplaceSearch(const CSearch& search) override { document_.ReplaceSearch(search); }

    int CountMarks(const CFilter& filter) const override { return document_.CountMarks(filter); }
    bool HasMarks(const CFilter& filter, int n) const override {
        return document_.HasMarks(filter, n);
    }
    std::vector<CMark> GetFilteredMarks(const CFilter& filter) const override;
    int AddFoundMarks(std::span<const CRecordSet> sets, int section, int searchId, bool keep,
                      bool isLong) override {
        return document_.AddFoundRecordSets(sets, section, searchId, keep, isLong);
    }
    int MergeMarks(std::span<const CMark> marks) override { return document_.MergeMarks(marks); }
    void RemoveSearchMarks(int searchId) override { document_.RemoveSearchMarks(searchId); }

    const CDbSelection& GetDbSelection() const override { return document_.GetDbSelection(); }

private:
    CZR2000Doc& document_;
};
