#pragma once
// The one order of every mark list: the register's sort key, then the section, a group head
// before its duplicates, then the search id. Records whose keys coincide (a register's key drops
// some record-number bits) are told apart by register code and record number right after the
// key, so that the marks of one record always stand together and groups stay contiguous.

#include "core/Mark.h"

#include <cstdint>
#include <span>

// SortOrder 1 moves the low byte of the key's high word to the top and bits 22-31 below it,
// dropping bits 8-21; any other value leaves the key alone.
std::uint64_t ApplySortOrder(std::uint64_t key, int sortOrder);

// A mark with its key fetched once, for sorting and merging many marks.
struct CKeyedMark {
    std::uint64_t key;
    CMark mark;
};

CKeyedMark WithSortKey(const CMark& mark);

// The mark order on marks whose keys are known.
bool IsBeforeInMarkOrder(const CMark& a, std::uint64_t keyA, const CMark& b, std::uint64_t keyB);

// Sorts in mark order; marks that compare equal keep their relative order.
void SortInMarkOrder(std::span<CMark> marks);
