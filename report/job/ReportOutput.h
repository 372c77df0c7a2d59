#pragma once
// Where a report's bytes go: the report itself, written as a stream, and the files of its own
// (images) written beside it.

#include "platform/AtomicFile.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class IReportOutput {
public:
    virtual ~IReportOutput() = default;
    // Throws CTextException (W306) when the bytes cannot be written.
    virtual void Write(std::string_view bytes) = 0;
    // A whole file beside the report, named by a plain file name; replaces one of that name.
    // Throws CTextException (W306) when it cannot be written.
    virtual void WriteSideFile(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
};

// The report's file. It is written into a temporary file beside it that replaces it only on
// Commit, so a failed or cancelled run leaves no partial report and an older report stays.
class CReportFile : public IReportOutput {
public:
    // Throws CTextException (W306) when the file cannot be made.
    explicit CReportFile(const std::string& path);

    void Write(std::string_view bytes) override;
    void WriteSideFile(const std::string& name, std::span<const std::uint8_t> bytes) override;
    // Throws CTextException (W306) when the report cannot be completed.
    void Commit();

private:
    std::string path_;
    platform::CReplacingFile file_;
};
