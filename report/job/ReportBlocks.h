#pragma once
// The blocks that repeat over the examination's sections, searches and databases.

#include "core/Search.h"
#include "core/TermMapper.h"
#include "core/VmRec.h"
#include "report/job/ReportItem.h"

#include <string>

class IReportDb;

// One pass per section from FIRST to LAST (counted from 1 in the template) that has a mark
// passing its filter or, without MARKSONLY, a search. The section's kept marks only, or with
// ALL every mark of it.
class CReportSection : public CReportContainer {
public:
    explicit CReportSection(const ReportAttributes& attributes);
    std::string LookupField(std::string_view name) override;
    CFilter GetFilter() override;
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;
    int CountMarks(CReportInfo& info) override;

protected:
    std::string Describe() const override;

private:
    // Makes the section current; whether it is visited, marks-only or not.
    bool Enter(int section, const CZrDocData& document, bool marksOnly);

    int first_ = 0;
    int last_ = 99;
    int current_ = 0;
    bool all_ = false;
    bool marksOnly_ = false;
    std::string keptCount_;
};

// One pass per search that passes the enclosing filter. Its marks are the kept ones of the
// current search (with ALL every one; with HIDEDUPLICATES no repeats).
class CReportCriteria : public CReportContainer {
public:
    explicit CReportCriteria(const ReportAttributes& attributes);
    std::string LookupField(std::string_view name) override;
    CFilter GetFilter() override;
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;
    int CountMarks(CReportInfo& info) override;

protected:
    std::string Describe() const override;

private:
    // The document's indexes of the searches the block goes through.
    TVmRec<int> ListSearches(const CZrDocData& document);
    // The terms of word group 0 (main), 1 (second) or 2 (excluded), and their match kind.
    std::string WordTerms(int group, int& kind) const;
    std::string DecoratedWords(int group) const;
    std::string MatchLabel(int group) const;

    CSearch current_;
    bool all_ = false;
    bool hideDuplicates_ = false;
    // Of the run in progress.
    CReportInfo* info_ = nullptr;
    CTermMapper displayMapper_;
};

// One pass per register of DB (default every built-in one) that has an engine.
class CReportDb : public CReportContainer {
public:
    explicit CReportDb(const ReportAttributes& attributes);
    std::string LookupField(std::string_view name) override;
    CFilter GetFilter() override;
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;
    int CountMarks(CReportInfo& info) override;

protected:
    std::string Describe() const override;

private:
    // The letters visited, in the block's order.
    std::string ConnectedLetters(CReportInfo& info) const;

    std::string letters_;
    char current_ = 0;
    bool all_ = false;
    IReportDb* db_ = nullptr;
};
