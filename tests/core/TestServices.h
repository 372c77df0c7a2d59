#pragma once
// Stand-ins for the register table and the active examination, installed for the lifetime of
// one object. The user settings the core reads (sort order, hide duplicates, default status)
// are set through TheUserOptions(); this object puts them back as it found them.

#include "core/CoreServices.h"
#include "core/Mark.h"

#include <cstdint>
#include <string>

class CTestServices : public IRegisterServices, public IActiveExamination {
public:
    CTestServices();
    ~CTestServices() override;
    CTestServices(const CTestServices&) = delete;
    CTestServices& operator=(const CTestServices&) = delete;

    // Keys that drop the record number's lowest bit, as real registers drop some bits, so that
    // two records can share a key.
    std::uint64_t GetMarkKey(const CMark& mark) const override {
        return (std::uint64_t{static_cast<std::uint32_t>(mark.GetRegisterCode())} << 32) |
               (mark.GetRecordNumber() >> 1);
    }
    std::string GetConnectedDatabaseCodes() const override { return connectedCodes; }
    // "DB-" and the code, for each code.
    std::string GetDbShortNames(const std::string& codes) const override;
    std::string GetShortName(char code) const override { return std::string("DB-") + code; }
    void DropLanguageDependentRecords() const override { ++languageDrops; }

    CSearchList* GetActiveSearchList() override { return activeSearchList; }

    std::string connectedCodes = "uc";
    mutable int languageDrops = 0;
    CSearchList* activeSearchList = nullptr;

private:
    int savedSortOrder_;
    bool savedHideDuplicates_;
    std::string savedDefaultStatus_;
};
