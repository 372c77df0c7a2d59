#pragma once
// The texts of web-defined registers come as templates in the report template language,
// expanded over the fields of a mark's record:
//   [[NAME]]                      the field (names match exactly; "" when absent)
//   [[?NAME]]...[[]]              the enclosed part when the field is not empty
//   [[?NAME=value]]...[[]]        ... when the field equals the value, ignoring case
//   [[!NAME]]... [[!NAME=value]]  the same, negated
// Tests nest. A closing [[]] without an open test, and a test never closed, are harmless.

#include "core/ZrData.h"

#include <string>
#include <string_view>
#include <vector>

std::string ExpandTemplate(std::string_view layoutTemplate, const CZrData& record);

// The items of a layout text split at "|": blanks and tabs before an item are dropped, those at
// its end kept, and an empty item keeps its place.
std::vector<std::string> SplitLayoutItems(std::string_view text);
