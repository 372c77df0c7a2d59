#include "engines/SearchEngines.h"

#include "core/SystemOptions.h"
#include "core/TermMapper.h"
#include "core/UserOptions.h"
#include "engines/ExamDocument.h"
#include "engines/OrbErrors.h"
#include "engines/RegisterTable.h"
#include "engines/Repository.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

const char* const kFailedStatus = "Failed";
const char* const kLostStatus = "Engine lost";
const char* const kBrokenReason = "Engine connection broken - ";

// An application number of 0 is not known, so it never makes a hit a duplicate.
bool IsKnownAppNumber(std::uint32_t number) {
    return number != 0;
}

} // namespace

CSearchServices TheSearchServices() {
    return {GetRegisterTable(), TheUserOptions(), TheSystemOptions(), TheRepository()};
}

CSearchEngines::CSearchEngines(const CSearch& search, std::string client, std::string examId,
                               int oneClassOnly, const CSearchServices& services)
    : search_(search), client_(std::move(client)), examId_(std::move(examId)),
      oneClassOnly_(oneClassOnly), services_(services) {}

CSearchEngines::~CSearchEngines() {
    for (Entry& entry : entries_) {
        if (CORBA::is_nil(entry.search))
            continue;
        try {
            entry.search->Dispose();
        } catch (const CORBA::SystemException&) {
            // A search the engine has lost needs no disposing.
        }
    }
}

void CSearchEngines::Start() {
    dbCodes_ = search_.GetDatabases();
    failedDbs_.clear();
    for (char code : dbCodes_) {
        Entry entry;
        if (!services_.registers.HasRegister(static_cast<unsigned char>(code))) {
            entry.startStatus = kLostStatus;
            entry.startReason = "No register serves this database";
            entries_.push_back(std::move(entry));
            continue;
        }
        std::string errorText;
        try {
            entry.search =
                services_.registers.StartSearch(static_cast<unsigned char>(code), search_, client_,
                                                examId_, oneClassOnly_, errorText);
            if (CORBA::is_nil(entry.search)) {
                entry.startStatus = kLostStatus;
                entry.startReason =
                    kBrokenReason + (errorText.empty() ? std::string("INV_OBJREF") : errorText);
            }
        } catch (const CriteriaInvalid& e) {
            // The engine refuses these criteria: that database fails, the others run on.
            entry.startStatus = kFailedStatus;
            entry.startReason =
                *e.text.in() ? std::string(e.text.in()) : "The engine cannot search these criteria";
        }
        entries_.push_back(std::move(entry));
    }
}

std::string CSearchEngines::GetDbName(int i) const {
    const std::string& codes = search_.GetDatabases();
    if (i < 0 || i >= static_cast<int>(codes.size()))
        return "??";
    const int code = static_cast<unsigned char>(codes[static_cast<std::size_t>(i)]);
    return services_.registers.HasRegister(code) ? services_.registers.GetShortName(code) : "??";
}

std::string CSearchEngines::GetSearchStatus(int i, bool& done) {
    done = false;
    if (i < 0 || i >= static_cast<int>(entries_.size()))
        return {};
    Entry& entry = entries_[static_cast<std::size_t>(i)];
    std::string status, reason;
    if (CORBA::is_nil(entry.search)) {
        status = entry.startStatus;
        reason = entry.startReason;
        done = true;
    } else {
        try {
            CORBA::String_var text;
            done = entry.search->GetProgress(text.out());
            status = text.in();
            if (status == kFailedStatus) {
                CORBA::String_var errorInfo;
                entry.search->GetErrorInfo(errorInfo.out());
                reason = *errorInfo.in() ? std::string(errorInfo.in())
                                         : "Search failed - Please contact Velorin";
            }
        } catch (const CORBA::SystemException& e) {
            status = kLostStatus;
            done = true;
            reason = kBrokenReason + SystemExceptionName(e);
        }
    }
    if (done && !entry.endSeen) {
        entry.endSeen = true;
        if (!reason.empty())
            RecordFailure(dbCodes_[static_cast<std::size_t>(i)], reason);
    }
    return status;
}

void CSearchEngines::RecordFailure(char code, const std::string& reason) {
    if (!failureText_.empty())
        failureText_ += "\n";
    const int registerCode = static_cast<unsigned char>(code);
    failureText_ += services_.registers.HasRegister(registerCode)
                        ? services_.registers.GetShortName(registerCode)
                        : "???";
    failureText_ += " " + reason;
    failedDbs_ += code;
}

bool CSearchEngines::FetchIds(Entry& entry, std::vector<std::uint32_t>& ids) {
    ids.clear();
    try {
        CORBA::ULong total = 0;
        UlongSeq_var first = entry.search->GetResults(total);
        if (total == 0)
            return true;
        if (first->length() == 0)
            return false;
        // The engine's total is not trusted with memory beyond what it delivers.
        ids.reserve(std::min<std::size_t>(total, std::size_t{first->length()} + kChunkSize));
        const CORBA::ULong taken = std::min(first->length(), total);
        ids.insert(ids.end(), first->get_buffer(), first->get_buffer() + taken);
        if (first->length() >= total) {
            entry.search = ZrEngineSearch::_nil();
            return true;
        }
        while (ids.size() < total) {
            const auto from = static_cast<CORBA::ULong>(ids.size());
            const auto last = static_cast<CORBA::ULong>(
                std::min<std::uint64_t>(std::uint64_t{from} + kChunkSize - 1, total - 1));
            UlongSeq_var chunk = entry.search->GetMarks(from, last);
            // Only what was asked for is taken; a reply that brings nothing ends the database.
            const CORBA::ULong delivered = std::min(chunk->length(), last - from + 1);
            if (delivered == 0) {
                ids.clear();
                return false;
            }
            ids.insert(ids.end(), chunk->get_buffer(), chunk->get_buffer() + delivered);
        }
        return true;
    } catch (const CORBA::SystemException&) {
        ids.clear();
        return false;
    }
}

void CSearchEngines::CollectResults(IExamDocument& document) {
    const int section = search_.GetSection();
    const bool keep = section + 1 <= services_.userOptions.GetAutoKeep();
    const bool isLong = section + 1 <= services_.userOptions.GetAutoLong();
    const bool byApplication = services_.userOptions.GetMultiClassDuplicates() ||
                               services_.userOptions.GetDeleteDuplicates();
    // A search that has not run owns no marks: any that a file gave it would take its hits as
    // duplicates (or, with duplicate handling, drop them) and list every mark twice.
    if (!search_.HasRun())
        document.RemoveSearchMarks(search_.GetSearchId());
    int found = 0;
    std::string runDbs;
    // Without duplicate handling the hits of all databases go to the document in one merge.
    std::vector<std::pair<int, std::vector<std::uint32_t>>> hits;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const char code = dbCodes_[i];
        if (CORBA::is_nil(entries_[i].search) || failedDbs_.find(code) != std::string::npos)
            continue;
        std::vector<std::uint32_t> ids;
        if (!FetchIds(entries_[i], ids))
            continue;
        // Only databases whose ids were collected count towards the found total.
        found += static_cast<int>(ids.size());
        runDbs += code;
        if (ids.empty())
            continue;
        if (byApplication)
            AddByApplication(document, ids, code,
                             (keep ? CMark::kKept : 0u) | (isLong ? CMark::kLong : 0u));
        else
            hits.emplace_back(static_cast<unsigned char>(code), std::move(ids));
    }
    if (!hits.empty()) {
        std::vector<CRecordSet> sets;
        for (const auto& [code, ids] : hits)
            sets.push_back({code, ids});
        document.AddFoundMarks(sets, section, search_.GetSearchId(), keep, isLong);
    }
    const int count = document.CountMarks(MakeSearchIdFilter(search_.GetSearchId(), true, true));
    search_.AddResults(found, count, runDbs);
    document.SetSearchResults(search_);
    LogSearch(document);
}

void CSearchEngines::CollectWatchResults(IExamDocument& document,
                                         std::vector<CSearchResults>& results) {
    int found = 0;
    std::string runDbs;
    std::vector<std::uint32_t> ids;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const char code = dbCodes_[i];
        const auto target =
            std::find_if(results.rbegin(), results.rend(), [code](const CSearchResults& r) {
                return r.GetDbCode() == static_cast<unsigned char>(code);
            });
        if (CORBA::is_nil(entries_[i].search) || target == results.rend())
            continue;
        if (!FetchIds(entries_[i], ids))
            continue;
        found += static_cast<int>(ids.size());
        if (!ids.empty()) {
            target->BeginMerge(ids.size());
            target->MergeAdd(ids);
            target->EndMerge();
        }
        runDbs += code;
    }
    search_.AddResults(found, found, runDbs);
    document.ReplaceSearch(search_);
    LogSearch(document);
}

void CSearchEngines::AddByApplication(IExamDocument& document, std::span<const std::uint32_t> ids,
                                      char code, std::uint32_t flags) {
    if (services_.userOptions.GetMultiClassDuplicates())
        MapOntoExisting(document, ids, code, flags);
    else
        DropDuplicates(document, ids, code, flags);
}

std::vector<std::uint32_t> CSearchEngines::GetAppNumbers(char code,
                                                         std::span<const std::uint32_t> ids) {
    std::vector<std::uint32_t> numbers(ids.size());
    for (std::size_t at = 0; at < ids.size(); at += kAppNumSlice) {
        const std::size_t count = std::min(kAppNumSlice, ids.size() - at);
        services_.registers.SgesToAppNums(static_cast<unsigned char>(code), ids.subspan(at, count),
                                          std::span(numbers).subspan(at, count));
    }
    return numbers;
}

void CSearchEngines::DropDuplicates(IExamDocument& document, std::span<const std::uint32_t> ids,
                                    char code, std::uint32_t flags) {
    const int registerCode = static_cast<unsigned char>(code);
    const std::vector<std::uint32_t> numbers = GetAppNumbers(code, ids);
    std::unordered_set<std::uint32_t> existing;
    for (const CMark& mark : document.GetFilteredMarks(MakeRegisterFilter(registerCode, true)))
        if (IsKnownAppNumber(static_cast<std::uint32_t>(mark.GetAppNumber())))
            existing.insert(static_cast<std::uint32_t>(mark.GetAppNumber()));
    std::vector<CMark> marks;
    marks.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (!IsKnownAppNumber(numbers[i]) || !existing.contains(numbers[i]))
            marks.emplace_back(ids[i], registerCode, search_.GetSection(), search_.GetSearchId(),
                               static_cast<int>(numbers[i]), flags);
    document.MergeMarks(marks);
}

void CSearchEngines::MapOntoExisting(IExamDocument& document, std::span<const std::uint32_t> ids,
                                     char code, std::uint32_t flags) {
    const int registerCode = static_cast<unsigned char>(code);
    const std::vector<std::uint32_t> numbers = GetAppNumbers(code, ids);
    std::unordered_map<std::uint32_t, std::uint32_t> recordOfNumber;
    for (const CMark& mark : document.GetFilteredMarks(MakeRegisterFilter(registerCode, true)))
        if (IsKnownAppNumber(static_cast<std::uint32_t>(mark.GetAppNumber())))
            recordOfNumber.insert_or_assign(static_cast<std::uint32_t>(mark.GetAppNumber()),
                                            mark.GetRecordNumber());
    std::vector<CMark> marks;
    marks.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const auto existing = recordOfNumber.find(numbers[i]);
        const std::uint32_t record = existing == recordOfNumber.end() ? ids[i] : existing->second;
        marks.emplace_back(record, registerCode, search_.GetSection(), search_.GetSearchId(),
                           static_cast<int>(numbers[i]), flags);
    }
    std::sort(marks.begin(), marks.end());
    document.MergeMarks(marks);
}

void CSearchEngines::LogSearch(const IExamDocument& document) const {
    ZrAdmin_var admin = services_.repository.GetAdmin();
    if (CORBA::is_nil(admin))
        return;
    CTermMapper userWildcards;
    services_.userOptions.FillDisplayMapper(userWildcards);
    const std::string description =
        search_.GetDescription(true, &userWildcards, services_.registers.GetCriteriaWording());
    try {
        admin->LogSearch(services_.systemOptions.GetUserId().c_str(), document.GetClient().c_str(),
                         document.GetExamId().c_str(), description.c_str());
    } catch (const CORBA::Exception&) {
        // The log is the service's bookkeeping; its failure is nothing the user can act on.
    }
}
