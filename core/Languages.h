#pragma once
// The languages a record text may be asked for in, by their codes.

#include <string>
#include <vector>

// The codes offered, in the order they are offered.
const std::vector<int>& GetLanguageCodes();
// The language's English name; empty for a code without one.
std::string GetLanguageName(int code);
