#pragma once
// Sorting many marks by their packed keys (MarkOrder.h): the keys of a batch are packed in a
// layout fitted to it and sorted by a radix sort over the bits in which they differ, or by a
// plain sort when there are only a few.

#include "core/LargeArrayAllocator.h"
#include "core/MarkOrder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>

// Below this many keys the plain sort is faster.
inline constexpr std::size_t kRadixSortFrom = 64;
// Digits of at most this many bits, so that their counts stay in the first-level cache.
inline constexpr unsigned kMaxDigitBits = 12;

// Some bits of a key, from a given bit up, as a digit of the radix sort.
template <std::size_t W>
class TKeyDigit {
public:
    TKeyDigit(unsigned lowBit, unsigned bits)
        : word_(W - 1 - lowBit / 64), shift_(lowBit % 64), mask_((1u << bits) - 1) {}

    unsigned Of(const TMarkKey<W>& key) const {
        std::uint64_t value = key[word_] >> shift_;
        if constexpr (W > 1) {
            if (shift_ != 0 && word_ > 0)
                value |= key[word_ - 1] << (64 - shift_);
        }
        return static_cast<unsigned>(value) & mask_;
    }

private:
    std::size_t word_;
    unsigned shift_;
    unsigned mask_;
};

// The highest bit below bitLimit in which some of the keys differ; none when they agree on all.
template <std::size_t W>
std::optional<unsigned> HighestDifferingBit(std::span<const TMarkKey<W>> keys, unsigned bitLimit) {
    TMarkKey<W> anySet{}, allSet;
    allSet.fill(~std::uint64_t{0});
    for (const TMarkKey<W>& key : keys) {
        for (std::size_t word = 0; word < W; ++word) {
            anySet[word] |= key[word];
            allSet[word] &= key[word];
        }
    }
    for (std::size_t word = 0; word < W; ++word) {
        const unsigned wordLow = static_cast<unsigned>(64 * (W - 1 - word));
        if (bitLimit <= wordLow)
            continue;
        std::uint64_t differing = anySet[word] ^ allSet[word];
        if (bitLimit - wordLow < 64)
            differing &= (std::uint64_t{1} << (bitLimit - wordLow)) - 1;
        if (differing != 0)
            return wordLow + static_cast<unsigned>(std::bit_width(differing)) - 1;
    }
    return std::nullopt;
}

// Sorts the keys, which agree on every bit from bitLimit up, using spare (as many keys) as
// scratch space: a radix sort, most significant digit first. Each pass splits the keys by the
// bits just below the highest one in which they differ, into buckets of about eight keys, so
// that the first pass leaves buckets that fit in the cache and the next ones finish them there.
template <std::size_t W>
void SortKeysBelow(std::span<TMarkKey<W>> keys, std::span<TMarkKey<W>> spare, unsigned bitLimit) {
    if (keys.size() < kRadixSortFrom) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    const std::optional<unsigned> top = HighestDifferingBit<W>(keys, bitLimit);
    if (!top)
        return;
    const unsigned bits =
        std::min({kMaxDigitBits, *top + 1, static_cast<unsigned>(std::bit_width(keys.size() / 8))});
    const unsigned lowBit = *top + 1 - bits;
    const TKeyDigit<W> digit(lowBit, bits);
    // Counted, then the start of each bucket, then, once the keys are placed, its end.
    std::array<std::uint32_t, std::size_t{1} << kMaxDigitBits> bounds;
    const std::size_t buckets = std::size_t{1} << bits;
    std::fill_n(bounds.begin(), buckets, 0);
    for (const TMarkKey<W>& key : keys)
        ++bounds[digit.Of(key)];
    std::uint32_t start = 0;
    for (std::size_t d = 0; d < buckets; ++d)
        start += std::exchange(bounds[d], start);
    for (const TMarkKey<W>& key : keys)
        spare[bounds[digit.Of(key)]++] = key;
    for (std::size_t d = 0, begin = 0; d < buckets; begin = bounds[d++]) {
        const std::size_t size = bounds[d] - begin;
        SortKeysBelow(spare.subspan(begin, size), keys.subspan(begin, size), lowBit);
    }
    std::copy(spare.begin(), spare.end(), keys.begin());
}

// Ascending: a radix sort over the bits in which the keys differ, or a plain sort for a few.
// At most 2^32 - 1 keys.
template <std::size_t W>
void SortMarkKeys(TLargeArray<TMarkKey<W>>& keys) {
    TLargeArray<TMarkKey<W>> spare(keys.size() < kRadixSortFrom ? 0 : keys.size());
    SortKeysBelow<W>({keys.begin(), keys.size()}, {spare.begin(), spare.size()}, 64 * W);
}

// Calls use(std::integral_constant<std::size_t, W>) for the word count W of a layout's keys.
template <class Use>
decltype(auto) WithKeyWords(std::size_t words, Use&& use) {
    switch (words) {
    case 1:
        return use(std::integral_constant<std::size_t, 1>());
    case 2:
        return use(std::integral_constant<std::size_t, 2>());
    case 3:
        return use(std::integral_constant<std::size_t, 3>());
    default:
        return use(std::integral_constant<std::size_t, kMaxMarkKeyWords>());
    }
}

// Packs the marks that forEachMark hands out, in a layout fitted to them, sorts their keys and
// returns use(layout, keys), keys being a const TLargeArray<TMarkKey<W>>. forEachMark(visit)
// calls visit(mark) for each of count marks, the same marks in the same order every time.
template <class ForEachMark, class Use>
decltype(auto) WithSortedMarkKeys(std::size_t count, const ForEachMark& forEachMark, Use&& use) {
    const CMarkKeys keyOf;
    TLargeArray<std::uint64_t> registerKeys(count);
    CMarkKeyLayout::CFit fit;
    std::size_t next = 0;
    forEachMark([&](const CMark& mark) {
        registerKeys[next] = keyOf(mark);
        fit.Include(mark, registerKeys[next++]);
    });
    const CMarkKeyLayout layout(fit);
    return WithKeyWords(layout.GetWords(), [&](auto words) -> decltype(auto) {
        constexpr std::size_t W = decltype(words)::value;
        TLargeArray<TMarkKey<W>> keys(count);
        std::size_t index = 0;
        forEachMark([&](const CMark& mark) {
            keys[index] = layout.Pack<W>(mark, registerKeys[index]);
            ++index;
        });
        registerKeys = {};
        SortMarkKeys(keys);
        return use(layout, std::as_const(keys));
    });
}

// A forEachMark over the marks of a span.
inline auto VisitEach(std::span<const CMark> marks) {
    return [marks](auto&& visit) {
        for (const CMark& mark : marks)
            visit(mark);
    };
}
