#pragma once
// The records an engine sends for a mark: the summary record that mark rows draw from, and the
// full text record that details, presenters and reports read. Fields follow the registers' tags.

#include "testsvc/data/DataSet.h"
#include "testsvc/data/RecordWriter.h"

// What to make of a record: as it is, damaged (a length that overruns the record), or replaced
// by a record with only an ERROR field.
struct RecordDefect {
    bool damaged = false;
    std::string errorText; // not empty: the record is just this ERROR field
};

Bytes BuildSummaryRecord(const CTestRegisterData& data, const TestMark& mark,
                         const RecordDefect& defect = {});
Bytes BuildTextRecord(const CTestRegisterData& data, const TestMark& mark,
                      const RecordDefect& defect = {});
// The record sent in place of a mark that the engine does not have.
Bytes BuildMissingRecord(std::uint32_t recordId);
// The comma list of the mark's Nice classes, "9, 35".
std::string ClassesText(const TestMark& mark);
