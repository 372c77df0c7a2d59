#pragma once
// Text helpers of the details-page parsers and the comparers (8-bit Windows-1252 text).

#include <string>
#include <string_view>

// The text without any of the characters at either end.
std::string_view TrimChars(std::string_view text, std::string_view characters);
// The text without any of the characters at its end.
std::string_view TrimEnd(std::string_view text, std::string_view characters);
// Whether the part occurs in the text, ignoring case.
bool ContainsNoCase(std::string_view text, std::string_view part);
// Whether the text ends in the suffix, ignoring case.
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
// Appends the piece, with one blank before it when the text is not empty and does not already
// end in a blank or a line feed.
void AppendSpaced(std::string& text, std::string_view piece);
