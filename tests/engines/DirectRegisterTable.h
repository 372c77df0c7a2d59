#pragma once
// A register table for tests that drives the engines directly: every code has a register named
// by the catalogue, which searches and converts numbers on the engine it was given. Web
// registers are made for unknown codes and remembered, with the catalogue groups added.

#include "core/CriteriaWording.h"
#include "engines/RegisterTable.h"

#include <map>
#include <string>
#include <vector>

class CDirectRegisterTable : public IRegisterTable {
public:
    CDirectRegisterTable();

    bool IsKnownCode(int code) const override { return registers_.contains(code); }
    std::string GetDbCodes() const override { return codes_; }
    bool HasRegister(int code) const override { return registers_.contains(code); }
    std::string GetShortName(int code) const override;
    std::string GetLongName(int code) const override;
    std::string GetDbShortName(int code) const override;
    const CCriteriaWording& GetCriteriaWording() const override { return wording_; }
    std::string AddWebDb(const CZrDbEngine& engine) override;
    void AddDbGroupToSelection(int code) override { groupsAdded_.push_back(code); }
    bool IsWebDb(int code) const override;
    bool HasWebDbs() const override;
    CZrDbEngine GetDbEngine(int code) const override;
    void SetEngines(const CZrDbEngineSet& engines) override;
    std::string GetConnectedDatabaseCodes() const override;
    ZrEngineSearch_var StartSearch(int code, const CSearch& search, const std::string& client,
                                   const std::string& examId, int oneClassOnly,
                                   std::string& errorText) override;
    bool SgesToAppNums(int code, std::span<const std::uint32_t> ids,
                       std::span<std::uint32_t> numbers) override;

    // What discovery did.
    const std::vector<int>& GetGroupsAdded() const { return groupsAdded_; }
    int GetAppNumCalls() const { return appNumCalls_; }
    std::size_t GetLargestAppNumSlice() const { return largestSlice_; }
    // The criteria text of the last search started, per code.
    std::string GetLastEngineText(int code) const;

private:
    struct Register {
        std::string shortName;
        std::string longName;
        bool web = false;
        CZrDbEngine engine{0};
        std::string restriction;
        std::string lastEngineText;
    };
    class CWording : public CCriteriaWording {
    public:
        std::string DbCodesToNames(const std::string& codes) const override { return codes; }
        std::string StatusCodesToText(const std::string& letters, bool) const override {
            return letters;
        }
        std::string AppNumRangeToText(const CZrAppNum&, const CZrAppNum&) const override {
            return {};
        }
        std::string DateRangeToText(const CZrDate&, const CZrDate&) const override { return {}; }
    };

    std::map<int, Register> registers_;
    std::string codes_;
    std::vector<int> groupsAdded_;
    CWording wording_;
    int appNumCalls_ = 0;
    std::size_t largestSlice_ = 0;
};

// The engines the repository chose, given to the table's registers.
class CZrRepository;
void ConnectRegisters(CDirectRegisterTable& table, const CZrRepository& repository);
