#include "web/DiffRun.h"

#include "registers/DbCodes.h"
#include "registers/ZrDbs.h"

#include <cstdio>
#include <memory>

namespace {

std::string Formatted(const char* format, int a, int b, int c = 0) {
    char text[120];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

} // namespace

void CDiffLines::SetCurrentMark(std::string label, std::string numberText) {
    label_ = std::move(label);
    numberText_ = std::move(numberText);
    headerWritten_ = false;
}

void CDiffLines::WriteHeader() {
    if (headerWritten_)
        return;
    lines_.push_back("Differences for " + label_ + " AppNum: " + numberText_);
    headerWritten_ = true;
}

void CDiffLines::ReportDifferenceTwoLines(const std::string& field, const std::string& have1,
                                          const std::string& have2, const std::string& should1,
                                          const std::string& should2) {
    static constexpr const char* kContinued = "         \t\t";
    WriteHeader();
    lines_.push_back("  " + field);
    lines_.push_back("    Have:\t\t" + have1);
    if (!have2.empty())
        lines_.push_back(kContinued + have2);
    lines_.push_back("    Should be:\t" + should1);
    if (!should2.empty())
        lines_.push_back(kContinued + should2);
}

void CDiffLines::ReportDifference(const std::string& field, const std::string& have,
                                  const std::string& should) {
    ReportDifferenceTwoLines(field, have, "", should, "");
}

void CDiffLines::ReportError(const std::string& text) {
    lines_.push_back("ERROR while trying to access " + label_ + " AppNum: " + numberText_);
    lines_.push_back(" " + text);
}

CWebOptions DiffWebOptions() {
    using namespace std::chrono_literals;
    CWebOptions options;
    options.connectTimeout = 45s;
    options.connectBackOff = 1s;
    options.connectRetries = 5;
    options.receiveTimeout = 60s;
    options.totalTimeout = 90s;
    return options;
}

CDiffChecker::CDiffChecker(const CWebServers& servers, const CWebOptions& options)
    : client_(options), servers_(servers) {}

CDiffOutcome CDiffChecker::Check(const CDiffJob& job) {
    std::unique_ptr<IDiffCheck>& check = checks_[job.diffRegister->code];
    if (!check)
        check = job.diffRegister->makeCheck(client_, servers_);
    CDiffLines report;
    report.SetCurrentMark(std::string(job.diffRegister->label), job.numberText);
    CDiffOutcome outcome;
    outcome.checked = check->CheckMark(job.number, *job.record, report);
    outcome.hadDifferences = report.HasHeader();
    outcome.lines = report.TakeLines();
    return outcome;
}

CDiffRun::CDiffRun(CZrDbs& registers, std::vector<CMark> marks)
    : registers_(registers), marks_(std::move(marks)) {}

std::string CDiffRun::ProgressText(int item) const {
    return Formatted("Checking mark %d of %d", item + 1, GetMarkCount());
}

bool CDiffRun::ReadNext(CDiffJob& job) {
    while (next_ < GetMarkCount()) {
        const int index = next_++;
        const CMark& mark = marks_[index];
        const CDiffRegister* entry = FindDiffRegister(mark.GetRegisterCode());
        CZrDb* db = registers_.GetDbOfMark(mark);
        if (!entry || !entry->makeCheck || !db)
            continue;
        std::string error;
        RecordPtr record = db->GetTextRecord(mark, error);
        if (!record)
            continue;
        job.index = index;
        job.diffRegister = entry;
        job.numberText = record->GetField(entry->numberField);
        job.number = static_cast<std::uint32_t>(mark.GetAppNumber());
        if (job.number == 0 && entry->parseNumber)
            job.number = entry->parseNumber(job.numberText, nullptr);
        job.record = std::move(record);
        job.recordId = mark.GetRecordNumber();
        return true;
    }
    return false;
}

void CDiffRun::Take(const CDiffJob& job, CDiffOutcome outcome) {
    lines_.insert(lines_.end(), std::make_move_iterator(outcome.lines.begin()),
                  std::make_move_iterator(outcome.lines.end()));
    if (outcome.hadDifferences)
        ++withDifferences_;
    if (!outcome.checked)
        return;
    ++checked_;
    if (const int slot = DbCodeToSlot(job.diffRegister->code); outcome.hadDifferences && slot >= 0)
        suspects_[slot].push_back(job.recordId);
}

std::string CDiffRun::Finish() {
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (suspects_[slot].empty())
            continue;
        if (CZrDb* db = registers_.GetDb(DbSlotToCode(static_cast<int>(slot))))
            db->FlagSuspectSges(suspects_[slot]);
        suspects_[slot].clear();
    }
    return Formatted("%d out of %d marks checked of which %d had differences", checked_,
                     GetMarkCount(), withDifferences_);
}

std::string CDiffRun::RunHere(CDiffChecker& checker, const std::function<bool()>& cancelled) {
    for (CDiffJob job; !(cancelled && cancelled()) && ReadNext(job);)
        Take(job, checker.Check(job));
    return Finish();
}
