#pragma once
// Small helpers shared across subsystems: hexadecimal digits of the colour settings and the
// machine's host name sent to the repositories.

#include <string>

// 0-9 for '0'-'9', 10-15 for 'A'-'F' and 'a'-'f', 0 for any other character.
int HexDigitValue(char c);

// The value in upper-case hexadecimal without leading zeros ("%X"): 255 -> "FF", -1 -> "FFFFFFFF".
std::string FormatHex(int value);

// The machine's host name; empty when the system does not tell.
std::string GetHostName();
