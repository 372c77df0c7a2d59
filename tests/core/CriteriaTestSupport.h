#pragma once
// Shared by the criteria tests: the register wording they show, and a full dump of criteria for
// comparing two of them member by member.

#include "core/CriteriaWording.h"

#include <string>

class CCriteria;

// The register layer's wording, reduced to what the tests need: codes and letters spelled out.
class CTestWording : public CCriteriaWording {
public:
    std::string DbCodesToNames(const std::string& codes) const override;
    std::string StatusCodesToText(const std::string& letters, bool abbreviated) const override;
    std::string AppNumRangeToText(const CZrAppNum& from, const CZrAppNum& to) const override;
    std::string DateRangeToText(const CZrDate& from, const CZrDate& to) const override;
};

// Every member of the criteria, one per line, so that a difference names the member.
std::string DescribeCriteria(const CCriteria& criteria);
