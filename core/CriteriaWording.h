#pragma once
// The words that the summary form of search criteria shows for register codes, status letters
// and ranges. The register layer supplies them; criteria only ask.

#include <string>

class CZrAppNum;
class CZrDate;

class CCriteriaWording {
public:
    virtual ~CCriteriaWording() = default;

    // The short names of the registers whose codes occur, in the registers' fixed order.
    virtual std::string DbCodesToNames(const std::string& codes) const = 0;
    // The status words of the letters r, p, l, a, full or abbreviated.
    virtual std::string StatusCodesToText(const std::string& letters, bool abbreviated) const = 0;
    // Empty when both are empty, one text when equal, else from-to.
    virtual std::string AppNumRangeToText(const CZrAppNum& from, const CZrAppNum& to) const = 0;
    virtual std::string DateRangeToText(const CZrDate& from, const CZrDate& to) const = 0;
};
