#pragma once
// Stand-ins for what the examination document asks of the program: registers and engines held
// as plain data and views that record what they were told (the host is FakeDocumentHost.h).

#include "app/document/DocumentServices.h"
#include "core/CoreServices.h"
#include "tests/support/FakeDocumentHost.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// An engine without a remote object, told apart by its name.
CZrDbEngine MakeEngine(char code, const CZrDate& date, std::uint32_t flags,
                       const std::string& name);
CZrDate MakeDate(int year, int month, int day);

class CFakeRegisters : public IExamRegisters, public IRegisterServices {
public:
    // Installed as the core's register services for its lifetime.
    CFakeRegisters();
    ~CFakeRegisters() override;
    CFakeRegisters(const CFakeRegisters&) = delete;
    CFakeRegisters& operator=(const CFakeRegisters&) = delete;

    std::string GetDbCodes() const override { return "aucsideptnko01"; }
    bool HasDb(char code) const override { return known.count(code) != 0; }
    std::string GetDbShortName(char code) const override { return std::string("DB-") + code; }
    const CDbSelection& GetDbSelection() const override { return catalogue; }
    CZrDbEngine GetDbEngine(char code) const override;
    void SetEngine(char code, const CZrDbEngine& engine, const std::string& restriction) override;
    void SwitchEngine(char code, const CZrDbEngine& engine) override;
    void SetEngines(const CZrDbEngineSet& engines) override;
    bool SgesToAppNums(char code, std::span<const std::uint32_t> recordNumbers,
                       std::span<int> appNumbers) override;
    bool AppNumsToSges(char code, std::span<std::uint32_t> recordNumbers,
                       std::span<const int> appNumbers) override;
    bool CaveatSearch(char code, const std::string& client, const std::string& examId,
                      const std::string& setName, std::vector<std::uint32_t>& recordNumbers,
                      std::span<const int> appNumbers) override;
    std::string CodeToString(char code, std::uint32_t value, int kind) const override;
    std::vector<std::string> GetSystemSets(char code) const override;

    std::uint64_t GetMarkKey(const CMark& mark) const override;
    std::string GetConnectedDatabaseCodes() const override { return connectedCodes; }
    std::string GetDbShortNames(const std::string& codes) const override { return codes; }
    std::string GetShortName(char code) const override { return GetDbShortName(code); }
    void DropLanguageDependentRecords() const override {}

    std::set<char> known{'a', 'u', 'c', 's', 'i', 'd', 'e', 'p', 't', 'n', 'k', 'o', '0', '1'};
    std::string connectedCodes = "uc";
    CDbSelection catalogue;
    std::map<char, CZrDbEngine> engines;
    std::map<char, std::string> restrictions;
    // "code:engine name" of every switch, in order.
    std::vector<std::string> switches;
    // Application number = record number + offset; the reverse for re-identification.
    int appNumberOffset = 1000;
    std::uint32_t newRecordOffset = 0;
    // Batch sizes of the calls, in order.
    std::vector<std::size_t> appNumberCalls;
    std::vector<std::size_t> recordCalls;
    std::vector<std::size_t> caveatCalls;
    bool caveatFails = false;
    std::map<char, std::vector<std::string>> systemSets;
};

class CFakeRepository : public IExamRepository {
public:
    std::vector<CZrDbEngine> GetEngines(char code) const override;
    CZrDbEngine GetPreferredEngine(char code) const override;
    void LogSearch(const std::string& userId, const std::string& client, const std::string& examId,
                   const std::string& text) override;

    std::map<char, std::vector<CZrDbEngine>> engines;
    std::vector<std::string> logged;
};

class CRecordingView : public IDocumentView {
public:
    void OnUpdate(IDocumentView*, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};
