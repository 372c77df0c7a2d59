#include "registers/DbCodes.h"

namespace {

constexpr std::string_view kSlotCodes = "aucskdiefptno01";

struct CShortName {
    char code;
    std::string_view name;
};

constexpr CShortName kShortNames[] = {
    {'0', "TUK"}, {'1', "TRW"}, {'a', "RW"},    {'c', "EUTM"}, {'d', "DE"},  {'e', "IE"},
    {'f', "FR"},  {'i', "IR"},  {'k', "UKDOM"}, {'n', "CA"},   {'o', "RCD"}, {'p', "PL"},
    {'s', "US"},  {'t', "AU"},  {'u', "UK"},    {'w', "WEB"},
};

} // namespace

int DbCodeToSlot(char code) {
    const auto slot = kSlotCodes.find(code);
    return code && slot != std::string_view::npos ? static_cast<int>(slot) : -1;
}

char DbSlotToCode(int slot) {
    return slot >= 0 && slot < static_cast<int>(kSlotCodes.size()) ? kSlotCodes[slot] : 0;
}

std::string_view GetCatalogueShortName(char code) {
    for (const CShortName& entry : kShortNames)
        if (entry.code == code)
            return entry.name;
    return "";
}

char MapDbCode(char engineCode) {
    return engineCode == 'I' ? 'i' : engineCode;
}
