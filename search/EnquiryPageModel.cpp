#include "search/EnquiryPageModel.h"

#include "core/Criteria.h"
#include "search/SearchExamination.h"

namespace {

std::vector<std::string> ConnectedPatterns(const ISearchExamination& examination) {
    std::vector<std::string> patterns;
    for (const char code : examination.GetConnectedDatabaseCodes())
        if (examination.HasRegister(code))
            patterns.push_back(examination.GetAppNumPattern(code));
    return patterns;
}

} // namespace

CEnquiryPageModel::CEnquiryPageModel(const ISearchExamination& examination, bool showDetails)
    : CSearchPageModel("Application Number"), patterns_(ConnectedPatterns(examination)),
      showDetails_(showDetails) {}

void CEnquiryPageModel::Load(const CCriteria& criteria) {
    number_ = criteria.GetAppNumFrom().GetText();
}

void CEnquiryPageModel::Validate() {
    if (number_.empty())
        SetState(kPageEmpty, "");
    else if (IsAcceptedAppNum(number_, patterns_))
        SetState(kPageEntered, "");
    else
        SetState(kPageError, "Invalid application number.");
}

void CEnquiryPageModel::Store(CCriteria& criteria) const {
    criteria.SetDefaultStatus();
    criteria.SetAppNumFrom(number_);
    criteria.SetAppNumTo(number_);
}

void CEnquiryPageModel::Clear() {
    SetNumber("");
}

void CEnquiryPageModel::SetNumber(const std::string& text) {
    number_ = text;
    Validate();
}
