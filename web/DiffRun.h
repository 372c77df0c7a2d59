#pragma once
// The difference check of a set of marks: each mark's page at its register's site compared with
// its record, every difference listed as lines of text, the marks that differ flagged suspect
// with their registers' engines, and a summary.
//
// The run is split by thread. CDiffRun works on the register table's thread: it reads each
// mark's record, hands it on as an immutable CDiffJob, takes the outcome back, counts and flags.
// CDiffChecker does the web work (fetch, parse, compare) with a web client of its own on another
// thread; CDiffWorker (DiffWorker.h) runs the two together. RunHere runs them on one thread.

#include "core/Mark.h"
#include "registers/ZrDb.h"
#include "web/DiffRegisters.h"
#include "web/WebOptions.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CZrDbs;

// The report as lines of text: a header before a mark's first difference, three (or more)
// lines per difference, two per error.
class CDiffLines : public CDiffReporter {
public:
    // The label and number text of the mark whose report follows.
    void SetCurrentMark(std::string label, std::string numberText);

    void WriteLine(const std::string& text) override { lines_.push_back(text); }
    void ReportDifferenceTwoLines(const std::string& field, const std::string& have1,
                                  const std::string& have2, const std::string& should1,
                                  const std::string& should2) override;
    void ReportDifference(const std::string& field, const std::string& have,
                          const std::string& should) override;
    void ReportError(const std::string& text) override;

    // The current mark had a difference.
    bool HasHeader() const { return headerWritten_; }
    std::vector<std::string> TakeLines() { return std::move(lines_); }

private:
    void WriteHeader();

    std::string label_;
    std::string numberText_;
    bool headerWritten_ = false;
    std::vector<std::string> lines_;
};

// One mark handed to the check: read on the register table's thread, never changed after.
struct CDiffJob {
    // The mark's place among the run's marks, from 0.
    int index = 0;
    const CDiffRegister* diffRegister = nullptr;
    std::string numberText;
    std::uint32_t number = 0;
    RecordPtr record;
    std::uint32_t recordId = 0;
};

struct CDiffOutcome {
    std::vector<std::string> lines;
    // The page was fetched and compared.
    bool checked = false;
    bool hadDifferences = false;
};

// The run's limits on the web: a connection within 45 s, tried 5 more times 1 s apart, no pause
// of 60 s in a reply and 90 s for the whole.
CWebOptions DiffWebOptions();

// The web side of a run: one web client, and a site and comparer of each register made on first
// use. Belongs to the thread that checks.
class CDiffChecker {
public:
    explicit CDiffChecker(const CWebServers& servers,
                          const CWebOptions& options = DiffWebOptions());
    CDiffOutcome Check(const CDiffJob& job);

private:
    CWebClient client_;
    CWebServers servers_;
    std::map<char, std::unique_ptr<IDiffCheck>> checks_;
};

// The register table's side of a run over marks in the order given.
class CDiffRun {
public:
    CDiffRun(CZrDbs& registers, std::vector<CMark> marks);

    int GetMarkCount() const { return static_cast<int>(marks_.size()); }
    // "Checking mark <item + 1> of <count>".
    std::string ProgressText(int item) const;

    // The next mark with a check, its record read. Marks without register, record or check are
    // passed over: they count in the summary's total only. False once no mark is left.
    bool ReadNext(CDiffJob& job);
    // A job's outcome: its lines kept and the mark counted.
    void Take(const CDiffJob& job, CDiffOutcome outcome);
    // Flags the marks that had differences with their registers' engines (once per register);
    // the summary.
    std::string Finish();

    // The whole run on this thread; it stops before the next mark once `cancelled` answers true.
    std::string RunHere(CDiffChecker& checker, const std::function<bool()>& cancelled = {});

    const std::vector<std::string>& GetLines() const { return lines_; }

private:
    CZrDbs& registers_;
    std::vector<CMark> marks_;
    int next_ = 0;
    int checked_ = 0;
    int withDifferences_ = 0;
    std::vector<std::string> lines_;
    // Record ids with differences, by register slot (DbCodeToSlot).
    static constexpr std::size_t kSlotCount = 15;
    std::array<std::vector<std::uint32_t>, kSlotCount> suspects_;
};
