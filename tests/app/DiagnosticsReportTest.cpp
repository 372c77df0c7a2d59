// The diagnostics report over a source held as plain data.

#include "app/dialogs/DiagnosticsReport.h"

#include "DocFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class CFakeDiagnostics : public IDiagnosticsSource {
public:
    std::string GetSystemName() const override { return "Debian GNU/Linux 12, Linux 6.1"; }
    std::vector<std::pair<std::string, std::string>> GetModuleVersions() const override {
        return {{"libpng", "16.39.0.0"}, {"libcurl", ""}};
    }
    CDiagnosticsFolders GetFolders() const override {
        return {"jsmith", "/c", "/d", "/u", "/t", "/s", "/o", "/r", "host1"};
    }
    std::vector<CRepositoryEngine> GetRepositoryEngines() const override { return engines; }
    std::future<CEngineVersion> AskEngineVersion(std::size_t index) override {
        answers.emplace_back();
        std::future<CEngineVersion> answer = answers.back().get_future();
        if (index < versions.size())
            answers.back().set_value(versions[index]);
        return answer;
    }
    std::vector<CRegisterEngines> GetRegisters() const override { return registers; }
    std::uint64_t GetTotalMemory() const override { return totalMemory; }
    int GetMemoryLoad() const override { return 42; }
    CCacheFigures GetSummaryCache() const override { return summary; }
    CCacheFigures GetTextCache() const override { return {}; }
    CCacheFigures GetImageCache() const override { return {}; }
    std::vector<std::pair<std::string, std::string>> GetJobs() const override {
        return {{"Report", "Writing (40%)"}};
    }
    const CZrDocData* GetExamination() const override { return examination; }
    std::string FormatAppNum(const CMark& mark) const override {
        return mark.GetAppNumber() ? "N" + std::to_string(mark.GetAppNumber()) : "";
    }

    std::vector<CRepositoryEngine> engines;
    // Answers given at once, by engine; later engines wait.
    std::vector<CEngineVersion> versions;
    std::deque<std::promise<CEngineVersion>> answers;
    std::vector<CRegisterEngines> registers;
    std::uint64_t totalMemory = 0;
    CCacheFigures summary;
    const CZrDocData* examination = nullptr;
};

// The whole report, stepping until it is done; fails the test when it waits.
Lines RunToEnd(CDiagnosticsReport& report) {
    Lines lines;
    for (int step = 0; step < 1000; ++step) {
        const CDiagnosticsReport::EStep result = report.Step(lines);
        if (result == CDiagnosticsReport::EStep::Done)
            return lines;
        EXPECT_NE(result, CDiagnosticsReport::EStep::Waiting);
    }
    ADD_FAILURE() << "the report does not end";
    return lines;
}

// The lines from the one that equals `from` up to the next empty line.
Lines Section(const Lines& lines, const std::string& from) {
    auto first = std::find(lines.begin(), lines.end(), from);
    return {first, std::find(first, lines.end(), "")};
}

bool Has(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DiagnosticsReport, NumbersAreGroupedByThousandsAndRatesComputedWithoutOverflow) {
    for (const auto& [number, text] : {std::pair<std::uint64_t, const char*>{0, "0"},
                                       {999, "999"},
                                       {1000, "1,000"},
                                       {1234567, "1,234,567"},
                                       {12345678901, "12,345,678,901"}})
        EXPECT_EQ(CDiagnosticsReport::FormatThousands(number), text);
    EXPECT_EQ(CDiagnosticsReport::HitRate(0, 0), 0);
    EXPECT_EQ(CDiagnosticsReport::HitRate(1, 2), 33);
    // 30 million hits times 100 is beyond 32 bits.
    EXPECT_EQ(CDiagnosticsReport::HitRate(30'000'000, 10'000'000), 75);
    EXPECT_EQ(CDiagnosticsReport::HitRate(2'147'483'647, 2'147'483'647), 50);
}

TEST(DiagnosticsReport, MemoryCachesAndJobsAreWrittenAsTheSupportDeskReadsThem) {
    CFakeDiagnostics source;
    source.totalMemory = 1234567ull * 1024;
    source.summary = {10, 5000, 20480, 1500, 3 * 1024 * 1024, 30'000'000, 10'000'000};
    source.registers = {{"UK on Internet(uk1)", "", "UK on Internet(uk0)"},
                        {"IR on Internet(ir1)", "!GB", "IR has no Engine connection"}};
    CDiagnosticsReport report(source, false);
    const Lines lines = RunToEnd(report);
    EXPECT_EQ(lines.front(), "RO Vedaridarevu Version: 4.5.38 (20 Apr 2017)");
    EXPECT_EQ(Section(lines, "--Operating System--"),
              (Lines{"--Operating System--", "Debian GNU/Linux 12, Linux 6.1",
                     "libpng Version: 16.39.0.0", "libcurl Version: Cannot get information"}));
    EXPECT_TRUE(Has(lines, "HostName: host1"));
    EXPECT_EQ(Section(lines, "--databases--"), (Lines{"--databases--", "UK on Internet(uk1)",
                                                      "IR on Internet(ir1)  Restricted to !GB"}));
    EXPECT_EQ(Section(lines, "--Memory--"), (Lines{"--Memory--", "Physical Memory: 1,234,567 KB",
                                                   "Memory Load: 42 (0 - no load, 100 - full)"}));
    EXPECT_EQ(
        Section(lines, "--Cached Databases--"),
        (Lines{"--Cached Databases--", "UK on Internet(uk0)", "IR has no Engine connection"}));
    EXPECT_EQ(Section(lines, "--Cache--"),
              (Lines{"--Cache--", "Summary Min Entries: 10 Max Entries: 5,000 Max Size: 20,480 KB",
                     "Summary Entries: 1,500 Size: 3,072 KB",
                     "Summary Hits: 30,000,000 Misses: 10,000,000 Rate: 75%"}));
    EXPECT_TRUE(Has(lines, "Text Hits: 0 Misses: 0 Rate: 0%"));
    EXPECT_EQ(Section(lines, "--Jobs--"), (Lines{"--Jobs--", "Report", "Writing (40%)"}));
    EXPECT_FALSE(Has(lines, "--Marks--"));
    EXPECT_EQ(report.GetStatusText(), "Passed");
}

TEST(DiagnosticsReport, AnEngineThatFailsIsAnErrorAndTheNextEngineIsStillAsked) {
    CFakeDiagnostics source;
    source.engines = {{"UK on Internet(uk1) up to 1 Jan 2017", true},
                      {"DE on Internet(de1)", true},
                      {"US has no Engine connection", false}};
    source.versions = {{false, "TRANSIENT"}, {true, "4.1.7"}};
    CDiagnosticsReport report(source, false);
    const Lines lines = RunToEnd(report);
    const auto first = std::find(lines.begin(), lines.end(), "--repository--") + 1;
    EXPECT_EQ(Lines(first, first + 12),
              (Lines{"UK on Internet(uk1) up to 1 Jan 2017", "Checking...",
                     "ERROR: ...Reurned system exception: TRANSIENT", "", "DE on Internet(de1)",
                     "Checking...", "...Returned version: 4.1.7", "", "US has no Engine connection",
                     "Checking...", "WARNING: ...No engine", ""}));
    EXPECT_EQ(report.GetErrorCount(), 1);
    EXPECT_EQ(report.GetWarningCount(), 1);
    EXPECT_EQ(report.GetStatusText(), "Failed with 1 errors");
}

TEST(DiagnosticsReport, TheReportWaitsForAnEngineWithoutHoldingUpTheWindow) {
    CFakeDiagnostics source;
    source.engines = {{"UK on Internet(uk1)", true}};
    CDiagnosticsReport report(source, false);
    Lines lines;
    while (report.Step(lines) == CDiagnosticsReport::EStep::Lines && !Has(lines, "Checking...")) {
    }
    ASSERT_TRUE(Has(lines, "Checking..."));
    Lines more;
    EXPECT_EQ(report.Step(more), CDiagnosticsReport::EStep::Waiting);
    EXPECT_EQ(report.Step(more), CDiagnosticsReport::EStep::Waiting);
    EXPECT_TRUE(more.empty());
    source.answers.back().set_value({true, "5.0"});
    EXPECT_EQ(report.Step(more), CDiagnosticsReport::EStep::Lines);
    EXPECT_EQ(more, (Lines{"...Returned version: 5.0", ""}));
}

class DiagnosticsMarksTest : public DocFixture {};

TEST_F(DiagnosticsMarksTest, WithCtrlTheMarksAndSearchesOfTheExaminationFollow) {
    doc.AddMark(42, 'u', 1, 3, 1234, 0x101);
    doc.AddMark(0xABCDEF, 'd', 12, 0, 0, 0);
    CSearch search = MakeRunSearch(2, "u", 7, 1500);
    search.SetMarkCount(1);
    doc.AddSearch(search);
    CFakeDiagnostics source;
    source.examination = &doc;
    CDiagnosticsReport withMarks(source, true);
    const Lines lines = RunToEnd(withMarks);
    EXPECT_EQ(
        Section(lines, "--Marks--"),
        (Lines{"--Marks--", "SGE: 0x00ABCDEF db: d sect: 12 SID: 00000 Flags: 0x00000000 Num: ",
               "SGE: 0x0000002A db: u sect: 01 SID: 00003 Flags: 0x00000101 Num: N1234"}));
    EXPECT_EQ(Section(lines, "--Searches--"),
              (Lines{"--Searches--",
                     "SID: 00001 Order: 00007 sect: 02 Flags: 0x00000001 Found: 1500(1)"}));
    EXPECT_EQ(lines.back(), Section(lines, "--Searches--").back());
}

} // namespace
