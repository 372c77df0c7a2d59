#pragma once
// The order of a string finder's list, chosen by the finder mode: by code (Vienna by code), by
// text (word index), deepest hit first (word finder), or by words from the entry's position on
// (every other mode). Entries carry what the order compares, worked out once when they enter a
// cursor's window.

#include "core/FoundString.h"

#include <string>

struct CKeyedString {
    CFoundString entry;
    // The modes ordered by words: the sort key below; the others: the text in lower case.
    std::string key;
};

// The words of the text from the position on, then the words before it, and after a 0x01 byte
// the same two parts in capitals with their accents, so that entries sort by their words first
// and only then by their exact characters. A negative position counts as 0.
std::string MakeFinderSortKey(const CFoundString& entry);

class CFinderOrder {
public:
    static constexpr int kViennaByCode = 3;
    static constexpr int kWordIndex = 4;
    static constexpr int kWordFinder = 5;

    explicit CFinderOrder(int mode) : mode_(mode) {}

    int GetMode() const { return mode_; }
    CKeyedString MakeKeyed(CFoundString entry) const;
    // Negative, zero or positive as a goes before, with or after b.
    int Compare(const CKeyedString& a, const CKeyedString& b) const;

private:
    int mode_;
};
