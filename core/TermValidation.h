#pragma once
// Checks of single word terms and goods terms before they may be sent to an engine, with the
// messages shown to the user.

#include <cstdint>
#include <string>

// Kinds of a word-term group; the names are those of the criteria text.
enum TermKind : std::int32_t {
    kTermWordMatch = 0,   // WORDM: marks containing any of the words or patterns
    kTermMarkMatch = 1,   // TMARK: marks that are exactly the words or pattern
    kTermSimilarWord = 2, // WAPPR: marks containing words similar to a term
    kTermSimilarMark = 3, // TAPPR: marks similar to the text
    kTermAnagram = 4,     // WANAG: marks containing anagrams of a term
};

// Validation modes of word terms: the restricted quick search allows two plain terms only.
// Any other mode only limits the length of word terms.
enum TermValidationMode : int {
    kValidateQuickSearch = 0,
    kValidateNewExamination = 1,
    kValidateSearchDialog = 2,
};

// Whether one word term of the given kind is acceptable; on rejection the message says why.
bool ValidateWordTerm(const std::string& term, int mode, int kind, std::string& message);

// Whether one goods term is acceptable; on rejection the message says why.
bool ValidateGoodsTerm(const std::string& term, std::string& message);

// False for control characters, the blank, '-', '"', '\'', '.', ',', ':', ';' and the
// Windows-1252 typographic single quotes and acute accent.
bool IsSearchableChar(char c);

// The internal wildcards: '-' any run, '*' exactly one character, '?' one character or none.
inline bool IsWildcardChar(char c) {
    return c == '-' || c == '*' || c == '?';
}
