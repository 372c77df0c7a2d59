#pragma once
// A mark as the examination file and the clipboard store it: six 32-bit little-endian words in
// the order of the mark's fields (record number, register code, application number, search id,
// section, flags).

#include "core/Mark.h"

#include <cstddef>

class CBinaryReader;
class CBinaryWriter;

inline constexpr std::size_t kMarkRecordSize = 24;
// Ids, run orders and sections above this are taken for damage: real examinations stay far
// below it, and arithmetic on them cannot overflow.
inline constexpr int kMaxStoredNumber = 0x3fffffff;

// The caller has checked that the record lies within the data.
CMark ReadMarkRecord(const CBinaryReader& in, std::size_t offset);
void WriteMarkRecord(CBinaryWriter& out, const CMark& mark);
