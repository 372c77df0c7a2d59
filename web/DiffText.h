#pragma once
// The text rules of the difference check, shared by every register's comparer. Texts are 8-bit
// Windows-1252; letters and digits are those of the code page and case is folded by it. The
// comparisons answer 0 for equal and non-zero for different.

#include <string>
#include <string_view>
#include <vector>

// A page text in the record's form: white space at either end dropped, a run of blanks one
// blank, a single line break a blank and two or more (a CR LF pair counts two) a backslash, the
// record's line separator.
std::string FoldWhiteSpace(std::string_view text);

// Equal when the letters and digits agree (ignoring case) and every word break of one text
// stands where the other has one: punctuation, case and spacing may differ.
int LooseCompare(std::string_view a, std::string_view b);
// The same, but equal as soon as the first text reaches its second backslash with everything
// before it agreeing: only the first two lines of an address count.
int LooseCompareFirstTwoLines(std::string_view a, std::string_view b);

// Word marks: equal ignoring case, or with the record's "/" read as line breaks, or holding the
// same lines in any order.
int CompareWordMark(std::string_view have, std::string_view should);
// The same lines (ignoring case) in any order.
int CompareLineSets(std::string_view a, std::string_view b);

// The lines between backslashes, trimmed, empty ones dropped.
std::vector<std::string> SplitLines(std::string_view text);
// The words between white characters and the delimiters, empty ones dropped.
std::vector<std::string> SplitWords(std::string_view text, std::string_view delimiters);
// The same words (exactly) in the same order.
int CompareWordLists(const std::vector<std::string>& a, const std::vector<std::string>& b);
int CompareStringLists(const std::vector<std::string>& a, const std::vector<std::string>& b);

// The number a text starts with after blanks ("09" and "9 " are 9); 0 when none.
int NumberValue(std::string_view text);

// Whether the letters and digits of `part` occur in `whole` in order (ignoring case and every
// other character); `matched` counts those of `part`.
bool AlnumsInOrder(std::string_view part, std::string_view whole, std::size_t* matched = nullptr);
