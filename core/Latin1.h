#pragma once
// Character classes of Windows-1252 text (the Western record text) and trimming of white space.

#include <string>
#include <string_view>

// Tab, line feed, carriage return, blank and the no-break space (160).
bool IsWhiteChar(char c);

// A-Z, a-z and the accented and other letters of Windows-1252.
bool IsAlphaLatin1(char c);
bool IsAlnumLatin1(char c);
bool IsUpperLatin1(char c);
char ToLowerLatin1(char c);
char ToUpperLatin1(char c);

// Whole texts lowered or raised character by character.
std::string LowerCaseLatin1(std::string_view text);
std::string UpperCaseLatin1(std::string_view text);
// Comparisons that ignore case (lowered characters compared as unsigned bytes).
bool EqualNoCaseLatin1(std::string_view a, std::string_view b);
bool LessNoCaseLatin1(std::string_view a, std::string_view b);

// The plain letter, digit or character an accented one stands for; a blank for any byte that has
// no plain form.
char StripAccentLatin1(char c);

// The text without blanks, line feeds and carriage returns at either end.
std::string_view TrimWhite(std::string_view text);
// The same, in place.
void TrimWhiteStd(std::string& text);
