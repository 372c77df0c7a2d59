#include "registers/AsciiText.h"
#include "web/DetailsPages.h"

#include <array>

void CHtmlPageDeDetails::Reset() {
    CHtmlPage::Reset();
    for (std::string* field :
         {&wordMark, &status, &filingDate, &publicationDate, &registrationDate, &goods, &classes})
        field->clear();
    owners.clear();
    representatives.clear();
    addressesForService.clear();
    label_.Empty();
    value_.Empty();
}

void CHtmlPageDeDetails::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("tr")) {
        label_.Empty();
        value_.Empty();
    } else if (token.GetKind() == CHtmlToken::kText && GetDepth() > 0) {
        (IsBold() ? label_ : value_).Append(token.GetText());
    } else if (token.IsEndTag("td")) {
        FlushCell();
    }
}

void CHtmlPageDeDetails::FlushCell() {
    if (label_.IsEmpty() || value_.IsEmpty())
        return;
    // Tried in this order; the first whose text starts the label (ignoring case) takes the value.
    struct Row {
        std::string_view prefix;
        std::string CHtmlPageDeDetails::*text;
        NameAddrList CHtmlPageDeDetails::*parties;
    };
    static constexpr std::array<Row, 10> kRows = {{
        {"Trade mark text", &CHtmlPageDeDetails::wordMark, nullptr},
        {"Legal/procedural status", &CHtmlPageDeDetails::status, nullptr},
        {"Owner", nullptr, &CHtmlPageDeDetails::owners},
        {"Address for service", nullptr, &CHtmlPageDeDetails::addressesForService},
        {"Name and seat of representative", nullptr, &CHtmlPageDeDetails::representatives},
        {"Classes", &CHtmlPageDeDetails::classes, nullptr},
        {"Goods/services", &CHtmlPageDeDetails::goods, nullptr},
        {"Date of registration", &CHtmlPageDeDetails::registrationDate, nullptr},
        {"Date of publication", &CHtmlPageDeDetails::publicationDate, nullptr},
        {"Filing Date", &CHtmlPageDeDetails::filingDate, nullptr},
    }};
    for (const Row& row : kRows) {
        if (!StartsWithNoCase(label_.GetText(), row.prefix))
            continue;
        if (row.text) {
            this->*row.text = value_.GetText();
        } else {
            CNameAddr party;
            party.name = value_;
            (this->*row.parties).push_back(party);
        }
        break;
    }
    label_.Empty();
    value_.Empty();
}
