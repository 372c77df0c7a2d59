#pragma once
// Reports over the local search service: the UK and EU registers on their engines, an
// examination of their fixed marks, and templates and reports in a temporary folder.

#include "MemoryReport.h"
#include "engines/idl/ZrEngine.hh"
#include "registers/ZrDbs.h"
#include "report/job/ZrDbsReportRegisters.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>
#include <string>

class ServiceReport : public ::testing::Test {
protected:
    void SetUp() override;

    // Adds the mark of the register whose word mark is exactly this one (or, with criteria, the
    // first the criteria find) in the section, of the search, with the flags and its packed
    // application number.
    CMark AddMark(char code, const std::string& wordMark, int section, int searchId,
                  std::uint32_t flags, const std::string& criteria = "");
    // The record's text field of a mark.
    std::string Field(const CMark& mark, const char* name);
    std::string AppNum(const CMark& mark);
    std::string ShortName(char code) { return table_.GetDb(code)->GetShortName(); }

    // Writes the template under the name and runs the report into the output name; the report's
    // text, or "" when there is none.
    bool Run(const std::string& templateName, const std::string& text,
             const std::string& outputName = "report.out");
    std::string Report(const std::string& templateName, const std::string& text);
    std::string Path(const std::string& name) const { return folder_ / name; }
    bool Exists(const std::string& name) const;

    EngineInfoSeq_var engines_;
    CZrDbs table_;
    CZrDbsReportRegisters registers_{table_};
    CTestDocument document_;
    CUserOptions options_;
    CFakeHost host_;
    CTempFolder folder_;
    CZrDate today_{(2024u << 16) | (2u << 8) | 29u};
};
