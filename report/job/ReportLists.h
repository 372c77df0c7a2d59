#pragma once
// The entries of the record lists that list blocks go through, built from the lists' texts.

#include "core/ZrData.h"

#include <string_view>

// A history text of "date: text" entries, each after the first joined by a backslash directly
// before its date: (date, text) pairs; entries without text are left out.
PairList ParseHistoryList(std::string_view text);

// A tagged list of (date, office, text) items: one entry per run of items of one office, the
// office ("??" reads "International") and the run's (date, text) pairs as a pair-list text.
// Items of no office are left out; a missing or unknown date reads "-- --- ----".
PairList ParseTxHistoryList(std::string_view text);

// The goods of each class in English: "[English] " texts without their prefix, "[See Class"
// references and texts of no language kept whole. A class whose texts are all in other
// languages keeps its first entry, with its text emptied.
PairList FilterEnglishGoods(const PairList& goods);
