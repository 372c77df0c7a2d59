#pragma once
// Words shown to users for register codes, status letters and ranges: in the summaries of
// search criteria, string-finder texts, screens and reports.

#include "core/ZrDate.h"

#include <string>
#include <string_view>

// The codes of "aucsidefptnko" found in either text, in that order; other codes are dropped.
std::string MergeDbCodes(std::string_view codesA, std::string_view codesB);
// Short names of the registers whose codes occur, blank-separated, in the fixed order
// RW UK EUTM US UKDOM DE IR IE FR PL AU CA RCD WEB TRW TUK whatever the input order.
std::string DbCodesToNames(std::string_view codes);
// "Registered Pending Lapsed Abandoned" (or "Reg Pen Lap Abn") for the letters r p l a found.
std::string StatusCodesToText(std::string_view letters, bool abbreviated);
// Appends a blank when the text is not empty, then the word.
void AppendWord(std::string& text, std::string_view word);
// An application-number range from the texts of its bounds: "" when both are empty, one text
// when they are equal, else "from-to" (so a lower bound alone gives "from-").
std::string AppNumRangeToText(std::string_view from, std::string_view to);
// A date range as for numbers, each date as CZrDate::Format gives it and an unset date empty.
std::string DateRangeToText(const CZrDate& from, const CZrDate& to);
