#include "TestServices.h"

#include "core/UserOptions.h"

CTestServices::CTestServices()
    : savedSortOrder_(TheUserOptions().GetSortOrder()),
      savedHideDuplicates_(TheUserOptions().GetHideDuplicates()),
      savedDefaultStatus_(TheUserOptions().GetDefaultStatus()) {
    InstallRegisterServices(this);
    InstallActiveExamination(this);
}

CTestServices::~CTestServices() {
    InstallRegisterServices(nullptr);
    InstallActiveExamination(nullptr);
    CUserOptions& options = TheUserOptions();
    options.SetSortOrder(savedSortOrder_);
    options.SetHideDuplicates(savedHideDuplicates_);
    options.SetDefaultStatus(savedDefaultStatus_);
}

std::string CTestServices::GetDbShortNames(const std::string& codes) const {
    std::string names;
    for (char code : codes) {
        if (!names.empty())
            names += ' ';
        names += GetShortName(code);
    }
    return names;
}
