#pragma once
// One pass that merges new marks into a sorted list of marks: keeps the mark order, groups the
// marks of one record in one section behind their head, counts what was new, and carries a
// duplicate's permanent keep onto its group head. Lives for one merge.

#include "core/Mark.h"
#include "core/VmRec.h"

class CMarkListMerge {
public:
    // Reserves room for the expected output: the source's count plus the marks to add.
    CMarkListMerge(const TVmRec<CMark>& source, int expectedCount);
    CMarkListMerge(const CMarkListMerge&) = delete;
    CMarkListMerge& operator=(const CMarkListMerge&) = delete;
    virtual ~CMarkListMerge() = default;

    // Copies source marks for as long as goesBefore(next source mark) holds: those that go
    // before the next new mark in the mark order.
    template <class GoesBefore>
    void CopySourceWhile(GoesBefore&& goesBefore) {
        for (; sourcePosition_ < source_.GetSize(); ++sourcePosition_) {
            const CMark& next = source_.GetAt(sourcePosition_);
            if (!goesBefore(next))
                return;
            AppendSource(next);
        }
    }
    // Appends a new mark; new marks come in mark order, each after the source marks that go
    // before it. 1 when the mark starts a group of its own, 0 when it joined an existing group
    // as a duplicate; keep and long apply only to a mark whose record differs from the mark
    // before it.
    int Add(const CMark& mark, bool keep, bool isLong);
    // Copies the source marks that remain.
    void Finish();
    TVmRec<CMark>& Result() { return output_; }

private:
    void AppendSource(const CMark& mark);
    // A duplicate that is permanently kept makes its whole group so.
    void PromotePermanentKeep();
    // Where a new duplicate goes among the duplicates at the end of the output.
    int DuplicatePosition(const CMark& mark) const;
    bool SameGroupAsLast(const CMark& mark) const;

    const TVmRec<CMark>& source_;
    int sourcePosition_ = 0;
    TVmRec<CMark> output_;
};
