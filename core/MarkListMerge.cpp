#include "core/MarkListMerge.h"

CMarkListMerge::CMarkListMerge(const TVmRec<CMark>& source, int expectedCount) : source_(source) {
    output_.Reserve(expectedCount);
}

void CMarkListMerge::Finish() {
    for (; sourcePosition_ < source_.GetSize(); ++sourcePosition_)
        AppendSource(source_.GetAt(sourcePosition_));
}

bool CMarkListMerge::SameGroupAsLast(const CMark& mark) const {
    return !output_.IsEmpty() && output_.GetAt(output_.GetSize() - 1).IsSameGroup(mark);
}

void CMarkListMerge::AppendSource(const CMark& mark) {
    // The flag follows the neighbour in the output, so a list that was grouped stays grouped.
    CMark copy(mark);
    const std::uint32_t flags = mark.GetFlags() & ~CMark::kDuplicate;
    copy.SetFlags(SameGroupAsLast(mark) ? flags | CMark::kDuplicate : flags);
    output_.Add(copy);
}

int CMarkListMerge::Add(const CMark& mark, bool keep, bool isLong) {
    const bool sameRecord =
        !output_.IsEmpty() && output_.GetAt(output_.GetSize() - 1).IsSameRecord(mark);
    const bool duplicate = sameRecord && SameGroupAsLast(mark);
    if (duplicate && mark.HasFlag(CMark::kPermanentKeep))
        PromotePermanentKeep();

    std::uint32_t flags = mark.GetFlags() & ~CMark::kDuplicate;
    if (duplicate)
        flags |= CMark::kDuplicate;
    if (!sameRecord && keep)
        flags |= CMark::kKept;
    if (!sameRecord && isLong)
        flags |= CMark::kLong;
    CMark copy(mark);
    copy.SetFlags(flags);
    if (duplicate)
        output_.InsertAt(DuplicatePosition(mark), copy);
    else
        output_.Add(copy);
    return duplicate ? 0 : 1;
}

int CMarkListMerge::DuplicatePosition(const CMark& mark) const {
    // New marks of one group come head first, so one that turns out a duplicate may follow
    // new duplicates of higher searches; it goes before them to keep the group in order.
    int position = output_.GetSize();
    for (; position > 0; --position) {
        const CMark& before = output_.GetAt(position - 1);
        if (!before.IsDuplicate() || !before.IsSameGroup(mark) ||
            before.GetSearchId() <= mark.GetSearchId())
            break;
    }
    return position;
}

void CMarkListMerge::PromotePermanentKeep() {
    int head = output_.GetSize() - 1;
    while (head > 0 && output_.GetAt(head).IsDuplicate())
        --head;
    CMark& headMark = output_.ElementAt(head);
    if (!headMark.HasFlag(CMark::kPermanentKeep))
        headMark.SetFlags((headMark.GetFlags() & ~CMark::kKept) | CMark::kPermanentKeep);
}
