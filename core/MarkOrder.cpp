#include "core/MarkOrder.h"

#include "core/MarkSort.h"
#include "core/UserOptions.h"

CMarkKeys::CMarkKeys()
    : registers_(GetRegisterServices()), sortOrder_(TheUserOptions().GetSortOrder()) {}

CMarkKeyLayout::CMarkKeyLayout(const CFit& fit) {
    unsigned position = 0;
    for (std::size_t field = kFieldCount; field-- > 0;) {
        CSlot& slot = slots_[field];
        slot.low = fit.low_[field];
        slot.high = fit.high_[field];
        // Probes take the duplicate flag, whatever the fitted marks carry.
        if (field == kDuplicate) {
            slot.low = 0;
            slot.high = 1;
        }
        slot.width = static_cast<unsigned>(std::bit_width(slot.high - slot.low));
        slot.mask = LowBits(slot.width);
        slot.position = position;
        position += slot.width;
        if (field == kAppNumber)
            tieBits_ = position;
        lows_[field] = slot.low;
    }
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        // The duplicate flag has its bit for probes even where no fitted mark is a duplicate.
        if (fit.high_[field] == slots_[field].low)
            continue;
        varying_[varyingCount_++] = static_cast<std::uint8_t>(field);
        if (field != kRegisterKey && field != kRegisterCode && field != kRecordNumber)
            onlyRecordsVary_ = false;
    }
    lowest_ = MarkOf(lows_);
    markFieldsFrom_ = slots_[kRegisterKey].width > 0 ? 1 : 0;
    words_ = std::max<std::size_t>(1, (position + 63) / 64);
}

bool IsBeforeInMarkOrder(const CMark& a, const CMark& b) {
    const CMarkKeys keyOf;
    const std::uint64_t keyA = keyOf(a), keyB = keyOf(b);
    CMarkKeyLayout::CFit fit;
    fit.Include(a, keyA);
    fit.Include(b, keyB);
    const CMarkKeyLayout layout(fit);
    return layout.IsBefore(layout.Pack<kMaxMarkKeyWords>(a, keyA),
                           layout.Pack<kMaxMarkKeyWords>(b, keyB));
}

void SortInMarkOrder(std::span<CMark> marks) {
    WithSortedMarkKeys(
        CMarkSource(marks),
        [&]<std::size_t W>(const CMarkKeyLayout& layout, const TLargeArray<TMarkKey<W>>& keys) {
            std::transform(keys.begin(), keys.end(), marks.begin(),
                           [&](const TMarkKey<W>& key) { return layout.Unpack(key); });
        });
}
