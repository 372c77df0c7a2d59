#include "app/dialogs/DiagnosticsReport.h"

#include "app/document/ZrDocData.h"
#include "core/AppTitle.h"
#include "core/ZrVersion.h"

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>

namespace {

std::string Format(const char* format, ...) {
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

std::uint64_t Kilobytes(std::uint64_t bytes) {
    return bytes / 1024;
}

std::string Grouped(int number) {
    return CDiagnosticsReport::FormatThousands(number < 0 ? 0 : static_cast<std::uint64_t>(number));
}

} // namespace

CDiagnosticsReport::CDiagnosticsReport(IDiagnosticsSource& source, bool includeMarks)
    : source_(source), includeMarks_(includeMarks) {}

std::string CDiagnosticsReport::FormatThousands(std::uint64_t number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

int CDiagnosticsReport::HitRate(int hits, int misses) {
    const std::int64_t lookups = static_cast<std::int64_t>(hits) + misses;
    return lookups == 0 ? 0 : static_cast<int>(static_cast<std::int64_t>(hits) * 100 / lookups);
}

std::string CDiagnosticsReport::GetStatusText() const {
    if (errors_ > 0)
        return Format("Failed with %d errors", errors_);
    return warnings_ == 0 ? "Passed" : "Passed, but see warnings";
}

std::string CDiagnosticsReport::Warning(const std::string& text) {
    ++warnings_;
    return "WARNING: " + text;
}

std::string CDiagnosticsReport::Error(const std::string& text) {
    ++errors_;
    return "ERROR: " + text;
}

CDiagnosticsReport::EStep CDiagnosticsReport::Step(std::vector<std::string>& lines) {
    switch (part_) {
    case EPart::Header:
        AddHeader(lines);
        part_ = EPart::Repository;
        return EStep::Lines;
    case EPart::Repository:
        lines.insert(lines.end(), {"", "--repository--"});
        engines_ = source_.GetRepositoryEngines();
        nextItem_ = 0;
        part_ = EPart::Engines;
        return EStep::Lines;
    case EPart::Engines:
        if (nextItem_ == engines_.size()) {
            part_ = EPart::Registers;
            return Step(lines);
        }
        return AddEngine(lines) ? EStep::Lines : EStep::Waiting;
    case EPart::Registers:
        AddRegisters(lines);
        nextItem_ = 0;
        part_ = includeMarks_ ? EPart::Marks : EPart::Done;
        return EStep::Lines;
    case EPart::Marks:
        AddMarks(lines);
        return EStep::Lines;
    case EPart::Searches:
        AddSearches(lines);
        return EStep::Lines;
    case EPart::Done:
        break;
    }
    return EStep::Done;
}

void CDiagnosticsReport::AddHeader(std::vector<std::string>& lines) const {
    lines.push_back(Format("%s Version: %s", kAppTitle, kZrVersionText));
    lines.insert(lines.end(), {"", "--Operating System--", source_.GetSystemName()});
    for (const auto& [module, version] : source_.GetModuleVersions())
        lines.push_back(module +
                        " Version: " + (version.empty() ? "Cannot get information" : version));
    const CDiagnosticsFolders folders = source_.GetFolders();
    lines.insert(lines.end(),
                 {"", "--Who & Where--", "UserId: " + folders.userId,
                  "Code Dir: " + folders.codeDir, "Data Dir: " + folders.dataDir,
                  "User Dir: " + folders.userDir, "Template Dir: " + folders.templateDir,
                  "Save As Dir: " + folders.saveAsDir, "Open Dir: " + folders.openDir,
                  "Report Dir: " + folders.reportDir, "HostName: " + folders.hostName});
}

bool CDiagnosticsReport::AddEngine(std::vector<std::string>& lines) {
    const std::size_t before = lines.size();
    const CRepositoryEngine& engine = engines_[nextItem_];
    if (!pending_.valid()) {
        lines.push_back(engine.description);
        lines.push_back("Checking...");
        if (!engine.hasEngine) {
            lines.push_back(Warning("...No engine"));
            lines.push_back("");
            ++nextItem_;
            return true;
        }
        pending_ = source_.AskEngineVersion(nextItem_);
    }
    if (pending_.wait_for(std::chrono::seconds(0)) == std::future_status::timeout)
        return lines.size() != before;
    const CEngineVersion version = pending_.get();
    lines.push_back(version.answered ? "...Returned version: " + version.text
                                     : Error("...Reurned system exception: " + version.text));
    lines.push_back("");
    ++nextItem_;
    return true;
}

void CDiagnosticsReport::AddRegisters(std::vector<std::string>& lines) const {
    const std::vector<CRegisterEngines> registers = source_.GetRegisters();
    lines.insert(lines.end(), {"", "--databases--"});
    for (const CRegisterEngines& db : registers)
        lines.push_back(db.restriction.empty() ? db.engine
                                               : db.engine + "  Restricted to " + db.restriction);
    lines.insert(
        lines.end(),
        {"", "--Memory--",
         "Physical Memory: " + FormatThousands(Kilobytes(source_.GetTotalMemory())) + " KB",
         Format("Memory Load: %d (0 - no load, 100 - full)", source_.GetMemoryLoad()), "",
         "--Cached Databases--"});
    for (const CRegisterEngines& db : registers)
        lines.push_back(db.cacheEngine);
    lines.insert(lines.end(), {"", "--Cache--"});
    AddCache(lines, "Summary", source_.GetSummaryCache());
    lines.push_back("");
    AddCache(lines, "Text", source_.GetTextCache());
    lines.push_back("");
    AddCache(lines, "Image", source_.GetImageCache());
    lines.insert(lines.end(), {"", "--Jobs--"});
    for (const auto& [name, progress] : source_.GetJobs())
        lines.insert(lines.end(), {name, progress, ""});
}

void CDiagnosticsReport::AddCache(std::vector<std::string>& lines, const std::string& name,
                                  const CCacheFigures& cache) const {
    lines.push_back(name + " Min Entries: " + Grouped(cache.minEntries) + " Max Entries: " +
                    Grouped(cache.maxEntries) + " Max Size: " + Grouped(cache.maxSizeKb) + " KB");
    lines.push_back(
        name + " Entries: " + Grouped(cache.entries) + " Size: " +
        FormatThousands(Kilobytes(static_cast<std::uint64_t>(std::max(cache.bytes, 0)))) + " KB");
    lines.push_back(name + " Hits: " + Grouped(cache.hits) + " Misses: " + Grouped(cache.misses) +
                    Format(" Rate: %d%%", HitRate(cache.hits, cache.misses)));
}

void CDiagnosticsReport::AddMarks(std::vector<std::string>& lines) {
    const CZrDocData* examination = source_.GetExamination();
    const int count = examination ? examination->GetMarkCount() : 0;
    if (nextItem_ == 0)
        lines.insert(lines.end(), {"", "--Marks--"});
    const int end = std::min(count, static_cast<int>(nextItem_) + kItemsPerStep);
    for (int i = static_cast<int>(nextItem_); i < end; ++i) {
        const CMark& mark = examination->GetMark(i);
        lines.push_back(Format("SGE: 0x%08X db: %c sect: %02d SID: %05d Flags: 0x%08X Num: %s",
                               mark.GetRecordNumber(), mark.GetRegisterCode(), mark.GetSection(),
                               mark.GetSearchId(), mark.GetFlags(),
                               source_.FormatAppNum(mark).c_str()));
    }
    nextItem_ = static_cast<std::size_t>(end);
    if (end == count) {
        nextItem_ = 0;
        part_ = EPart::Searches;
    }
}

void CDiagnosticsReport::AddSearches(std::vector<std::string>& lines) {
    const CZrDocData* examination = source_.GetExamination();
    const int count = examination ? examination->GetSearchCount() : 0;
    if (nextItem_ == 0)
        lines.insert(lines.end(), {"", "--Searches--"});
    const int end = std::min(count, static_cast<int>(nextItem_) + kItemsPerStep);
    for (int i = static_cast<int>(nextItem_); i < end; ++i) {
        const CSearch& search = examination->GetSearch(i);
        lines.push_back(Format("SID: %05d Order: %05d sect: %02d Flags: 0x%08X Found: %d(%d)",
                               search.GetSearchId(), search.GetOrder(), search.GetSection(),
                               search.GetFlags(), search.GetFound(), search.GetMarkCount()));
    }
    nextItem_ = static_cast<std::size_t>(end);
    if (end == count)
        part_ = EPart::Done;
}
