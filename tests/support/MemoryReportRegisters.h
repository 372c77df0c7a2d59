#pragma once
// Registers for reports answered from memory: each register's names and date, its marks'
// records, images and icons as a test or the fuzzer sets them. A mark with images or an icon
// is a device mark. The status (for QSTATUS) is bits 22 and 23 of the record number, as in the
// built-in registers.

#include "registers/RegisterWording.h"
#include "report/job/ReportRegisters.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

class CMemoryReportDb : public IReportDb {
public:
    using Fields = std::vector<std::pair<std::string, std::string>>;

    // The record of a record number, made of text fields.
    void SetRecord(std::uint32_t recordNumber, const Fields& fields);

    std::string GetShortName() const override { return shortName; }
    std::string GetLongName() const override { return longName; }
    CZrDate GetDataDate() const override { return dataDate; }
    std::shared_ptr<const CZrData> GetTextRecord(const CMark& mark) override;
    // The record's APPNUM field.
    std::string GetAppNumText(const CZrData& record) const override;
    // The packed number in decimal.
    std::string FormatMarkAppNum(const CMark& mark) const override;
    std::uint64_t GetSortKey(const CMark& mark) const override;
    bool IsDeviceMark(const CMark& mark) const override;
    int GetImageCount(const CMark& mark) override;
    bool GetImage(const CMark& mark, int index, std::uint32_t width, std::uint32_t height,
                  CPing& image) override;
    bool GetIcon(const CMark& mark, CPing& image) override;

    std::string shortName;
    std::string longName;
    CZrDate dataDate;
    std::map<std::uint32_t, std::shared_ptr<const CZrData>> records;
    // PNG bytes of each image and of the icon, by record number.
    std::map<std::uint32_t, std::vector<std::vector<std::uint8_t>>> images;
    std::map<std::uint32_t, std::vector<std::uint8_t>> icons;
    // Every image asked for: "record:index widthxheight".
    std::vector<std::string> imageRequests;
};

class CMemoryReportRegisters : public IReportRegisters {
public:
    CMemoryReportDb& Add(char code, const std::string& shortName, const std::string& longName);

    IReportDb* GetDb(int code) override;
    // The codes themselves.
    std::string GetDbShortNames(const std::string& codes) const override { return codes; }
    std::string GetConnectedDatabaseCodes() const override { return connected; }
    const CCriteriaWording& GetCriteriaWording() const override { return wording_; }

    std::string connected;

private:
    std::map<int, CMemoryReportDb> dbs_;
    CRegisterWording wording_;
};
