#pragma once
// Short words and names that tell a word written in capitals from an abbreviation when owner names
// are recased: "ACME" is a word, "IBM" is not.

#include <span>
#include <string_view>

// Sorted without regard to case. Made by scripts/make_word_tables.py from Debian's word list
// (core/KnownWordTable.cpp).
std::span<const std::string_view> KnownWords();

// True when the text, in any case, is one of the known words.
bool IsKnownWord(std::string_view text);
