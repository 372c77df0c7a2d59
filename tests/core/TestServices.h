#pragma once
// Stand-ins for the register table, the user settings and the active examination, installed
// for the lifetime of one object.

#include "core/CoreServices.h"
#include "core/Mark.h"

#include <cstdint>
#include <string>

class CTestServices : public IRegisterServices, public IUserSettings, public IActiveExamination {
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
    std::string GetDbShortNames(const std::string& codes) const override;

    int GetSortOrder() const override { return sortOrder; }
    bool GetHideDuplicates() const override { return hideDuplicates; }
    std::string GetDefaultStatus() const override { return defaultStatus; }

    CSearchList* GetActiveSearchList() override { return activeSearchList; }

    std::string connectedCodes = "uc";
    int sortOrder = 0;
    bool hideDuplicates = false;
    std::string defaultStatus = "rpla";
    CSearchList* activeSearchList = nullptr;
};
