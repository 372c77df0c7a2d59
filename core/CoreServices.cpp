#include "core/CoreServices.h"

#include "core/Mark.h"

#include <algorithm>

namespace {

class CStandInRegisters : public IRegisterServices {
public:
    std::uint64_t GetMarkKey(const CMark& mark) const override {
        return KeyOf(mark.GetRegisterCode(), mark.GetRecordNumber());
    }
    void GetMarkKeys(int registerCode, std::span<const std::uint32_t> recordNumbers,
                     std::span<std::uint64_t> keys) const override {
        std::transform(
            recordNumbers.begin(), recordNumbers.end(), keys.begin(),
            [registerCode](std::uint32_t record) { return KeyOf(registerCode, record); });
    }
    std::string GetConnectedDatabaseCodes() const override { return {}; }
    std::string GetDbShortNames(const std::string& codes) const override { return codes; }
    std::string GetShortName(char code) const override { return std::string("'") + code + "'"; }
    void DropLanguageDependentRecords() const override {}

private:
    static std::uint64_t KeyOf(int registerCode, std::uint32_t recordNumber) {
        return (std::uint64_t{static_cast<std::uint32_t>(registerCode)} << 32) | recordNumber;
    }
};

const CStandInRegisters kStandInRegisters;

const IRegisterServices* gRegisters = &kStandInRegisters;
IActiveExamination* gExamination = nullptr;

} // namespace

void IRegisterServices::GetMarkKeys(int registerCode, std::span<const std::uint32_t> recordNumbers,
                                    std::span<std::uint64_t> keys) const {
    std::transform(
        recordNumbers.begin(), recordNumbers.end(), keys.begin(),
        [&](std::uint32_t record) { return GetMarkKey(CMark(record, registerCode, 0, 0)); });
}

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
