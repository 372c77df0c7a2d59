#pragma once
// Rows that several record presenters share: history tables, priority and seniority claims,
// pair lists, texts whose application numbers become mark references, Reserved Words goods
// rows and the Madrid text.

#include "core/ZrData.h"
#include "report/presenter/Presenter.h"

#include <string_view>

// The HISTORY text as a "Week Ending" / "Recent History" table: entries "date: text", the next
// entry starting at a backslash followed by one or two digits and a blank. Other backslashes
// stay in the text as line breaks.
void PresentHistory(std::string_view history, CPresenter& output);
// The TXHISTORY list (date, office, text) as a table with one header line per run of entries of
// the same office ("??" is "International").
void PresentTransactionHistory(const CZrData& record, CPresenter& output);
// A heading row, then one line per (date, "country:reference:description") pair.
void PresentClaimRows(const PairList& pairs, std::string_view heading, CPresenter& output);
// Per pair of the field: the label with the first text, then the second text alone.
void PresentPairRows(std::string_view label, const CZrData& record, std::string_view field,
                     CPresenter& output);

// One row whose application numbers are handed to CPresenter::AppendTo, so that an output may
// make references of them. UK: only numbers after "no", "num..." or "with..." outside
// parentheses (the register's notes); US: every number.
void PresentUkRefRow(CPresenter& output, std::string_view label, std::string_view text,
                     unsigned style, int context1, int context2, bool newBlock, bool endBlock);
void PresentUsRefRow(CPresenter& output, std::string_view label, std::string_view text,
                     unsigned style, int context1, int context2, bool newBlock, bool endBlock);

// One Reserved Words goods row labelled "Class 3: " or "Class 3-5: "; nothing without a class.
void PresentClassRangeRow(CPresenter& output, std::string_view firstClass,
                          std::string_view lastClass, std::string_view goods, bool newBlock,
                          bool endBlock);

// The MADRIDTEXT row of AU, CA, PL and US records.
void PresentMadridTextRow(const CZrData& record, CPresenter& output);
