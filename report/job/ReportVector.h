#pragma once
// The list block: one pass per entry of a list field of the enclosing record (HISTORY,
// TXHISTORY1, ENGOODS, owners, goods and any other pair list), from FIRST to LAST (counted from
// 0). Its entry's strings and their parts are its fields.

#include "core/ZrData.h"
#include "report/job/ReportItem.h"

class CReportVector : public CReportContainer {
public:
    explicit CReportVector(const ReportAttributes& attributes);
    std::string LookupField(std::string_view name) override;
    bool Evaluate(CReportPresenter& presenter, CReportInfo& info) override;

protected:
    std::string Describe() const override;

private:
    // The entries of the list field, asked of the enclosing blocks.
    PairList BuildEntries();
    const StringPair& Entry() const { return entries_[static_cast<std::size_t>(current_)]; }

    PairList entries_;
    std::string field_;
    // -1 while no entry is being reported: the block then answers none of its own names.
    int current_ = -1;
    int first_ = 0;
    int last_ = 32000;
};
