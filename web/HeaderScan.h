#pragma once
// Values read from a response's raw headers (CR LF separated lines). CRs are dropped, a line ends
// at LF, and a last line without LF is not examined.

#include "web/NameValuePairs.h"

#include <string>
#include <string_view>

// The value of the first header line whose name is `name` (ignoring case), blanks after the
// colon skipped; "" when there is none.
std::string ScanHeader(std::string_view headers, std::string_view name);

// The (name, value) of every Set-Cookie line in order, attributes after ";" dropped; pairs with
// an empty name are skipped, duplicates kept.
NameValuePairs ScanSetCookies(std::string_view headers);
