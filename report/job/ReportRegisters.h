#pragma once
// What a report asks of the registers: the few operations of one register that its fields and
// images read, and the table's names and connected databases. The program answers over its
// register table (ZrDbsReportRegisters.h); tests and the fuzzer answer from memory.

#include "core/Mark.h"
#include "core/Ping.h"
#include "core/ZrData.h"
#include "core/ZrDate.h"

#include <cstdint>
#include <memory>
#include <string>

class CCriteriaWording;

class IReportDb {
public:
    virtual ~IReportDb() = default;

    virtual std::string GetShortName() const = 0;
    virtual std::string GetLongName() const = 0;
    virtual CZrDate GetDataDate() const = 0;

    // The mark's full record; null when it cannot be had.
    virtual std::shared_ptr<const CZrData> GetTextRecord(const CMark& mark) = 0;
    // The application-number text of a record.
    virtual std::string GetAppNumText(const CZrData& record) const = 0;
    // The application-number text of the mark's packed number.
    virtual std::string FormatMarkAppNum(const CMark& mark) const = 0;
    // Bits 22 and 23 of the key's high word hold the status.
    virtual std::uint64_t GetSortKey(const CMark& mark) const = 0;
    virtual bool IsDeviceMark(const CMark& mark) const = 0;

    // The number of images of the mark (0 for a word mark).
    virtual int GetImageCount(const CMark& mark) = 0;
    // Image `index` scaled to fit width by height; false when it cannot be had.
    virtual bool GetImage(const CMark& mark, int index, std::uint32_t width, std::uint32_t height,
                          CPing& image) = 0;
    virtual bool GetIcon(const CMark& mark, CPing& image) = 0;
};

class IReportRegisters {
public:
    virtual ~IReportRegisters() = default;

    // The register of the code; null when none.
    virtual IReportDb* GetDb(int code) = 0;
    // The short names of the codes' registers, sorted, separated by " ".
    virtual std::string GetDbShortNames(const std::string& codes) const = 0;
    // The codes, in table order, whose register has an engine.
    virtual std::string GetConnectedDatabaseCodes() const = 0;
    // The words of criteria summaries.
    virtual const CCriteriaWording& GetCriteriaWording() const = 0;
};
