#pragma once
// The bytes of marks on the clipboard and in drag and drop, in the program's private format
// "ZrMarks": the number of marks as a 32-bit word, then each mark's record (MarkRecord.h).

#include "core/Mark.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kZrMarksFormat = "ZrMarks";

std::string EncodeClipboardMarks(std::span<const CMark> marks);
// Appends the marks, flags as stored. Data shorter than its count says, or with a count below
// 0, throws a CTextException; bytes after the last mark are ignored (clipboard blocks may be
// rounded up).
void DecodeClipboardMarks(std::string_view data, std::vector<CMark>& marks);
