#pragma once
// Page text for the parsers, which read 8-bit Windows-1252 text as the registers' records hold
// it: a body declared UTF-8 is converted first.

#include <string>
#include <string_view>

// UTF-8 as Windows-1252: a character the code page has becomes its byte, any other its decimal
// reference ("&#937;"); a byte that starts no valid sequence is kept as it is.
std::string Utf8ToWindows1252(std::string_view utf8);

// The charset a Content-Type value names ("text/html; charset=UTF-8" gives "UTF-8"), "" when none.
std::string CharsetOfContentType(std::string_view contentType);

// Whether the body is UTF-8 by its declaration: the Content-Type's charset when it names one,
// else a byte-order mark, else a meta tag in the first 1024 bytes (charset, or http-equiv
// Content-Type with a charset in its content).
bool IsDeclaredUtf8(std::string_view body, std::string_view contentType);

// The body as the parsers read it: converted (without its byte-order mark) when declared UTF-8,
// else unchanged.
std::string PageTextOfBody(std::string body, std::string_view contentType);
