#pragma once
// Form urlencoding, percent-encoding of values placed in a path, and the parameters of a query.

#include "web/NameValuePairs.h"

#include <string>
#include <string_view>

// Letters, digits and $ - _ @ . ! * ( ) , are kept, a blank becomes "+", every other byte "%xx"
// (lower-case hexadecimal).
std::string UrlEncode(std::string_view text);

// "+" becomes a blank and "%" with two hexadecimal digits that byte; a "%" without them stays.
// A decoded control character (0-31) is written back as "%xx", so that none ever comes out.
std::string UrlDecode(std::string_view text);

// A value from a record placed in a path: every byte other than letters, digits, "-", ".", "_",
// "~" and (when kept) "/" becomes "%XX", so that the value can never change the address's
// structure (query, fragment, host).
std::string EncodePathValue(std::string_view text, bool keepSlashes = false);

// The (name, value) pairs of the query of a URL text (after its first "?"), split at "&" and
// the first "=" of each part, both raw; parts with an empty name are dropped.
NameValuePairs ParseQuery(std::string_view url);

// The first query parameter of the URL text whose name equals `name` ignoring case, urldecoded.
bool GetUrlParam(std::string_view url, std::string_view name, std::string& value);
