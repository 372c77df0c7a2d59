#pragma once
// The Application Number page of the enquiry sheet: one application number, accepted in the
// number syntax every register knows or in a connected register's own form, and whether the
// found mark's details open at once.

#include "core/ZrAppNum.h"
#include "search/SearchPageModel.h"

#include <string>

class ISearchExamination;

class CEnquiryPageModel : public CSearchPageModel {
public:
    // The connected registers' number patterns are compiled here, once for the sheet.
    CEnquiryPageModel(const ISearchExamination& examination, bool showDetails);

    void Load(const CCriteria& criteria) override;
    void Validate() override;
    void Store(CCriteria& criteria) const override;
    void Clear() override;

    const std::string& GetNumber() const { return number_; }
    // Validates the page.
    void SetNumber(const std::string& text);
    bool GetShowDetails() const { return showDetails_; }
    void SetShowDetails(bool show) { showDetails_ = show; }

private:
    CAppNumPatterns patterns_;
    std::string number_;
    bool showDetails_;
};
