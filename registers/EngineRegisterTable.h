#pragma once
// The register table as engine discovery, search runs and the engine and database choices reach
// it (engines/RegisterTable.h). Registers of codes the program has not built in are web registers
// described by their engine's layout.

#include "engines/RegisterTable.h"
#include "registers/RegisterWording.h"

class CZrDbs;
class CZrRepository;

class CEngineRegisterTable : public IRegisterTable {
public:
    explicit CEngineRegisterTable(CZrDbs& table) : table_(table) {}

    bool IsKnownCode(int code) const override;
    std::string GetDbCodes() const override;
    bool HasRegister(int code) const override;
    std::string GetShortName(int code) const override;
    std::string GetLongName(int code) const override;
    std::string GetDbShortName(int code) const override;
    const CCriteriaWording& GetCriteriaWording() const override { return wording_; }
    std::string AddWebDb(const CZrDbEngine& engine) override;
    void AddDbGroupToSelection(int code) override;
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

private:
    CZrDbs& table_;
    CRegisterWording wording_;
};

// Every engine a register of the table takes becomes the repository's preferred engine of its
// database, kept for the user's next login.
void RecordEngineChoices(CZrDbs& table, CZrRepository& repository);
