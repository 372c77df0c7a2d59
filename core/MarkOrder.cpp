#include "core/MarkOrder.h"

#include "core/CoreServices.h"
#include "core/UserOptions.h"

#include <algorithm>
#include <tuple>

std::uint64_t ApplySortOrder(std::uint64_t key, int sortOrder) {
    if (sortOrder != 1)
        return key;
    const auto high = static_cast<std::uint32_t>(key >> 32);
    const std::uint32_t rearranged = ((high & 0xffu) << 24) | ((high >> 22) << 14);
    return (std::uint64_t{rearranged} << 32) | (key & 0xffffffffu);
}

CMarkKeys::CMarkKeys()
    : registers_(GetRegisterServices()), sortOrder_(TheUserOptions().GetSortOrder()) {}

std::uint64_t CMarkKeys::operator()(const CMark& mark) const {
    return ApplySortOrder(registers_.GetMarkKey(mark), sortOrder_);
}

bool IsBeforeInMarkOrder(const CMark& a, std::uint64_t keyA, const CMark& b, std::uint64_t keyB) {
    auto fields = [](const CMark& m, std::uint64_t key) {
        return std::make_tuple(key, m.GetRegisterCode(), m.GetRecordNumber(), m.GetSection(),
                               m.IsDuplicate(), m.GetSearchId());
    };
    return fields(a, keyA) < fields(b, keyB);
}

void SortInMarkOrder(TLargeVector<CKeyedMark>& marks) {
    // Marks equal in the mark order are ordered by their remaining fields, so the result does
    // not depend on the sorting algorithm and needs no buffer the size of the input.
    std::sort(marks.begin(), marks.end(), [](const CKeyedMark& a, const CKeyedMark& b) {
        if (IsBeforeInMarkOrder(a.mark, a.key, b.mark, b.key))
            return true;
        if (IsBeforeInMarkOrder(b.mark, b.key, a.mark, a.key))
            return false;
        return std::make_pair(a.mark.GetAppNumber(), a.mark.GetFlags()) <
               std::make_pair(b.mark.GetAppNumber(), b.mark.GetFlags());
    });
}

void SortInMarkOrder(std::span<CMark> marks) {
    const CMarkKeys keyOf;
    TLargeVector<CKeyedMark> keyed;
    keyed.reserve(marks.size());
    for (const CMark& mark : marks)
        keyed.push_back({keyOf(mark), mark});
    SortInMarkOrder(keyed);
    std::transform(keyed.begin(), keyed.end(), marks.begin(),
                   [](const CKeyedMark& k) { return k.mark; });
}
