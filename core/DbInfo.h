#pragma once
// One register's line of an examination: which data range and which engine produced the
// examination's marks of that register. The examination file stores one per register.

#include "core/ZrDate.h"

#include <string>

class CDbInfo {
public:
    CDbInfo() = default;
    CDbInfo(const CDbInfo&) = default;
    CDbInfo& operator=(const CDbInfo&) = default;
    virtual ~CDbInfo() = default;

    int GetRegisterCode() const { return registerCode_; }
    void SetRegisterCode(int registerCode) { registerCode_ = registerCode; }

    void SetDates(const CZrDate& from, const CZrDate& to) {
        dataFrom_ = from;
        dataTo_ = to;
    }
    CZrDate GetFromDate() const { return dataFrom_; }
    CZrDate GetToDate() const { return dataTo_; }

    void SetEngine(const std::string& name, int versionBits) {
        engineName_ = name;
        engineVersionBits_ = versionBits;
    }
    const std::string& GetEngineName() const { return engineName_; }
    int GetEngineVersion() const { return engineVersionBits_; }

private:
    int registerCode_ = 0;
    CZrDate dataFrom_;
    CZrDate dataTo_;
    std::string engineName_;
    int engineVersionBits_ = 0;
};
