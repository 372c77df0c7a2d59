#pragma once
// Owner (proprietor) names with their address lines, backslash-separated and in Windows-1252,
// brought into one house style so that names from different registers compare equal: case,
// company forms, brackets, punctuation and, on request, the country code of the last line.

#include <string>
#include <string_view>

// The longest text normalised; the rest of a longer one is dropped.
inline constexpr std::size_t kMaxOwnerNameLength = 16381;

std::string NormaliseOwnerName(std::string_view text, bool expandCountry);
