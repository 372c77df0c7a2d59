#include "search/CountryPageModel.h"

#include "core/Criteria.h"
#include "search/SearchExamination.h"

CCountryPageModel::CCountryPageModel(const ISearchExamination& examination)
    : CSearchPageModel("IR-Desgntd"), examination_(examination) {}

std::vector<std::string> CCountryPageModel::GetLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < CCountryList::kCount; ++i) {
        std::string name;
        const std::string code = CountryCodeAt(i, &name);
        lines.push_back(code + " " + name);
    }
    return lines;
}

void CCountryPageModel::Load(const CCriteria& criteria) {
    countries_ = criteria.GetCountries();
}

void CCountryPageModel::Validate() {
    summary_ = countries_.IsPartial() ? countries_.GetText() : std::string();
    SetState(countries_.IsPartial() ? kPageEntered : kPageEmpty, "");
}

void CCountryPageModel::Store(CCriteria& criteria) const {
    criteria.SetCountries(countries_);
}

void CCountryPageModel::Clear() {
    SelectAll(false);
}

void CCountryPageModel::SetTicked(int line, bool ticked) {
    countries_.SetCountry(line, ticked);
    Validate();
}

void CCountryPageModel::SelectAll(bool ticked) {
    countries_.SetAll(ticked);
    Validate();
}

void CCountryPageModel::SelectAsDatabases() {
    countries_.Clear();
    for (const char code : examination_.GetConnectedDatabaseCodes())
        for (const std::string& country : examination_.GetCountryCodes(code))
            countries_.SetCode(country, true);
    Validate();
}
