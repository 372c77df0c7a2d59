#include "CriteriaTestSupport.h"

#include "core/Criteria.h"

#include <sstream>

namespace {

std::string Range(const std::string& from, const std::string& to) {
    if (from.empty() && to.empty())
        return {};
    return from == to ? from : from + "-" + to;
}

void Describe(std::ostream& out, const char* name, const std::vector<std::string>& values) {
    out << name << ":";
    for (const std::string& value : values)
        out << " [" << value << "]";
    out << "\n";
}

} // namespace

std::string CTestWording::DbCodesToNames(const std::string& codes) const {
    std::string names;
    for (const char code : codes)
        names += (names.empty() ? "" : " ") + std::string("DB-") + code;
    return names;
}

std::string CTestWording::StatusCodesToText(const std::string& letters, bool abbreviated) const {
    return (abbreviated ? "abbr:" : "full:") + letters;
}

std::string CTestWording::AppNumRangeToText(const CZrAppNum& from, const CZrAppNum& to) const {
    return Range(from.GetText(), to.GetText());
}

std::string CTestWording::DateRangeToText(const CZrDate& from, const CZrDate& to) const {
    return Range(from.IsEmpty() ? "" : from.Format(), to.IsEmpty() ? "" : to.Format());
}

std::string DescribeCriteria(const CCriteria& criteria) {
    std::ostringstream out;
    out << "dbids: " << criteria.GetDbIds() << "\n";
    out << "classes: " << criteria.GetClasses().GetSummaryText(false) << "\n";
    int kind = 0;
    Describe(out, "words", criteria.GetWordTerms(&kind));
    out << "words kind: " << kind << "\n";
    Describe(out, "and words", criteria.GetAndWordTerms(&kind));
    out << "and words kind: " << kind << "\n";
    Describe(out, "excluded words", criteria.GetExcludedWordTerms(&kind));
    out << "excluded words kind: " << kind << "\n";
    out << "status: " << criteria.GetStatus() << "\n";
    out << "appnum: [" << criteria.GetAppNumFrom().GetText() << "] ["
        << criteria.GetAppNumTo().GetText() << "]\n";
    out << "appdate: " << criteria.GetAppDateFrom().GetKey() << " "
        << criteria.GetAppDateTo().GetKey() << "\n";
    Describe(out, "image cats", criteria.GetImageCats());
    out << "image cats all: " << criteria.GetImageCatsMatchAll() << "\n";
    Describe(out, "locarno", criteria.GetLocarnoClasses());
    out << "locarno all: " << criteria.GetLocarnoMatchAll() << "\n";
    Describe(out, "owners", criteria.GetOwnerNames());
    Describe(out, "agents", criteria.GetAgentNames());
    Describe(out, "designers", criteria.GetDesignerNames());
    out << "set: " << criteria.GetSet() << "\n";
    Describe(out, "goods", criteria.GetGoodsTerms());
    Describe(out, "and goods", criteria.GetAndGoodsTerms());
    Describe(out, "excluded goods", criteria.GetExcludedGoodsTerms());
    out << "countries:";
    for (int i = 0; i < criteria.GetCountries().GetCount(); ++i)
        out << (criteria.GetCountries().HasCountry(i) ? '1' : '0');
    out << "\n";
    return out.str();
}
