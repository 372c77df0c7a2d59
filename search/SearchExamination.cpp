#include "search/SearchExamination.h"

#include "app/document/ZrDocData.h"
#include "registers/ZrDb.h"
#include "registers/ZrDbs.h"

#include <algorithm>

namespace {

const CZrDb* RegisterOf(const CZrDbs& table, char code) {
    return table.GetDb(static_cast<unsigned char>(code));
}

} // namespace

std::string CTableSearchExamination::GetConnectedDatabaseCodes() const {
    return document_ ? table_.GetConnectedDatabaseCodes() : std::string();
}

const CDbSelection& CTableSearchExamination::GetDbSelection() const {
    return document_ ? document_->GetDbSelection() : noSelection_;
}

std::vector<std::string> CTableSearchExamination::GetSetNames() const {
    std::vector<std::string> names;
    for (const char code : GetConnectedDatabaseCodes())
        if (const CZrDb* db = RegisterOf(table_, code))
            for (const std::string& name : db->GetSystemSets())
                if (std::find(names.begin(), names.end(), name) == names.end())
                    names.push_back(name);
    return names;
}

bool CTableSearchExamination::HasRegister(char code) const {
    return RegisterOf(table_, code) != nullptr;
}

std::string CTableSearchExamination::GetLongName(char code) const {
    const CZrDb* db = RegisterOf(table_, code);
    return db ? db->GetLongName() : std::string();
}

std::string CTableSearchExamination::GetAppNumPattern(char code) const {
    const CZrDb* db = RegisterOf(table_, code);
    return db ? db->GetAppNumPattern() : std::string();
}

std::vector<std::string> CTableSearchExamination::GetCountryCodes(char code) const {
    const CZrDb* db = RegisterOf(table_, code);
    return db ? db->GetCountryCodes() : std::vector<std::string>();
}
