#include "registers/EngineRegisterTable.h"

#include "engines/Repository.h"
#include "registers/ZrDb_Web.h"
#include "registers/ZrDbs.h"

#include <algorithm>

bool CEngineRegisterTable::IsKnownCode(int code) const {
    return table_.IsKnownCode(code);
}

std::string CEngineRegisterTable::GetDbCodes() const {
    return table_.GetDbCodes();
}

bool CEngineRegisterTable::HasRegister(int code) const {
    return table_.GetDb(code) != nullptr;
}

std::string CEngineRegisterTable::GetShortName(int code) const {
    const CZrDb* db = table_.GetDb(code);
    return db ? db->GetShortName() : std::string();
}

std::string CEngineRegisterTable::GetLongName(int code) const {
    const CZrDb* db = table_.GetDb(code);
    return db ? db->GetLongName() : std::string();
}

std::string CEngineRegisterTable::GetDbShortName(int code) const {
    return table_.GetDbShortName(code);
}

std::string CEngineRegisterTable::AddWebDb(const CZrDbEngine& engine) {
    CZrDb* db = table_.AddWebDb(CreateWebDb(table_, engine.GetDbCode(), engine));
    if (!db)
        return {};
    const CDbGroup* group = db->GetDbGroup();
    return group ? group->name : std::string();
}

void CEngineRegisterTable::AddDbGroupToSelection(int code) {
    table_.AddDbGroupToSelection(code);
}

bool CEngineRegisterTable::IsWebDb(int code) const {
    return table_.FindWebDb(code) != nullptr;
}

bool CEngineRegisterTable::HasWebDbs() const {
    return table_.HasWebDbs();
}

CZrDbEngine CEngineRegisterTable::GetDbEngine(int code) const {
    const CZrDb* db = table_.GetDb(code);
    return db ? db->GetDbEngine() : CZrDbEngine(code);
}

void CEngineRegisterTable::SetEngines(const CZrDbEngineSet& engines) {
    table_.SetEngines(engines);
}

std::string CEngineRegisterTable::GetConnectedDatabaseCodes() const {
    return table_.GetConnectedDatabaseCodes();
}

ZrEngineSearch_var CEngineRegisterTable::StartSearch(int code, const CSearch& search,
                                                     const std::string& client,
                                                     const std::string& examId, int oneClassOnly,
                                                     std::string& errorText) {
    CZrDb* db = table_.GetDb(code);
    if (!db) {
        errorText = "No register";
        return ZrEngineSearch::_nil();
    }
    ZrEngineSearch_var started = db->StartSearch(search, client, examId, oneClassOnly != 0);
    errorText = db->GetErrorText();
    return started;
}

bool CEngineRegisterTable::SgesToAppNums(int code, std::span<const std::uint32_t> ids,
                                         std::span<std::uint32_t> numbers) {
    std::fill(numbers.begin(), numbers.end(), 0u);
    CZrDb* db = table_.GetDb(code);
    if (!db)
        return false;
    const std::vector<std::uint32_t> answer = db->SgesToAppNums(ids);
    std::copy_n(answer.begin(), std::min(answer.size(), numbers.size()), numbers.begin());
    return db->GetErrorText().empty();
}

void RecordEngineChoices(CZrDbs& table, CZrRepository& repository) {
    table.SetEngineChoiceHook([&repository](int code, const CZrDbEngine& engine) {
        repository.SetPreferredEngine(code, engine);
    });
}
