#include "core/MarkOrder.h"

#include "core/MarkSort.h"
#include "core/UserOptions.h"

CMarkKeys::CMarkKeys()
    : registers_(GetRegisterServices()), sortOrder_(TheUserOptions().GetSortOrder()) {}

CMarkKeyLayout::CMarkKeyLayout(const CFit& fit) : lows_(fit.low_) {
    // Bits counted from the key's lowest; the fields go in from the least significant.
    std::array<unsigned, kFieldCount> positions;
    unsigned position = 0;
    for (std::size_t field = kFieldCount; field-- > 0;) {
        CSlot& slot = slots_[field];
        slot.low = fit.low_[field];
        slot.width = static_cast<unsigned>(std::bit_width(fit.high_[field] - slot.low));
        slot.mask = LowBits(slot.width);
        positions[field] = position;
        position += slot.width;
    }
    words_ = std::max<std::size_t>(1, (position + 63) / 64);
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        CSlot& slot = slots_[field];
        // A field without bits may sit above the highest word; it reads and writes nothing.
        if (slot.width == 0)
            continue;
        slot.word = words_ - 1 - positions[field] / 64;
        slot.shift = positions[field] % 64;
        slot.crossesWord = slot.shift + slot.width > 64;
        varying_[varyingCount_++] = static_cast<std::uint8_t>(field);
        if (field != CMarkFields::kRegisterKey && field != CMarkFields::kRegisterCode &&
            field != CMarkFields::kRecordNumber)
            onlyRecordsVary_ = false;
    }
    lowest_ = CMarkFields::MarkOf(lows_);
    markFieldsFrom_ = slots_[CMarkFields::kRegisterKey].width > 0 ? 1 : 0;
}

bool IsBeforeInMarkOrder(const CMark& a, const CMark& b) {
    const CMarkKeys keyOf;
    return CMarkFields::IsBefore(CMarkFields::Of(a, keyOf(a)), CMarkFields::Of(b, keyOf(b)));
}

void SortInMarkOrder(std::span<CMark> marks) {
    WithSortedMarkKeys(
        CMarkSource(marks),
        [&]<std::size_t W>(const CMarkKeyLayout& layout, const TLargeArray<TMarkKey<W>>& keys) {
            std::transform(keys.begin(), keys.end(), marks.begin(),
                           [&](const TMarkKey<W>& key) { return layout.Unpack(key); });
        });
}
