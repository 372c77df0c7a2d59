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
    std::string GetShortName(char code) const override { return std::string("'") + code + "'"; }
    void DropLanguageDependentRecords() const override {}
};

const CStandInRegisters kStandInRegisters;

const IRegisterServices* gRegisters = &kStandInRegisters;
IActiveExamination* gExamination = nullptr;

} // namespace

void InstallRegisterServices(const IRegisterServices* services) {
    gRegisters = services ? services : &kStandInRegisters;
}

void InstallActiveExamination(IActiveExamination* examination) {
    gExamination = examination;
}

const IRegisterServices& GetRegisterServices() {
    return *gRegisters;
}
IActiveExamination* GetActiveExamination() {
    return gExamination;
}
