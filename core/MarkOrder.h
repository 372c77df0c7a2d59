#pragma once
// The one order of every mark list: the register's sort key, then the section, a group head
// before its duplicates, then the search id. Records whose keys coincide (a register's key drops
// some record-number bits) are told apart by register code and record number right after the
// key, so that the marks of one record always stand together and groups stay contiguous. Marks
// equal in the order are sorted by application number and flags, so that what a sort makes of
// them does not depend on how it sorts.
//
// Marks are compared through packed keys: each field is offset by its lowest value among the
// marks at hand and given just the bits its spread needs, and the fields are packed, most
// significant first, into an unsigned number of one to four 64-bit words. One comparison of two
// such numbers, or a radix sort over their bits, then decides.

#include "core/CoreServices.h"
#include "core/Mark.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>

// SortOrder 1 moves the low byte of the key's high word to the top and bits 22-31 below it,
// dropping bits 8-21; any other value leaves the key alone.
inline std::uint64_t ApplySortOrder(std::uint64_t key, int sortOrder) {
    if (sortOrder != 1)
        return key;
    const auto high = static_cast<std::uint32_t>(key >> 32);
    const std::uint32_t rearranged = ((high & 0xffu) << 24) | ((high >> 22) << 14);
    return (std::uint64_t{rearranged} << 32) | (key & 0xffffffffu);
}

// Fetches sort keys for many marks with the settings read once.
class CMarkKeys {
public:
    CMarkKeys();
    std::uint64_t operator()(const CMark& mark) const {
        return ApplySortOrder(registers_.GetMarkKey(mark), sortOrder_);
    }

private:
    const IRegisterServices& registers_;
    int sortOrder_;
};

// A packed key, its most significant word first, so that keys compare as their numbers do.
template <std::size_t Words>
using TMarkKey = std::array<std::uint64_t, Words>;
inline constexpr std::size_t kMaxMarkKeyWords = 4;

// How the marks at hand are packed into keys. Fitted to them, it packs and unpacks each of them
// exactly, and it places any other mark among their keys.
class CMarkKeyLayout {
    // The fields by weight: those of the mark order, then those that order marks equal in it.
    enum Field : std::size_t {
        kRegisterKey,
        kRegisterCode,
        kRecordNumber,
        kSection,
        kDuplicate,
        kSearchId,
        kOrderFieldCount,
        kAppNumber = kOrderFieldCount,
        kFlags,
        kFieldCount
    };
    using CValues = std::array<std::uint64_t, kFieldCount>;

public:
    // The spread of every field over the marks to fit.
    class CFit {
    public:
        void Include(const CMark& mark, std::uint64_t registerKey) {
            const CValues values = ValuesOf(mark, registerKey);
            if (empty_) {
                low_ = high_ = values;
                empty_ = false;
                return;
            }
            for (std::size_t field = 0; field < kFieldCount; ++field) {
                low_[field] = std::min(low_[field], values[field]);
                high_[field] = std::max(high_[field], values[field]);
            }
        }

    private:
        friend class CMarkKeyLayout;
        bool empty_ = true;
        CValues low_{};
        CValues high_{};
    };

    explicit CMarkKeyLayout(const CFit& fit);

    // Words of the keys, 1 to kMaxMarkKeyWords. Any word count from there up holds them too.
    std::size_t GetWords() const { return words_; }

    template <std::size_t W>
    TMarkKey<W> Pack(const CMark& mark, std::uint64_t registerKey) const {
        const CValues values = ValuesOf(mark, registerKey);
        TMarkKey<W> key{};
        ForEachField(
            [&](auto field) { Put(key, slots_[field], values[field] - slots_[field].low); });
        return key;
    }

    template <std::size_t W>
    CMark Unpack(const TMarkKey<W>& key) const {
        CValues values;
        ForEachField(
            [&](auto field) { values[field] = slots_[field].low + Get(key, slots_[field]); });
        return MarkOf(values);
    }

    // The key of the packed mark taken as a duplicate. A mark of a list goes before the new mark
    // when its place is not above this: behind it come the new mark's group head and the group's
    // duplicates of searches not above the new mark's.
    template <std::size_t W>
    TMarkKey<W> DuplicateProbe(TMarkKey<W> key) const {
        Put(key, slots_[kDuplicate], 1);
        return key;
    }

    // For a mark the layout was not fitted to: a key that compares with the duplicate probe of
    // every fitted mark as the mark does in the mark order (it leaves out what orders marks equal
    // in the order, so equal ones go first). None when the mark is after every key the layout
    // can pack.
    template <std::size_t W>
    std::optional<TMarkKey<W>> Place(const CMark& mark, std::uint64_t registerKey) const {
        const CValues values = ValuesOf(mark, registerKey);
        TMarkKey<W> key{};
        for (std::size_t field = 0; field < kOrderFieldCount; ++field) {
            const CSlot& slot = slots_[field];
            // Out of the fitted spread the field decides: below it the mark goes before every
            // key with the same fields so far, above it after them all.
            if (values[field] < slot.low)
                return key;
            if (values[field] > slot.high)
                return AddPowerOfTwo(key, slot.position + slot.width);
            Put(key, slot, values[field] - slot.low);
        }
        return key;
    }

    // The mark order of two packed marks, without what orders marks equal in it.
    template <std::size_t W>
    bool IsBefore(TMarkKey<W> a, TMarkKey<W> b) const {
        a[W - 1] &= ~LowBits(tieBits_);
        b[W - 1] &= ~LowBits(tieBits_);
        return a < b;
    }

private:
    struct CSlot {
        std::uint64_t low = 0;
        std::uint64_t high = 0;
        // Bits of the field, and where the lowest of them sits counted from the key's lowest.
        unsigned width = 0;
        unsigned position = 0;
    };

    // The one definition of the order: every field as an unsigned number that orders as the
    // field does.
    static CValues ValuesOf(const CMark& mark, std::uint64_t registerKey) {
        return {registerKey,
                Unsigned(mark.GetRegisterCode()),
                mark.GetRecordNumber(),
                Unsigned(mark.GetSection()),
                mark.IsDuplicate() ? 1u : 0u,
                Unsigned(mark.GetSearchId()),
                Unsigned(mark.GetAppNumber()),
                WithoutDuplicateBit(mark.GetFlags())};
    }
    static CMark MarkOf(const CValues& values) {
        const std::uint64_t flags = values[kFlags];
        const std::uint64_t duplicate = values[kDuplicate] != 0 ? CMark::kDuplicate : 0;
        return CMark(static_cast<std::uint32_t>(values[kRecordNumber]),
                     Signed(values[kRegisterCode]), Signed(values[kSection]),
                     Signed(values[kSearchId]), Signed(values[kAppNumber]),
                     static_cast<std::uint32_t>(((flags >> 2) << 3) | duplicate | (flags & 3)));
    }

    static std::uint64_t Unsigned(int value) {
        return static_cast<std::uint32_t>(value) ^ 0x80000000u;
    }
    static int Signed(std::uint64_t value) {
        return static_cast<int>(static_cast<std::uint32_t>(value) ^ 0x80000000u);
    }
    // The order has compared the duplicate flag already; squeezed out, the rest of the flags fit
    // in 31 bits and every field in four words.
    static std::uint64_t WithoutDuplicateBit(std::uint32_t flags) {
        return ((flags >> 3) << 2) | (flags & 3);
    }
    static std::uint64_t LowBits(unsigned count) {
        return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
    }

    // Fields and words by indexes known at compile time, so that keys and values stay in
    // registers instead of being stored piece by piece and read back whole.
    template <class Visit>
    static void ForEachField(Visit&& visit) {
        [&]<std::size_t... Field>(std::index_sequence<Field...>) {
            (visit(std::integral_constant<std::size_t, Field>()), ...);
        }
        (std::make_index_sequence<kFieldCount>());
    }

    template <std::size_t W>
    static void Put(TMarkKey<W>& key, const CSlot& slot, std::uint64_t code) {
        const std::size_t word = W - 1 - slot.position / 64;
        const unsigned shift = slot.position % 64;
        // The bits that cross into the word above; none from a field that fits in one word.
        const std::uint64_t crossing = shift == 0 ? 0 : code >> (64 - shift);
        for (std::size_t i = 0; i < W; ++i) {
            if (i == word)
                key[i] |= code << shift;
            if (i + 1 == word)
                key[i] |= crossing;
        }
    }

    // Reads the key where it lies, which costs less than taking it into registers.
    template <std::size_t W>
    static std::uint64_t Get(const TMarkKey<W>& key, const CSlot& slot) {
        if (slot.width == 0)
            return 0;
        const std::size_t word = W - 1 - slot.position / 64;
        const unsigned shift = slot.position % 64;
        std::uint64_t code = key[word] >> shift;
        if constexpr (W > 1) {
            if (shift != 0 && word > 0)
                code |= key[word - 1] << (64 - shift);
        }
        return code & LowBits(slot.width);
    }

    // key + 2 to the power of bit; none when the sum does not fit.
    template <std::size_t W>
    static std::optional<TMarkKey<W>> AddPowerOfTwo(TMarkKey<W> key, unsigned bit) {
        if (bit >= 64 * W)
            return std::nullopt;
        std::uint64_t carry = std::uint64_t{1} << (bit % 64);
        for (std::size_t word = W - 1 - bit / 64;; --word) {
            key[word] += carry;
            if (key[word] >= carry)
                return key;
            if (word == 0)
                return std::nullopt;
            carry = 1;
        }
    }

    std::array<CSlot, kFieldCount> slots_;
    // Bits of the fields below the mark order, at the bottom of the key.
    unsigned tieBits_ = 0;
    std::size_t words_ = 1;
};

// The mark order; see above.
bool IsBeforeInMarkOrder(const CMark& a, const CMark& b);

// Sorts in mark order; marks equal in it by application number and flags.
void SortInMarkOrder(std::span<CMark> marks);
