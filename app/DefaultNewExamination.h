#pragma once
// A new examination without the wizard: every database the repository has an engine for, with
// the examination defaults of the user settings.

#include "app/ZrDocManager.h"
#include "app/document/ZR2000Doc.h"

class CUserOptions;
class CZrDbs;

// The databases of the codes that have an engine, selected in the catalogue.
CNewExamination MakeDefaultExamination(const CUserOptions& user, const IExamRepository& repository,
                                       const std::string& dbCodes, CDbSelection catalogue);

class CDefaultNewExamination : public INewExamination {
public:
    CDefaultNewExamination(const CUserOptions& user, const IExamRepository& repository,
                           const CZrDbs& table)
        : user_(user), repository_(repository), table_(table) {}
    bool Run(CZR2000Doc& document) override;

private:
    const CUserOptions& user_;
    const IExamRepository& repository_;
    const CZrDbs& table_;
};
