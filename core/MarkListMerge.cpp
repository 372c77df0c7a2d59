#include "core/MarkListMerge.h"

CMarkListMerge::CMarkListMerge(const TVmRec<CMark>& source, int expectedCount) : source_(source) {
    output_.Reserve(expectedCount);
}

void CMarkListMerge::Finish() {
    CopySourceWhile([](int) { return true; });
}

void CMarkListMerge::AddDuplicate(const CMark& mark) {
    if (mark.HasFlag(CMark::kPermanentKeep))
        PromotePermanentKeep();
    output_.InsertAt(DuplicatePosition(mark), mark);
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
