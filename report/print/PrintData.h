#pragma once
// What a print run prints: the examination data when it is not the whole examination, and the
// marks of each section.

#include "app/document/ZrDocData.h"
#include "core/Mark.h"

#include <span>
#include <vector>

class IPrintRegisters;
class IProgress;

// The marks a print of the data prints in the section, in order: its kept marks without
// duplicates.
std::vector<CMark> PrintedMarks(const CZrDocData& data, int section);

// Reads the summary records of every mark a print of the data prints into the registers'
// cache, in one call a register.
void FetchPrintedSummaries(const CZrDocData& data, IPrintRegisters& registers);
// The same, then the full records one by one, so that laying the pages out, which the printing
// system asks for all at once, waits on no engine while the cache holds them; the progress
// tells the marks and may cancel. False when cancelled.
bool ReadPrintedRecords(const CZrDocData& data, IPrintRegisters& registers, IProgress& progress);

// The selected marks of a view alone: no searches and no examination details, "One Class
// Only", every mark in section 0.
CZrDocData MakeSelectionPrintData(std::span<const CMark> marks);

// One mark of a details window, in the long form or the short one: one section holding the
// mark, permanently kept.
CZrDocData MakeMarkPrintData(const CMark& mark, bool longForm);
