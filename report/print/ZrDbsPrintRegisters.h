#pragma once
// Printing's view of the program's register table.

#include "registers/RegisterWording.h"
#include "report/print/PrintRegisters.h"

#include <map>

class CZrDb;
class CZrDbs;

class CZrDbsPrintRegisters : public IPrintRegisters {
public:
    explicit CZrDbsPrintRegisters(CZrDbs& table) : table_(table) {}

    IPrintDb* GetDb(int code) override;
    std::string GetConnectedDatabaseCodes() const override;
    const CCriteriaWording& GetCriteriaWording() const override { return wording_; }

private:
    class CDb : public IPrintDb {
    public:
        explicit CDb(CZrDb& db) : db_(db) {}

        std::string GetShortName() const override;
        std::string GetLongName() const override;
        std::vector<std::string> GetSummaryLines(const CMark& mark) override;
        std::string GetWordMark(const CMark& mark, bool& greek) override;
        std::string GetClasses(const CMark& mark) override;
        std::string GetMarkAppNum(const CMark& mark) override;
        bool HasRecord(const CMark& mark) override;
        void FetchSummaries(std::span<const CMark> marks) override;
        void PresentRecord(const CMark& mark, CPresenter& output, std::uint32_t flags) override;
        int GetImageCount(const CMark& mark) override;
        bool GetImage(const CMark& mark, int index, int box, CPing& image) override;
        bool GetIcon(const CMark& mark, CPing& image) override;
        std::string GetImageStyle(const CMark& mark) override;

    private:
        CZrDb& db_;
    };

    CZrDbs& table_;
    CRegisterWording wording_;
    // One view per register asked for; registers live as long as the table.
    std::map<const CZrDb*, CDb> views_;
};
