#include "testsvc/data/Registers.h"

#include <cstdio>

namespace {

const std::vector<std::string> kEuCountries = {
    "AT", "BE", "BX", "CS", "CY", "CZ", "DD", "DE", "DK", "EE", "ES", "FI", "FR", "GB",
    "GR", "HU", "IE", "IT", "LT", "LU", "LV", "NL", "PL", "PT", "SE", "SI", "SK"};

std::string Format(const char* format, std::uint64_t value) {
    char text[40];
    std::snprintf(text, sizeof text, format, static_cast<unsigned long long>(value));
    return text;
}

} // namespace

char StatusLetter(MarkStatus status) {
    static const char letters[] = {'r', 'l', 'p', 'a'};
    return letters[static_cast<int>(status)];
}

const char* StatusWord(MarkStatus status) {
    static const char* const words[] = {"Registered", "Lapsed", "Pending", "Abandoned"};
    return words[static_cast<int>(status)];
}

const std::vector<RegisterInfo>& ServedRegisters() {
    static const std::vector<RegisterInfo> registers = {
        {'a', "RW", IdLayout::Standard, kReservedWords | kJournal, {}},
        {'c', "EUTM", IdLayout::Standard, kHasSound | kHasLanguages | kDuplicates, kEuCountries},
        {'d', "DE", IdLayout::Standard, 0, {"DD", "DE"}},
        {'e', "IE", IdLayout::Standard, kSerialNumbers, {"IE"}},
        {'i', "IR", IdLayout::Standard, kMadrid, {}},
        {'k', "UKDOM", IdLayout::Domain, kDomains, {"GB"}},
        {'n', "CA", IdLayout::DeviceBit0, kHasSound, {"CA"}},
        {'o', "RCD", IdLayout::Standard, kDesigns | kHasLanguages, kEuCountries},
        {'p', "PL", IdLayout::Standard, kSerialNumbers, {"PL"}},
        {'s', "US", IdLayout::Standard, kSerialNumbers, {"US"}},
        {'t', "AU", IdLayout::DeviceBit0, kHasSound, {"AU"}},
        {'u', "UK", IdLayout::Standard, kJournal | kDuplicates, {"GB"}},
        {'w', "WT", IdLayout::Web, 0, {"XA", "XB"}},
    };
    return registers;
}

const RegisterInfo* FindRegister(char code) {
    for (const RegisterInfo& info : ServedRegisters())
        if (info.code == code)
            return &info;
    return nullptr;
}

std::uint32_t MakeRecordId(IdLayout layout, std::uint32_t seq, MarkStatus status, bool device) {
    const std::uint32_t statusBits = static_cast<std::uint32_t>(status);
    switch (layout) {
    case IdLayout::Domain:
        return seq << 3;
    case IdLayout::Web:
        return (statusBits << 29) | ((seq & 0x0FFFFFFF) << 1) | (device ? 1u : 0u);
    case IdLayout::Standard:
    case IdLayout::DeviceBit0:
        break;
    }
    const std::uint32_t sequence = ((seq & 0x3FFFF) << 4) | (((seq >> 18) & 0x7F) << 24);
    const std::uint32_t deviceBit = layout == IdLayout::DeviceBit0 ? 0x1 : 0x8;
    return sequence | (statusBits << 22) | (device ? deviceBit : 0u);
}

AppNumber MakeAppNumber(const RegisterInfo& info, std::uint32_t n) {
    switch (info.code) {
    case 'u':
        if (n % 25 == 0) // an international designation, written with M
            return {Format("M%llu", 1000 + n), (8000000 + 1000 + n) << 8, 1000 + n, ""};
        return {Format("%07llu", 2000000 + n), (2000000 + n) << 8, 2000000 + n, ""};
    case 'c':
        return {Format("%09llu", 10000 + n), (10000 + n) << 8, 10000 + n, ""};
    case 's':
        return {Format("%08llu", 75000000 + n), (75000000 + n) | 0x80000000u, 75000000 + n,
                Format("%llu", 3000000 + n)};
    case 'd': {
        const std::uint32_t v = 100 + n;
        return {Format("30201%07llu", v), (v << 6) | 61, 302010000000ull + v, ""};
    }
    case 'e':
        return {Format("%llu", 200000 + n), (200000 + n) << 7, 200000 + n, ""};
    case 'i':
        return {Format("%llu", 800000 + n), (800000 + n) << 8, 800000 + n, ""};
    case 'p':
        return {Format("PL%06llu", 100000 + n), 0x80000000u | ((100000 + n) << 8), 100000 + n, ""};
    case 'o': {
        // Three designs to an application: number-design.
        const std::uint32_t application = 1000 + (n - 1) / 3;
        const std::uint32_t design = (n - 1) % 3 + 1;
        return {Format("%09llu", application) + Format("-%04llu", design),
                (application << 10) | design, application, ""};
    }
    case 'n':
        return {Format("%07llu", 1500000 + n), (1500000 + n) << 8, 1500000 + n, ""};
    case 't':
        return {Format("%llu", 1000000 + n), (1000000 + n) << 8, 1000000 + n, ""};
    case 'a':
        return {Format("%04llu", n), n << 8, n, ""};
    case 'k':
        return {Format("%llu", 5000 + n), 5000 + n, 5000 + n, ""};
    default:
        return {Format("%llu", 40000 + n), (40000 + n) << 8, 40000 + n, ""};
    }
}

std::uint64_t MainNumberOf(const std::string& text) {
    std::uint64_t value = 0;
    bool digitSeen = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            digitSeen = true;
        } else if (digitSeen && (c == '-' || c == '_' || c == '/')) {
            break;
        }
    }
    return value;
}
