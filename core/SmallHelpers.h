#pragma once
// Small helpers shared across subsystems: hexadecimal digits of the colour settings, the
// machine's host name sent to the repositories and the replacing of texts in a text.

#include <string>
#include <string_view>

// 0-9 for '0'-'9', 10-15 for 'A'-'F' and 'a'-'f', 0 for any other character.
int HexDigitValue(char c);

// The value in upper-case hexadecimal without leading zeros ("%X"): 255 -> "FF", -1 -> "FFFFFFFF".
std::string FormatHex(int value);

// The machine's host name; empty when the system does not tell.
std::string GetHostName();

// Every `from` in the text replaced by `to`, left to right; the text as it is for an empty `from`.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
