#include "TestServices.h"

CTestServices::CTestServices() {
    InstallRegisterServices(this);
    InstallUserSettings(this);
    InstallActiveExamination(this);
}

CTestServices::~CTestServices() {
    InstallRegisterServices(nullptr);
    InstallUserSettings(nullptr);
    InstallActiveExamination(nullptr);
}

std::string CTestServices::GetDbShortNames(const std::string& codes) const {
    std::string names;
    for (char code : codes) {
        if (!names.empty())
            names += ' ';
        names += std::string("DB-") + code;
    }
    return names;
}
