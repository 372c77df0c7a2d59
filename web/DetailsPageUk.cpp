#include "web/DetailsPages.h"
#include "web/PageText.h"

#include <algorithm>

namespace {

void SetFirst(CCleanString& field, const std::string& text) {
    if (field.IsEmpty())
        field.SetText(text);
}

// The digits after "Class ", without leading zeros: "Class 09" is class 9.
std::string ClassNumber(std::string_view label) {
    std::string_view digits = label.substr(6);
    digits = digits.substr(0, digits.find_first_not_of("0123456789"));
    return std::string(digits.substr(std::min(digits.find_first_not_of('0'), digits.size())));
}

} // namespace

void CHtmlPageUkDetails::Reset() {
    CHtmlPage::Reset();
    wordMark.clear();
    for (CCleanString* field : {&series, &status, &filingDate, &registrationDate, &firstAdvert,
                                &designationDate, &irClasses, &holder})
        field->Empty();
    goods.clear();
    proprietors.clear();
    agents.clear();
    addressesForService.clear();
    label_.clear();
    pendingLabel_.clear();
    pending_.Clear();
    inTerm_ = inDefinition_ = false;
}

void CHtmlPageUkDetails::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("dt")) {
        inTerm_ = true;
        label_.clear();
    } else if (token.IsEndTag("dt")) {
        inTerm_ = false;
    } else if (token.IsStartTag("dd")) {
        inDefinition_ = true;
    } else if (token.IsEndTag("dd")) {
        inDefinition_ = false;
    } else if (token.IsEndTag("html")) {
        FlushEntry();
    } else if (token.GetKind() == CHtmlToken::kText) {
        const std::string text(TrimChars(token.GetText(), " \r\n"));
        if (text.empty()) {
            return;
        } else if (inTerm_) {
            label_ = text;
            FlushEntry();
        } else if (inDefinition_) {
            OnValueText(text);
        }
    }
}

void CHtmlPageUkDetails::OnValueText(const std::string& text) {
    if (label_ == "Mark Text :" || label_ == "Mark Text:") {
        wordMark += (wordMark.empty() ? "" : "/") + text;
    } else if (label_ == "Series of:") {
        SetFirst(series, text);
    } else if (label_ == "Status:" || label_.starts_with("UK case Status")) {
        SetFirst(status, text);
    } else if (label_ == "Filing Date:") {
        SetFirst(filingDate, text);
    } else if (label_ == "Registration Date:") {
        SetFirst(registrationDate, text);
    } else if (label_ == "First Advert") {
        SetFirst(firstAdvert, text);
    } else if (label_ == "Proprietor:" || label_ == "Agent:" || label_ == "Service:") {
        pendingLabel_ = label_;
        (pending_.name.IsEmpty() ? pending_.name : pending_.address).Append(text);
        pending_.lines.push_back(text);
    } else if (label_ == "Additional Proprietor(s) Details:") {
        AddProprietorLines(text);
    } else if (label_.starts_with("Class ")) {
        goods.emplace_back(ClassNumber(label_), text);
        label_.clear();
    } else if (label_.starts_with("Date of Designation in UK") ||
               label_.starts_with("Date of international registration")) {
        SetFirst(designationDate, text);
    } else if (label_ == "Classes:" || label_ == "Class:") {
        SetFirst(irClasses, text);
    } else if (label_ == "Holder") {
        SetFirst(holder, text);
    }
}

// Each further proprietor shares the first one's address; before any proprietor there is none.
void CHtmlPageUkDetails::AddProprietorLines(const std::string& text) {
    const CCleanString address = proprietors.empty() ? CCleanString() : proprietors[0].address;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = TrimChars(rest.substr(0, end), " \r\n");
        if (!line.empty()) {
            CNameAddr proprietor;
            proprietor.name.SetText(line);
            proprietor.address = address;
            proprietors.push_back(proprietor);
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
}

void CHtmlPageUkDetails::FlushEntry() {
    if (!pending_.IsEmpty()) {
        if (pendingLabel_ == "Proprietor:")
            proprietors.push_back(pending_);
        else if (pendingLabel_ == "Agent:")
            agents.push_back(pending_);
        else if (pendingLabel_ == "Service:")
            addressesForService.push_back(pending_);
    }
    pendingLabel_.clear();
    pending_.Clear();
}
