#include "app/document/DatabaseCheck.h"

#include "app/document/DocumentServices.h"
#include "app/document/ZrDocData.h"
#include "core/MarkList.h"
#include "core/SearchList.h"

#include <algorithm>
#include <set>

namespace {

bool HasCode(const std::string& codes, int code) {
    return codes.find(static_cast<char>(code)) != std::string::npos;
}

bool SameLocation(std::uint32_t a, std::uint32_t b) {
    return ((a ^ b) & CZrDbEngine::kLocationMask) == 0;
}

const CDbInfo* FindSaved(const std::vector<CDbInfo>& saved, char code) {
    for (const CDbInfo& database : saved) {
        if (database.GetRegisterCode() == code)
            return &database;
    }
    return nullptr;
}

} // namespace

std::string CDatabaseCheck::DescribeDatabases(const std::string& codes,
                                              const std::vector<CDbInfo>& saved) const {
    std::string text;
    for (char code : codes) {
        if (!text.empty())
            text += ", ";
        text += registers_.GetDbShortName(code);
        const CDbInfo* database = FindSaved(saved, code);
        if (database && !database->GetFromDate().IsEmpty()) {
            text += '(';
            text += database->GetFromDate().Format();
            text += ')';
        }
    }
    return text;
}

CDbInfo SavedDatabase(char code, const CZrDbEngine& engine) {
    CDbInfo database;
    database.SetRegisterCode(code);
    database.SetDates(engine.GetDate2(), engine.GetDate());
    database.SetEngine(engine.GetName(), static_cast<int>(engine.GetFlags()));
    return database;
}

std::string CDatabaseCheck::CheckDatabases(const std::vector<CDbInfo>& saved,
                                           const std::string& skipCodes, bool ask) {
    std::string newer;
    std::string unavailable;
    std::string change;
    for (const CDbInfo& database : saved) {
        const char code = static_cast<char>(database.GetRegisterCode());
        if (HasCode(skipCodes, code))
            continue;
        const std::vector<CZrDbEngine> engines = repository_.GetEngines(code);
        bool stillThere = false;
        bool newerThere = false;
        for (const CZrDbEngine& engine : engines) {
            if (database.GetFromDate() < engine.GetDate()) {
                newerThere = true;
            } else if (engine.GetDate() == database.GetFromDate() &&
                       SameLocation(engine.GetFlags(), database.GetEngineVersion())) {
                stillThere = true;
                registers_.SwitchEngine(code, engine);
            }
        }
        if (stillThere) {
            if (newerThere) {
                newer += code;
                change += code;
            }
            continue;
        }
        unavailable += code;
        if (engines.size() > 1) {
            change += code;
            registers_.SwitchEngine(code, engines.front());
        }
    }

    const std::string newerText = newer.empty() ? std::string()
                                                : "There are more up to date versions of the " +
                                                      DescribeDatabases(newer, saved) +
                                                      " databases now available";
    if (!unavailable.empty()) {
        const std::string unavailableText =
            unavailable.size() == 1
                ? "The " + DescribeDatabases(unavailable, saved) +
                      " database that this examination was saved with is no longer available"
                : "The " + DescribeDatabases(unavailable, saved) +
                      " databases that this examination was saved with are no longer available";
        if (ask) {
            host_.ShowMessage(unavailableText + "\r\r" +
                              (newerText.empty() ? "" : newerText + "\r\r") +
                              "You need to select the databases to use");
            host_.ChangeEngines(change);
        } else {
            host_.ShowMessage(unavailableText);
        }
    } else if (!newer.empty() &&
               host_.AskYesNo(newerText + "\r\rDo you want to change the databases?")) {
        host_.ChangeEngines(change);
    }

    std::string changed;
    for (const CDbInfo& database : saved) {
        const char code = static_cast<char>(database.GetRegisterCode());
        if (!registers_.HasDb(code))
            continue;
        const CZrDbEngine engine = registers_.GetDbEngine(code);
        if (engine.GetDate() != database.GetToDate() ||
            !SameLocation(engine.GetFlags(), database.GetEngineVersion()))
            changed += code;
    }
    return changed;
}

void CDatabaseCheck::ResetChangedSearches(const std::string& changed, bool reset, CMarkList& marks,
                                          CSearchList& searches) {
    if (reset) {
        std::set<int> resetIds;
        for (int i = 0; i < searches.GetCount(); ++i) {
            const CSearch& search = searches.GetAt(i);
            const std::string& codes = search.GetDatabases();
            if (std::any_of(codes.begin(), codes.end(),
                            [&](char code) { return HasCode(changed, code); })) {
                resetIds.insert(search.GetSearchId());
                searches.ResetAt(i);
            }
        }
        // Unrun searches go behind the run ones of their section.
        searches.RestoreOrder();
        marks.RemoveSearches(resetIds);
    }
    for (char code : changed)
        ReidentifyMarks(code, marks);
    SortAndGroup(marks);
}

void CDatabaseCheck::ReidentifyMarks(char code, CMarkList& marks) {
    std::vector<int> indexes;
    for (int i = 0; i < marks.GetCount(); ++i) {
        if (marks.GetAt(i).GetRegisterCode() == code)
            indexes.push_back(i);
    }
    for (std::size_t first = 0; first < indexes.size(); first += kBatchSize) {
        const std::size_t count = std::min<std::size_t>(kBatchSize, indexes.size() - first);
        std::vector<std::uint32_t> recordNumbers(count);
        std::vector<int> appNumbers(count);
        for (std::size_t k = 0; k < count; ++k) {
            const CMark& mark = marks.GetAt(indexes[first + k]);
            recordNumbers[k] = mark.GetRecordNumber();
            appNumbers[k] = mark.GetAppNumber();
        }
        if (!registers_.AppNumsToSges(code, recordNumbers, appNumbers))
            continue;
        for (std::size_t k = 0; k < count; ++k) {
            CMark mark = marks.GetAt(indexes[first + k]);
            mark.SetRecordNumber(recordNumbers[k]);
            marks.SetAt(mark, indexes[first + k]);
        }
    }
}
