#pragma once
// One pass that merges new marks into a sorted list of marks: keeps the mark order, groups the
// marks of one record in one section behind their head, counts what was new, and carries a
// duplicate's permanent keep onto its group head. Lives for one merge.

#include "core/Mark.h"
#include "core/VmRec.h"

#include <cstdint>

class CMarkListMerge {
public:
    // Reserves room for the expected output: the source's count plus the marks to add.
    CMarkListMerge(const TVmRec<CMark>& source, int expectedCount);
    CMarkListMerge(const CMarkListMerge&) = delete;
    CMarkListMerge& operator=(const CMarkListMerge&) = delete;
    virtual ~CMarkListMerge() = default;

    // Marks must come in mark order (CMarkList sorts them first). 1 when the mark starts a group
    // of its own, 0 when it joined an existing group as a duplicate; keep and long apply only
    // to a mark whose record differs from the mark before it.
    int Add(const CMark& mark, bool keep, bool isLong);
    // Copies the source marks that remain.
    void Finish();
    TVmRec<CMark>& Result() { return output_; }

private:
    // Copies source marks up to the place of the mark.
    void CopySourceUpTo(const CMark& mark);
    void AppendSource(const CMark& mark);
    int AppendNew(const CMark& mark, bool keep, bool isLong);
    // A duplicate that is permanently kept makes its whole group so.
    void PromotePermanentKeep();
    // Where a new duplicate goes among the duplicates at the end of the output.
    int DuplicatePosition(const CMark& mark) const;
    bool SameGroupAsLast(const CMark& mark) const;

    const TVmRec<CMark>& source_;
    int sourcePosition_ = 0;
    // Key of the source mark at sourcePosition_, fetched once per source mark.
    std::uint64_t sourceKey_ = 0;
    bool sourceKeyValid_ = false;
    TVmRec<CMark> output_;
};
