#include "registers/AsciiText.h"
#include "web/DetailsPages.h"
#include "web/PageText.h"

namespace {

// A status "CTM Registered" is the status "Registered".
std::string WithoutCtmPrefix(std::string_view status) {
    return std::string(StartsWithNoCase(status, "CTM ") ? status.substr(4) : status);
}

std::string WithoutGlossary(std::string_view status) {
    if (status.ends_with("( Glossary )"))
        status.remove_suffix(12);
    return std::string(TrimChars(status, " "));
}

} // namespace

void CHtmlPageCtmDetails::Reset() {
    CHtmlPage::Reset();
    for (std::string* field :
         {&wordMark, &number, &status, &filingDate, &registrationDate, &publicationDate, &classes,
          &firstLanguage, &secondLanguage, &colours, &section_, &cellClass_, &paragraphClass_,
          &spanClass_, &goodsClass_})
        field->clear();
    owners.clear();
    representatives.clear();
    goods.clear();
    label_.Empty();
    value_.Empty();
    statusDepth_.reset();
    party_ = {};
}

void CHtmlPageCtmDetails::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    switch (token.GetKind()) {
    case CHtmlToken::kStartTag:
        OnStartTag(token);
        break;
    case CHtmlToken::kEndTag:
        OnEndTag(token);
        break;
    case CHtmlToken::kText:
        OnText(token.GetText());
        break;
    default:
        break;
    }
}

void CHtmlPageCtmDetails::OnStartTag(const CHtmlToken& token) {
    if (token.IsStartTag("td")) {
        cellClass_ = token.GetAttribute("class");
        if (cellClass_ == "sResultName") {
            label_.Empty();
            value_.Empty();
        } else if (cellClass_ == "sResultValue") {
            value_.Empty();
        } else if (cellClass_ == "sTitleData2") {
            wordMark.clear();
        }
    } else if (token.IsStartTag("p")) {
        paragraphClass_ = token.GetAttribute("class");
    } else if (token.IsStartTag("span")) {
        spanClass_ = token.GetAttribute("class");
    }
}

void CHtmlPageCtmDetails::OnText(const std::string& text) {
    if (cellClass_ == "sResultName") {
        label_.Append(text);
    } else if (cellClass_ == "sResultValue") {
        value_.Append(text);
    } else if (paragraphClass_ == "sResultHeader") {
        if (const CCleanString heading(text); !heading.IsEmpty()) {
            FlushParty();
            section_ = heading.GetText();
        }
    } else if (!section_.empty()) {
        value_.Append(text);
    } else if (spanClass_ == "sSubTitle1") {
        label_.Append(text);
        value_.Empty();
    } else {
        value_.Append(text);
    }
}

void CHtmlPageCtmDetails::OnEndTag(const CHtmlToken& token) {
    // The status may stand in a table of its own, one level below its label's cell.
    if (GetCellOrdinal(-1) == 1) {
        if (statusDepth_ == GetDepth()) {
            if (const std::string value(TrimChars(value_.GetText(), " ")); !value.empty()) {
                status = WithoutCtmPrefix(value);
                statusDepth_.reset();
            }
        } else if (label_.GetText() == "Status of trade mark:") {
            statusDepth_ = GetDepth() + 1;
        }
    }
    if (token.IsEndTag("td")) {
        if (!label_.IsEmpty() && !value_.IsEmpty())
            TakeCell();
        cellClass_.clear();
    } else if (token.IsEndTag("p")) {
        paragraphClass_.clear();
    } else if (token.IsEndTag("span")) {
        spanClass_.clear();
    } else if (token.IsEndTag("html")) {
        FlushParty();
    }
}

void CHtmlPageCtmDetails::TakeCell() {
    const std::string& label = label_.GetText();
    const std::string& value = value_.GetText();
    if (section_ == "Trade mark") {
        if (label == "Filing date:")
            filingDate = value;
        else if (label == "Date of registration:")
            registrationDate = value;
        else if (label == "Status of trade mark:")
            status = WithoutCtmPrefix(WithoutGlossary(value));
        else if (label == "Nice classification:")
            classes = value;
        else if (label == "Filing language:")
            firstLanguage = value;
        else if (label == "Second language:")
            secondLanguage = value;
    } else if (section_ == "List of goods and services") {
        if (label == "Nice classification:")
            goodsClass_ = value;
        else if (label == "List of goods and services")
            goods.emplace_back(goodsClass_, value);
    } else if (section_ == "Description") {
        if (label == "Indication of colour :")
            colours = value;
    } else if (section_ == "Owner" || section_ == "Representative") {
        TakeParty(label, value);
    } else if (section_ == "Publication") {
        if (label == "Date of publication:" && publicationDate.empty())
            publicationDate = value;
    } else if (section_.empty()) {
        if (label == "Trade mark name :")
            wordMark = value;
        else if (label == "Trade mark No :")
            number = value;
    }
    label_.Empty();
    value_.Empty();
}

// A party comes in parts; a new name after an address or a country starts the next party.
void CHtmlPageCtmDetails::TakeParty(const std::string& label, const std::string& value) {
    const bool namePart = label == "Name:" || label == "First name:" || label == "Surname:" ||
                          label == "Association name:";
    if (namePart) {
        if (!party_.address.empty() || !party_.country.empty())
            FlushParty();
        party_.section = section_;
    }
    if (label == "Name:" || label == "First name:" || label == "Association name:")
        party_.name = value;
    else if (label == "Surname:")
        AppendSpaced(party_.name, value);
    else if (label == "Address:")
        party_.address = value;
    else if (label == "Town:")
        party_.town = value;
    else if (label == "Post code:")
        party_.postCode = value;
    else if (label == "Country:")
        party_.country = value;
}

void CHtmlPageCtmDetails::FlushParty() {
    if (!party_.name.empty()) {
        std::string address;
        for (const std::string* part :
             {&party_.address, &party_.town, &party_.postCode, &party_.country})
            if (!part->empty())
                address += (address.empty() ? "" : "\\") + *part;
        CNameAddr entry;
        entry.name.SetText(party_.name);
        entry.address.SetText(address);
        if (party_.section == "Owner")
            owners.push_back(entry);
        else if (party_.section == "Representative")
            representatives.push_back(entry);
    }
    party_ = {};
}
