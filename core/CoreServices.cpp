#include "core/CoreServices.h"

#include "core/Mark.h"

namespace {

class CStandInRegisters : public IRegisterServices {
public:
    std::uint64_t GetMarkKey(const CMark& mark) const override {
        return (std::uint64_t{static_cast<std::uint32_t>(mark.GetRegisterCode())} << 32) |
               mark.GetRecordNumber();
    }
    std::string GetConnectedDatabaseCodes() const override { return {}; }
    std::string GetDbShortNames(const std::string& codes) const override { return codes; }
};

class CStandInSettings : public IUserSettings {
public:
    int GetSortOrder() const override { return 0; }
    bool GetHideDuplicates() const override { return false; }
    std::string GetDefaultStatus() const override { return "rpla"; }
};

const CStandInRegisters kStandInRegisters;
const CStandInSettings kStandInSettings;

const IRegisterServices* gRegisters = &kStandInRegisters;
const IUserSettings* gSettings = &kStandInSettings;
IActiveExamination* gExamination = nullptr;

} // namespace

void InstallRegisterServices(const IRegisterServices* services) {
    gRegisters = services ? services : &kStandInRegisters;
}

void InstallUserSettings(const IUserSettings* settings) {
    gSettings = settings ? settings : &kStandInSettings;
}

void InstallActiveExamination(IActiveExamination* examination) {
    gExamination = examination;
}

const IRegisterServices& GetRegisterServices() {
    return *gRegisters;
}
const IUserSettings& GetUserSettings() {
    return *gSettings;
}
IActiveExamination* GetActiveExamination() {
    return gExamination;
}
