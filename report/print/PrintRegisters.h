#pragma once
// What printing asks of the registers: a mark's texts, images and details, and the names of
// the connected databases for the page heading. The program answers over its register table
// (ZrDbsPrintRegisters.h); tests may answer from memory.

#include "core/Mark.h"
#include "core/Ping.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CCriteriaWording;
class CPresenter;

class IPrintDb {
public:
    virtual ~IPrintDb() = default;

    virtual std::string GetShortName() const = 0;
    virtual std::string GetLongName() const = 0;

    // The texts of the mark's title line: number, date, status and per register a fourth.
    virtual std::vector<std::string> GetSummaryLines(const CMark& mark) = 0;
    // The word mark; greek tells that it is Greek text.
    virtual std::string GetWordMark(const CMark& mark, bool& greek) = 0;
    virtual std::string GetClasses(const CMark& mark) = 0;
    virtual std::string GetMarkAppNum(const CMark& mark) = 0;
    // Whether the mark's record can be had; the register keeps it in its cache.
    virtual bool HasRecord(const CMark& mark) = 0;
    // Reads the summary records of many marks of the register into its cache.
    virtual void FetchSummaries(std::span<const CMark> marks) = 0;
    // The mark's details as labelled rows, as the presentation flags ask.
    virtual void PresentRecord(const CMark& mark, CPresenter& output, std::uint32_t flags) = 0;

    // The number of the mark's images: 0 for a word mark.
    virtual int GetImageCount(const CMark& mark) = 0;
    // Image `index` as PNG, scaled by the register to fit the box; false when it cannot be had.
    virtual bool GetImage(const CMark& mark, int index, int box, CPing& image) = 0;
    // The record's icon as PNG; false when it has none.
    virtual bool GetIcon(const CMark& mark, CPing& image) = 0;
    // How the record describes its device ("Figurative", ...).
    virtual std::string GetImageStyle(const CMark& mark) = 0;
};

class IPrintRegisters {
public:
    virtual ~IPrintRegisters() = default;

    // The register of the code; null when none.
    virtual IPrintDb* GetDb(int code) = 0;
    // The codes, in table order, whose register has an engine.
    virtual std::string GetConnectedDatabaseCodes() const = 0;
    // The words of criteria: database names, statuses, ranges.
    virtual const CCriteriaWording& GetCriteriaWording() const = 0;
};
