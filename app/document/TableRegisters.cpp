#include "app/document/TableRegisters.h"

#include "engines/RegisterTable.h"
#include "registers/ZrDbs.h"

#include <algorithm>

CZrDb* CTableRegisters::Db(char code) const {
    return table_.GetDb(static_cast<unsigned char>(code));
}

std::string CTableRegisters::CodeToString(char code, std::uint32_t value, int kind) const {
    CZrDb* db = Db(code);
    return db ? db->CodeToString(value, static_cast<std::uint32_t>(kind)) : std::string();
}

std::string CTableRegisters::GetDbCodes() const {
    return kBuiltInDbCodes;
}

bool CTableRegisters::HasDb(char code) const {
    return Db(code) != nullptr;
}

std::string CTableRegisters::GetDbShortName(char code) const {
    return table_.GetDbShortName(static_cast<unsigned char>(code));
}

const CDbSelection& CTableRegisters::GetDbSelection() const {
    return table_.GetDbSelection();
}

CZrDbEngine CTableRegisters::GetDbEngine(char code) const {
    const CZrDb* db = Db(code);
    return db ? db->GetDbEngine() : CZrDbEngine(static_cast<unsigned char>(code));
}

void CTableRegisters::SetEngine(char code, const CZrDbEngine& engine,
                                const std::string& restriction) {
    if (CZrDb* db = Db(code))
        db->SetEngine(engine, restriction);
}

void CTableRegisters::SwitchEngine(char code, const CZrDbEngine& engine) {
    if (CZrDb* db = Db(code))
        db->SwitchEngine(engine);
}

void CTableRegisters::SetEngines(const CZrDbEngineSet& engines) {
    table_.SetEngines(engines);
}

bool CTableRegisters::SgesToAppNums(char code, std::span<const std::uint32_t> recordNumbers,
                                    std::span<int> appNumbers) {
    std::fill(appNumbers.begin(), appNumbers.end(), 0);
    CZrDb* db = Db(code);
    if (!db)
        return false;
    const std::vector<std::uint32_t> answer = db->SgesToAppNums(recordNumbers);
    std::transform(answer.begin(), answer.begin() + std::min(answer.size(), appNumbers.size()),
                   appNumbers.begin(),
                   [](std::uint32_t number) { return static_cast<int>(number); });
    return db->GetErrorText().empty();
}

bool CTableRegisters::AppNumsToSges(char code, std::span<std::uint32_t> recordNumbers,
                                    std::span<const int> appNumbers) {
    CZrDb* db = Db(code);
    if (!db)
        return false;
    // The engine looks the packed numbers up; the old record numbers go with them as hit values.
    std::vector<std::uint32_t> ids(appNumbers.begin(), appNumbers.end());
    const std::vector<std::uint32_t> hitValues(recordNumbers.begin(), recordNumbers.end());
    db->AppNumsToSges(ids, hitValues);
    if (!db->GetErrorText().empty())
        return false;
    std::copy_n(ids.begin(), std::min(ids.size(), recordNumbers.size()), recordNumbers.begin());
    return true;
}

bool CTableRegisters::CaveatSearch(char code, const std::string& client, const std::string& examId,
                                   const std::string& setName,
                                   std::vector<std::uint32_t>& recordNumbers,
                                   std::span<const int> appNumbers) {
    CZrDb* db = Db(code);
    if (!db)
        return false;
    const std::vector<std::uint32_t> hitValues(appNumbers.begin(), appNumbers.end());
    return db->CaveatSearch(client, examId, setName, recordNumbers, hitValues);
}

std::vector<std::string> CTableRegisters::GetSystemSets(char code) const {
    const CZrDb* db = Db(code);
    return db ? db->GetSystemSets() : std::vector<std::string>();
}
