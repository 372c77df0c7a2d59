#pragma once
// The IR-Desgntd page of the full sheet: the designated countries an international registration
// must name, ticked in a list of the fixed country table. Ticking every country restricts no
// more than ticking none.

#include "core/CountryList.h"
#include "search/SearchPageModel.h"

#include <string>
#include <vector>

class ISearchExamination;

class CCountryPageModel : public CSearchPageModel {
public:
    explicit CCountryPageModel(const ISearchExamination& examination);

    void Load(const CCriteria& criteria) override;
    void Validate() override;
    void Store(CCriteria& criteria) const override;
    void Clear() override;

    // One line per country of the table: its code and its name.
    static std::vector<std::string> GetLines();
    bool IsTicked(int line) const { return countries_.HasCountry(line); }
    // The summary static: the ticked codes while some but not all are ticked.
    const std::string& GetSummary() const { return summary_; }

    // Each change validates the page.
    void SetTicked(int line, bool ticked);
    void SelectAll(bool ticked);
    // "As &Databases": exactly the countries the connected registers cover.
    void SelectAsDatabases();

private:
    const ISearchExamination& examination_;
    CCountryList countries_;
    std::string summary_;
};
