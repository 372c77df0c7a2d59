#pragma once
// The one order of every mark list: the register's sort key, then the section, a group head
// before its duplicates, then the search id. Records whose keys coincide (a register's key drops
// some record-number bits) are told apart by register code and record number right after the
// key, so that the marks of one record always stand together and groups stay contiguous. Marks
// equal in the order are sorted by application number and flags, so that what a sort makes of
// them does not depend on how it sorts.
//
// Sorts go through packed keys: each field is offset by its lowest value among the marks at hand
// and given just the bits its spread needs, and the fields are packed, most significant first,
// into an unsigned number of one to four 64-bit words, which a radix sort orders by their bits.

#include "core/CoreServices.h"
#include "core/Mark.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>

// SortOrder 1 moves the low byte of the key's high word to the top and bits 22-31 below it,
// dropping bits 8-21; any other value leaves the key alone.
inline std::uint64_t ApplySortOrder(std::uint64_t key, int sortOrder) {
    if (sortOrder != 1)
        return key;
    const auto high = static_cast<std::uint32_t>(key >> 32);
    const std::uint32_t rearranged = ((high & 0xffu) << 24) | ((high >> 22) << 14);
    return (std::uint64_t{rearranged} << 32) | (key & 0xffffffffu);
}

// Fetches sort keys for many marks with the settings read once, those of one register's records
// in one call for many of them.
class CMarkKeys {
public:
    // Marks whose keys the ForEach functions fetch at once: few enough for the first-level cache.
    static constexpr std::size_t kChunk = 256;

    CMarkKeys();
    std::uint64_t operator()(const CMark& mark) const {
        return ApplySortOrder(registers_.GetMarkKey(mark), sortOrder_);
    }
    // keys[i] for the mark of recordNumbers[i] in the register; both of one size.
    void operator()(int registerCode, std::span<const std::uint32_t> recordNumbers,
                    std::span<std::uint64_t> keys) const {
        registers_.GetMarkKeys(registerCode, recordNumbers, keys);
        if (sortOrder_ == 1) {
            for (std::uint64_t& key : keys)
                key = ApplySortOrder(key, sortOrder_);
        }
    }

    // Calls visit(recordNumber, key) for each record of the register, in order.
    template <class Visit>
    void ForEachRecord(int registerCode, std::span<const std::uint32_t> recordNumbers,
                       Visit&& visit) const {
        std::array<std::uint64_t, kChunk> keys;
        for (std::size_t begin = 0; begin < recordNumbers.size(); begin += kChunk) {
            const std::span<const std::uint32_t> chunk =
                recordNumbers.subspan(begin, std::min(kChunk, recordNumbers.size() - begin));
            (*this)(registerCode, chunk, {keys.data(), chunk.size()});
            for (std::size_t i = 0; i < chunk.size(); ++i)
                visit(chunk[i], keys[i]);
        }
    }

    // Calls visit(mark, key) for each mark, in order.
    template <class Visit>
    void ForEachMark(std::span<const CMark> marks, Visit&& visit) const {
        std::array<std::uint32_t, kChunk> records;
        std::array<std::uint64_t, kChunk> keys;
        for (std::size_t begin = 0, end = 0; begin < marks.size(); begin = end) {
            // A run of marks of one register, as sorted marks mostly come.
            const int registerCode = marks[begin].GetRegisterCode();
            for (; end < marks.size() && end - begin < kChunk &&
                   marks[end].GetRegisterCode() == registerCode;
                 ++end)
                records[end - begin] = marks[end].GetRecordNumber();
            (*this)(registerCode, {records.data(), end - begin}, {keys.data(), end - begin});
            for (std::size_t i = begin; i < end; ++i)
                visit(marks[i], keys[i - begin]);
        }
    }

private:
    const IRegisterServices& registers_;
    int sortOrder_;
};

// The fields of a mark with its register key by weight, those of the mark order first, each as
// an unsigned number that orders as the field does: the one definition of the order, which
// packed keys follow.
class CMarkFields {
public:
    enum Field : std::size_t {
        kRegisterKey,
        kRegisterCode,
        kRecordNumber,
        kSection,
        kDuplicate,
        kSearchId,
        kOrderFieldCount,
        // What orders marks equal in the mark order.
        kAppNumber = kOrderFieldCount,
        kFlags,
        kFieldCount
    };
    using CValues = std::array<std::uint64_t, kFieldCount>;

    static CValues Of(const CMark& mark, std::uint64_t registerKey) {
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
    static int Signed(std::uint64_t value) {
        return static_cast<int>(static_cast<std::uint32_t>(value) ^ 0x80000000u);
    }

    // The mark order.
    static bool IsBefore(const CValues& a, const CValues& b) {
        return std::lexicographical_compare(a.begin(), a.begin() + kOrderFieldCount, b.begin(),
                                            b.begin() + kOrderFieldCount);
    }

private:
    static std::uint64_t Unsigned(int value) {
        return static_cast<std::uint32_t>(value) ^ 0x80000000u;
    }
    // The order has compared the duplicate flag already; squeezed out, the rest of the flags fit
    // in 31 bits and every field in four words.
    static std::uint64_t WithoutDuplicateBit(std::uint32_t flags) {
        return ((flags >> 3) << 2) | (flags & 3);
    }
};

// A packed key, its most significant word first, so that keys compare as their numbers do.
template <std::size_t Words>
using TMarkKey = std::array<std::uint64_t, Words>;
inline constexpr std::size_t kMaxMarkKeyWords = 4;

// How the marks at hand are packed into keys. Fitted to them, it packs and unpacks each of them
// exactly; their keys order as the marks do, those equal in the mark order by what orders them.
class CMarkKeyLayout {
    using Field = CMarkFields::Field;
    using CValues = CMarkFields::CValues;
    static constexpr std::size_t kFieldCount = CMarkFields::kFieldCount;

    struct CSlot {
        // The field's lowest fitted value, which packs as 0.
        std::uint64_t low = 0;
        // Bits of the field, and ones in as many low bits.
        unsigned width = 0;
        std::uint64_t mask = 0;
        // The word of the key that holds the field's lowest bit, how far up it sits there, and
        // whether the field runs on into the word above.
        std::size_t word = 0;
        unsigned shift = 0;
        bool crossesWord = false;
    };

public:
    // The spread of every field over the marks to fit.
    class CFit {
    public:
        void Include(const CMark& mark, std::uint64_t registerKey) {
            const CValues values = CMarkFields::Of(mark, registerKey);
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

    // Words of the keys, 1 to kMaxMarkKeyWords: the W of every TMarkKey<W> below.
    std::size_t GetWords() const { return words_; }

    // Only the fields that vary among the fitted marks take bits; the others are their one value.
    template <std::size_t W>
    TMarkKey<W> Pack(const CMark& mark, std::uint64_t registerKey) const {
        const CValues values = CMarkFields::Of(mark, registerKey);
        TMarkKey<W> key{};
        for (std::size_t i = 0; i < varyingCount_; ++i) {
            const CSlot& slot = slots_[varying_[i]];
            Put(key, slot, values[varying_[i]] - slot.low);
        }
        return key;
    }

    template <std::size_t W>
    CMark Unpack(const TMarkKey<W>& key) const {
        if (onlyRecordsVary_) {
            // As among the hits of a search: the rest of every mark is that of the lowest.
            CMark mark = lowest_;
            mark.SetRegisterCode(CMarkFields::Signed(ValueOf(key, CMarkFields::kRegisterCode)));
            mark.SetRecordNumber(
                static_cast<std::uint32_t>(ValueOf(key, CMarkFields::kRecordNumber)));
            return mark;
        }
        CValues values = lows_;
        // A mark has no register key: that field, the first to vary when it does, is skipped.
        for (std::size_t i = markFieldsFrom_; i < varyingCount_; ++i)
            values[varying_[i]] += Get(key, slots_[varying_[i]]);
        return CMarkFields::MarkOf(values);
    }

    // The register key of a packed mark.
    template <std::size_t W>
    std::uint64_t RegisterKeyOf(const TMarkKey<W>& key) const {
        return ValueOf(key, CMarkFields::kRegisterKey);
    }

    // Packs marks that are like a given one but for their record numbers and register keys, as
    // the hits of one register are: what they share is packed once.
    template <std::size_t W>
    class TRecordPacker {
    public:
        TMarkKey<W> operator()(std::uint32_t recordNumber, std::uint64_t registerKey) const {
            TMarkKey<W> key = shared_;
            Put(key, registerKey_, registerKey - registerKey_.low);
            Put(key, recordNumber_, recordNumber - recordNumber_.low);
            return key;
        }

    private:
        friend class CMarkKeyLayout;
        TRecordPacker(const TMarkKey<W>& shared, const CSlot& registerKey,
                      const CSlot& recordNumber)
            : shared_(shared), registerKey_(registerKey), recordNumber_(recordNumber) {}

        TMarkKey<W> shared_;
        CSlot registerKey_;
        CSlot recordNumber_;
    };
    template <std::size_t W>
    TRecordPacker<W> RecordPacker(CMark like) const {
        const CSlot& recordNumber = slots_[CMarkFields::kRecordNumber];
        const CSlot& registerKey = slots_[CMarkFields::kRegisterKey];
        like.SetRecordNumber(static_cast<std::uint32_t>(recordNumber.low));
        return {Pack<W>(like, registerKey.low), registerKey, recordNumber};
    }

private:
    static std::uint64_t LowBits(unsigned count) {
        return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
    }

    // Every word takes its part, if only a zero: a word chosen at run time would keep the key in
    // memory, and the key read back whole right after its words were written stalls the
    // processor on every mark.
    template <std::size_t W>
    static void Put(TMarkKey<W>& key, const CSlot& slot, std::uint64_t code) {
        const std::uint64_t low = code << slot.shift;
        const std::uint64_t high = W > 1 && slot.crossesWord ? code >> (64 - slot.shift) : 0;
        for (std::size_t word = 0; word < W; ++word)
            key[word] |= word == slot.word ? low : word + 1 == slot.word ? high : 0;
    }

    template <std::size_t W>
    static std::uint64_t Get(const TMarkKey<W>& key, const CSlot& slot) {
        std::uint64_t code = key[slot.word] >> slot.shift;
        if (W > 1 && slot.crossesWord)
            code |= key[slot.word - 1] << (64 - slot.shift);
        return code & slot.mask;
    }

    template <std::size_t W>
    std::uint64_t ValueOf(const TMarkKey<W>& key, Field field) const {
        return slots_[field].low + Get(key, slots_[field]);
    }

    std::array<CSlot, kFieldCount> slots_;
    // The lowest fitted value of every field, the value of those that do not vary, and the mark
    // of them all.
    CValues lows_{};
    CMark lowest_;
    // Whether the fitted marks differ in register code and record number only, besides the
    // register key.
    bool onlyRecordsVary_ = true;
    // The fields with bits, most significant first; from markFieldsFrom_ on those of the mark.
    std::array<std::uint8_t, kFieldCount> varying_{};
    std::size_t varyingCount_ = 0;
    std::size_t markFieldsFrom_ = 0;
    std::size_t words_ = 1;
};

// The mark order; see above.
bool IsBeforeInMarkOrder(const CMark& a, const CMark& b);

// Sorts in mark order; marks equal in it by application number and flags.
void SortInMarkOrder(std::span<CMark> marks);
