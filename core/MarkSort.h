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

// Below this many keys an insertion sort is faster.
inline constexpr std::size_t kRadixSortFrom = 32;
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

// a < b, the words compared one by one, as std::array's operator< would compare them.
template <std::size_t W>
bool IsLess(const TMarkKey<W>& a, const TMarkKey<W>& b) {
    for (std::size_t word = 0; word + 1 < W; ++word) {
        if (a[word] != b[word])
            return a[word] < b[word];
    }
    return a[W - 1] < b[W - 1];
}

// For the few keys of a bucket.
template <std::size_t W>
void InsertionSort(std::span<TMarkKey<W>> keys) {
    for (std::size_t i = 1; i < keys.size(); ++i) {
        const TMarkKey<W> key = keys[i];
        std::size_t j = i;
        for (; j > 0 && IsLess(key, keys[j - 1]); --j)
            keys[j] = keys[j - 1];
        keys[j] = key;
    }
}

// Sorts the keys, which agree on every bit from bitLimit up, into place, or into spare (as many
// keys, its contents undefined) when intoSpare: a radix sort, most significant digit first,
// whose passes move the keys between the two. Each pass splits the keys by the bits just below
// the highest one in which they differ, into buckets of about eight keys, so that the first pass
// leaves buckets that fit in the cache and the next ones finish them there.
template <std::size_t W>
void SortKeysBelow(std::span<TMarkKey<W>> keys, std::span<TMarkKey<W>> spare, unsigned bitLimit,
                   bool intoSpare) {
    const std::optional<unsigned> top =
        keys.size() < kRadixSortFrom ? std::nullopt : HighestDifferingBit<W>(keys, bitLimit);
    if (!top) {
        if (keys.size() < kRadixSortFrom)
            InsertionSort(keys);
        if (intoSpare)
            std::copy(keys.begin(), keys.end(), spare.begin());
        return;
    }
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
    // The keys are in spare now: a bucket sorted into its own place there has reached spare.
    for (std::size_t d = 0, begin = 0; d < buckets; begin = bounds[d++]) {
        const std::size_t size = bounds[d] - begin;
        if (size > 1)
            SortKeysBelow(spare.subspan(begin, size), keys.subspan(begin, size), lowBit,
                          !intoSpare);
        else if (size == 1 && !intoSpare)
            keys[begin] = spare[begin];
    }
}

// Ascending: a radix sort over the bits in which the keys differ, or a plain sort for a few.
// At most 2^32 - 1 keys.
template <std::size_t W>
void SortMarkKeys(TLargeArray<TMarkKey<W>>& keys) {
    TLargeArray<TMarkKey<W>> spare(keys.size() < kRadixSortFrom ? 0 : keys.size());
    SortKeysBelow<W>({keys.begin(), keys.size()}, {spare.begin(), spare.size()}, 64 * W, false);
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

// Packs the marks of a source in a layout fitted to them, sorts their keys and returns
// use(layout, keys), keys being a const TLargeArray<TMarkKey<W>>. A source has GetCount(),
// Fit(CMarkKeyLayout::CFit&) and Pack<W>(layout, TMarkKey<W>* keys), which fit the layout to its
// marks and pack them in one order. Sources fetch register keys a chunk of marks at a time, once
// to fit and again to pack: that costs less than keeping them all between the two.
template <class Source, class Use>
decltype(auto) WithSortedMarkKeys(const Source& source, Use&& use) {
    CMarkKeyLayout::CFit fit;
    source.Fit(fit);
    const CMarkKeyLayout layout(fit);
    return WithKeyWords(layout.GetWords(), [&](auto words) -> decltype(auto) {
        constexpr std::size_t W = decltype(words)::value;
        TLargeArray<TMarkKey<W>> keys(source.GetCount());
        source.template Pack<W>(layout, keys.begin());
        SortMarkKeys(keys);
        return use(layout, std::as_const(keys));
    });
}

// A source of marks given whole.
class CMarkSource {
public:
    explicit CMarkSource(std::span<const CMark> marks) : marks_(marks) {}

    std::size_t GetCount() const { return marks_.size(); }
    void Fit(CMarkKeyLayout::CFit& fit) const {
        keyOf_.ForEachMark(marks_, [&](const CMark& mark, std::uint64_t registerKey) {
            fit.Include(mark, registerKey);
        });
    }
    template <std::size_t W>
    void Pack(const CMarkKeyLayout& layout, TMarkKey<W>* keys) const {
        keyOf_.ForEachMark(marks_, [&](const CMark& mark, std::uint64_t registerKey) {
            *keys++ = layout.Pack<W>(mark, registerKey);
        });
    }

private:
    CMarkKeys keyOf_;
    std::span<const CMark> marks_;
};
