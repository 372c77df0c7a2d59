#pragma once
// The report's view of the program's register table.

#include "registers/RegisterWording.h"
#include "report/job/ReportRegisters.h"

#include <map>

class CZrDb;
class CZrDbs;

class CZrDbsReportRegisters : public IReportRegisters {
public:
    explicit CZrDbsReportRegisters(CZrDbs& table) : table_(table) {}

    IReportDb* GetDb(int code) override;
    std::string GetDbShortNames(const std::string& codes) const override;
    std::string GetConnectedDatabaseCodes() const override;
    const CCriteriaWording& GetCriteriaWording() const override { return wording_; }

private:
    class CDb : public IReportDb {
    public:
        explicit CDb(CZrDb& db) : db_(db) {}

        std::string GetShortName() const override;
        std::string GetLongName() const override;
        CZrDate GetDataDate() const override;
        std::shared_ptr<const CZrData> GetTextRecord(const CMark& mark) override;
        std::string GetAppNumText(const CZrData& record) const override;
        std::string FormatMarkAppNum(const CMark& mark) const override;
        std::uint64_t GetSortKey(const CMark& mark) const override;
        bool IsDeviceMark(const CMark& mark) const override;
        int GetImageCount(const CMark& mark) override;
        bool GetImage(const CMark& mark, int index, std::uint32_t width, std::uint32_t height,
                      CPing& image) override;
        bool GetIcon(const CMark& mark, CPing& image) override;

    private:
        CZrDb& db_;
    };

    CZrDbs& table_;
    CRegisterWording wording_;
    // One view per register asked for; registers live as long as the table.
    std::map<const CZrDb*, CDb> views_;
};
