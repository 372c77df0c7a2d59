#pragma once
// One pass that merges new marks into a sorted list of marks: keeps the mark order, groups the
// marks of one record in one section behind their head, counts what was new, and carries a
// duplicate's permanent keep onto its group head. Lives for one merge.
//
// A merge of a search's hits passes every mark of the list and every hit through here once, so
// the steps taken for each are inline.

#include "core/Mark.h"
#include "core/VmRec.h"

class CMarkListMerge {
public:
    // Reserves room for the expected output: the source's count plus the marks to add.
    CMarkListMerge(const TVmRec<CMark>& source, int expectedCount);
    CMarkListMerge(const CMarkListMerge&) = delete;
    CMarkListMerge& operator=(const CMarkListMerge&) = delete;
    virtual ~CMarkListMerge() = default;

    bool HasSourceLeft() const { return sourcePosition_ < source_.GetSize(); }
    // Copies source marks for as long as goesBefore(position of the next source mark) holds:
    // those that go before the next new mark in the mark order.
    template <class GoesBefore>
    void CopySourceWhile(GoesBefore&& goesBefore) {
        for (; HasSourceLeft() && goesBefore(sourcePosition_); ++sourcePosition_)
            AppendSource(source_.data()[sourcePosition_]);
    }
    // Appends a new mark; new marks come in mark order, each after the source marks that go
    // before it. 1 when the mark starts a group of its own, 0 when it joined an existing group
    // as a duplicate; keep and long apply only to a mark whose record differs from the mark
    // before it.
    int Add(const CMark& mark, bool keep, bool isLong) {
        const bool sameRecord = !output_.IsEmpty() && Last().IsSameRecord(mark);
        const bool duplicate = sameRecord && Last().GetSection() == mark.GetSection();
        std::uint32_t flags = mark.GetFlags() & ~CMark::kDuplicate;
        if (!sameRecord)
            flags |= (keep ? CMark::kKept : 0) | (isLong ? CMark::kLong : 0);
        if (!duplicate) {
            // Copied whole, then flagged where it lies: a copy flagged first would be read back
            // whole before its flags reached memory, which stalls the processor on every mark.
            output_.Add(mark);
            (output_.end() - 1)->SetFlags(flags);
            return 1;
        }
        CMark copy(mark);
        copy.SetFlags(flags | CMark::kDuplicate);
        AddDuplicate(copy);
        return 0;
    }
    // Copies the source marks that remain.
    void Finish();
    TVmRec<CMark>& Result() { return output_; }

private:
    void AppendSource(const CMark& mark) {
        // The flag follows the neighbour in the output, so a list that was grouped stays grouped.
        CMark copy(mark);
        const std::uint32_t flags = mark.GetFlags() & ~CMark::kDuplicate;
        copy.SetFlags(!output_.IsEmpty() && Last().IsSameGroup(mark) ? flags | CMark::kDuplicate
                                                                     : flags);
        output_.Add(copy);
    }
    const CMark& Last() const { return *(output_.end() - 1); }
    // Places a new duplicate in its group at the end of the output.
    void AddDuplicate(const CMark& mark);
    // A duplicate that is permanently kept makes its whole group so.
    void PromotePermanentKeep();
    // Where a new duplicate goes among the duplicates at the end of the output.
    int DuplicatePosition(const CMark& mark) const;

    const TVmRec<CMark>& source_;
    int sourcePosition_ = 0;
    TVmRec<CMark> output_;
};
