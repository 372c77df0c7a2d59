#pragma once
// The register layer's words for the summary form of search criteria: register short names,
// status words and range texts.

#include "core/CriteriaWording.h"

class CRegisterWording : public CCriteriaWording {
public:
    std::string DbCodesToNames(const std::string& codes) const override;
    std::string StatusCodesToText(const std::string& letters, bool abbreviated) const override;
    std::string AppNumRangeToText(const CZrAppNum& from, const CZrAppNum& to) const override;
    std::string DateRangeToText(const CZrDate& from, const CZrDate& to) const override;
};
