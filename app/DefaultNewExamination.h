#pragma once
// A new examination without the wizard: every connected database, with the examination
// defaults of the user settings.

#include "app/ZrDocManager.h"
#include "app/document/ZR2000Doc.h"

class CUserOptions;
class CZrDbs;

CNewExamination MakeDefaultExamination(const CUserOptions& user, const CZrDbs& table);

class CDefaultNewExamination : public INewExamination {
public:
    CDefaultNewExamination(const CUserOptions& user, const CZrDbs& table)
        : user_(user), table_(table) {}
    bool Run(CZR2000Doc& document) override;

private:
    const CUserOptions& user_;
    const CZrDbs& table_;
};
