#include "ExamFakes.h"

#include "core/Mark.h"

CZrDbEngine MakeEngine(char code, const CZrDate& date, std::uint32_t flags,
                       const std::string& name) {
    return CZrDbEngine(code, flags, date, name, ZrEngine::_nil(), 0);
}

CZrDate MakeDate(int year, int month, int day) {
    return CZrDate(static_cast<std::uint32_t>(day + (month << 8) + (year << 16)));
}

CFakeRegisters::CFakeRegisters() {
    InstallRegisterServices(this);
}

CFakeRegisters::~CFakeRegisters() {
    InstallRegisterServices(nullptr);
}

CZrDbEngine CFakeRegisters::GetDbEngine(char code) const {
    const auto found = engines.find(code);
    return found == engines.end() ? CZrDbEngine(code) : found->second;
}

void CFakeRegisters::SetEngine(char code, const CZrDbEngine& engine,
                               const std::string& restriction) {
    engines.insert_or_assign(code, engine);
    restrictions[code] = restriction;
}

void CFakeRegisters::SwitchEngine(char code, const CZrDbEngine& engine) {
    engines.insert_or_assign(code, engine);
    switches.push_back(std::string(1, code) + ":" + engine.GetName());
}

void CFakeRegisters::SetEngines(const CZrDbEngineSet& set) {
    for (char code : set.GetCodes()) {
        CZrDbEngine engine(code);
        std::string restriction;
        set.GetEngine(code, engine, restriction);
        SetEngine(code, engine, restriction);
    }
}

bool CFakeRegisters::SgesToAppNums(char, std::span<const std::uint32_t> recordNumbers,
                                   std::span<int> appNumbers) {
    appNumberCalls.push_back(recordNumbers.size());
    for (std::size_t i = 0; i < recordNumbers.size(); ++i)
        appNumbers[i] = static_cast<int>(recordNumbers[i]) + appNumberOffset;
    return true;
}

bool CFakeRegisters::AppNumsToSges(char, std::span<std::uint32_t> recordNumbers,
                                   std::span<const int> appNumbers) {
    recordCalls.push_back(recordNumbers.size());
    for (std::size_t i = 0; i < recordNumbers.size(); ++i)
        recordNumbers[i] = static_cast<std::uint32_t>(appNumbers[i]) + newRecordOffset;
    return true;
}

bool CFakeRegisters::CaveatSearch(char, const std::string&, const std::string&, const std::string&,
                                  std::vector<std::uint32_t>& recordNumbers, std::span<const int>) {
    caveatCalls.push_back(recordNumbers.size());
    if (caveatFails)
        return false;
    // The even records changed, found in the reverse order.
    std::vector<std::uint32_t> changed;
    for (auto it = recordNumbers.rbegin(); it != recordNumbers.rend(); ++it) {
        if (*it % 2 == 0)
            changed.push_back(*it);
    }
    recordNumbers = changed;
    return true;
}

std::string CFakeRegisters::CodeToString(char code, std::uint32_t value, int kind) const {
    return std::string(1, code) + std::to_string(kind) + "-" + std::to_string(value);
}

std::vector<std::string> CFakeRegisters::GetSystemSets(char code) const {
    const auto found = systemSets.find(code);
    return found == systemSets.end() ? std::vector<std::string>() : found->second;
}

std::uint64_t CFakeRegisters::GetMarkKey(const CMark& mark) const {
    return (std::uint64_t{static_cast<std::uint32_t>(mark.GetRegisterCode())} << 32) |
           mark.GetRecordNumber();
}

std::vector<CZrDbEngine> CFakeRepository::GetEngines(char code) const {
    const auto found = engines.find(code);
    return found == engines.end() ? std::vector<CZrDbEngine>() : found->second;
}

CZrDbEngine CFakeRepository::GetPreferredEngine(char code) const {
    const auto found = engines.find(code);
    return found == engines.end() || found->second.empty() ? CZrDbEngine(code)
                                                           : found->second.front();
}

void CFakeRepository::LogSearch(const std::string& userId, const std::string& client,
                                const std::string& examId, const std::string& text) {
    logged.push_back(userId + "|" + client + "|" + examId + "|" + text);
}
