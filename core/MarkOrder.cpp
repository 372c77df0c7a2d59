#include "core/MarkOrder.h"

#include <algorithm>
#include <tuple>
#include <vector>

std::uint64_t ApplySortOrder(std::uint64_t key, int sortOrder) {
    if (sortOrder != 1)
        return key;
    const auto high = static_cast<std::uint32_t>(key >> 32);
    const std::uint32_t rearranged = ((high & 0xffu) << 24) | ((high >> 22) << 14);
    return (std::uint64_t{rearranged} << 32) | (key & 0xffffffffu);
}

CKeyedMark WithSortKey(const CMark& mark) {
    return {mark.GetSortKey(), mark};
}

bool IsBeforeInMarkOrder(const CMark& a, std::uint64_t keyA, const CMark& b, std::uint64_t keyB) {
    auto fields = [](const CMark& m, std::uint64_t key) {
        return std::make_tuple(key, m.GetRegisterCode(), m.GetRecordNumber(), m.GetSection(),
                               m.IsDuplicate(), m.GetSearchId());
    };
    return fields(a, keyA) < fields(b, keyB);
}

void SortInMarkOrder(std::span<CMark> marks) {
    std::vector<CKeyedMark> keyed;
    keyed.reserve(marks.size());
    for (const CMark& mark : marks)
        keyed.push_back(WithSortKey(mark));
    std::stable_sort(keyed.begin(), keyed.end(), [](const CKeyedMark& a, const CKeyedMark& b) {
        return IsBeforeInMarkOrder(a.mark, a.key, b.mark, b.key);
    });
    std::transform(keyed.begin(), keyed.end(), marks.begin(),
                   [](const CKeyedMark& k) { return k.mark; });
}
