#pragma once
// The document's registers (DocumentServices.h) over the program's register table.

#include "app/document/DocumentServices.h"

class CZrDbs;
class CZrDb;

class CTableRegisters : public IExamRegisters {
public:
    explicit CTableRegisters(CZrDbs& table) : table_(table) {}

    std::string CodeToString(char code, std::uint32_t value, int kind) const override;
    std::string GetDbCodes() const override;
    bool HasDb(char code) const override;
    std::string GetDbShortName(char code) const override;
    const CDbSelection& GetDbSelection() const override;
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
    std::vector<std::string> GetSystemSets(char code) const override;

private:
    CZrDb* Db(char code) const;

    CZrDbs& table_;
};
