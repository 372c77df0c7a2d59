#pragma once
// A report written in memory over registers held in memory: the template in, the report text
// and its side files out.

#include "app/document/ZrDocData.h"
#include "core/UserOptions.h"
#include "report/job/ReportJob.h"
#include "tests/support/FakeDocumentHost.h"
#include "tests/support/MemoryReportRegisters.h"

#include <map>
#include <span>
#include <string>

// An examination whose searches and marks a test sets directly.
class CTestDocument : public CZrDocData {
public:
    int AddSearch(const CSearch& search) { return searches_.Add(search); }
};

class CMemoryOutput : public IReportOutput {
public:
    void Write(std::string_view bytes) override { text += bytes; }
    void WriteSideFile(const std::string& name, std::span<const std::uint8_t> bytes) override {
        sideFiles[name].assign(bytes.begin(), bytes.end());
    }

    std::string text;
    std::map<std::string, std::string> sideFiles;
};

class CMemoryReport {
public:
    // The report of the template; false from the run when it was cancelled.
    std::string Write(std::string_view templateText, bool rtf = false, bool* written = nullptr) {
        output = CMemoryOutput();
        CReportJob job(document, registers, options, today);
        job.Parse(templateText, rtf);
        const std::unique_ptr<IProgress> progress = host.OpenProgress("Report Progress");
        const bool result = job.Write(output, *progress);
        if (written)
            *written = result;
        return output.text;
    }

    CTestDocument document;
    CMemoryReportRegisters registers;
    CUserOptions options;
    CFakeHost host;
    CZrDate today{(2004u << 16) | (3u << 8) | 7u};
    CMemoryOutput output;
};
