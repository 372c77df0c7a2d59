#pragma once
// The one writer of a report: template text as it stands, field values through the escape map,
// one progress step per mark reported, and the user's Cancel.

#include "report/job/ReportOutput.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class IProgress;

// The progress text until the first mark is reported.
inline constexpr const char* kInitialising = "Initialising";

// Pairs in template order: the first character of each key is written as its value.
using EscapeTable = std::vector<std::pair<std::string, std::string>>;

class CReportPresenter {
public:
    // Sets the progress to the marks to report and "Initialising". In RTF mode field values'
    // character references become RTF Unicode characters.
    CReportPresenter(IReportOutput& output, IProgress& progress, int totalMarks,
                     const EscapeTable& escapes, bool rtf);
    CReportPresenter(const CReportPresenter&) = delete;
    CReportPresenter& operator=(const CReportPresenter&) = delete;
    virtual ~CReportPresenter() = default;

    void Write(std::string_view text) { output_.Write(text); }
    void WriteEscaped(std::string_view text);
    // A file of the report's own beside it.
    void WriteSideFile(const std::string& name, std::span<const std::uint8_t> bytes) {
        output_.WriteSideFile(name, bytes);
    }

    // Counts one mark and shows it: "Reporting mark n of total".
    void NextMark();
    // False once the user cancelled.
    bool CanContinue() const;

private:
    // An "&" reference at the start of the text as an RTF Unicode character with the reference
    // as its fallback; the characters consumed, 0 when the text starts with no reference.
    static std::size_t AppendCharRef(std::string_view text, std::string& out);

    IReportOutput& output_;
    IProgress& progress_;
    int totalMarks_;
    std::array<bool, 256> escaped_{};
    std::array<std::string, 256> replacements_;
    int reportedMarks_ = 0;
    bool rtf_;
};
