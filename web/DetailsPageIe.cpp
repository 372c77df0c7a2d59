#include "core/Latin1.h"
#include "registers/AsciiText.h"
#include "web/DetailsPages.h"
#include "web/PageText.h"

namespace {

constexpr int kLabelColumn = 1;
constexpr int kValueColumn = 2;

bool NamesOwner(std::string_view label) {
    return ContainsNoCase(label, "proprietor") || ContainsNoCase(label, "applicant");
}

} // namespace

void CHtmlPageIeDetails::Reset() {
    CHtmlPage::Reset();
    wordMark.clear();
    status.Empty();
    registrationDate.Empty();
    publicationDate.Empty();
    goods.clear();
    owners.clear();
    addressesForService.clear();
    label_.clear();
    value_.clear();
    goodsClass_.clear();
    pending_.Clear();
}

void CHtmlPageIeDetails::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("tr")) {
        label_.clear();
        value_.clear();
    } else if (token.IsStartTag("br") && GetDepth() > 0 && GetCellOrdinal(-1) == kValueColumn) {
        value_ += "\n\n";
    } else if (token.IsEndTag("tr")) {
        FlushRow();
    } else if (token.GetKind() == CHtmlToken::kText && GetDepth() > 0) {
        const std::string text(TrimChars(token.GetText(), " \r\n"));
        if (text.empty())
            return;
        if (GetCellOrdinal(-1) == kLabelColumn)
            OnLabelText(text);
        else if (GetCellOrdinal(-1) == kValueColumn)
            OnValueText(text);
    }
}

// A label may come in pieces ("Date of" and "Registration"), and a bold status beside it.
void CHtmlPageIeDetails::OnLabelText(const std::string& text) {
    if (label_.empty()) {
        label_ = text;
        return;
    }
    label_ = LowerCaseLatin1(label_);
    if (label_.find("status:") != std::string::npos && IsBold())
        status.SetText(text);
    else
        AppendSpaced(label_, text);
}

// The label is tested without regard to case: a label of one piece is never lowered before the
// row ends, and "Goods and Services" must still take its goods.
void CHtmlPageIeDetails::OnValueText(const std::string& text) {
    if (ContainsNoCase(label_, "goods")) {
        if (IsStrong() && StartsWithNoCase(text, "Class "))
            goodsClass_ = text.substr(6);
        else if (!IsStrong() && !goodsClass_.empty()) {
            goods.emplace_back(goodsClass_, text);
            goodsClass_.clear();
        }
    } else if (IsStrong() && (NamesOwner(label_) || ContainsNoCase(label_, "service"))) {
        pending_.name.SetText(text);
    } else {
        AppendSpaced(value_, text);
    }
}

void CHtmlPageIeDetails::FlushRow() {
    const std::string label = LowerCaseLatin1(label_);
    if (!label.empty() && !value_.empty()) {
        const auto has = [&](std::string_view part) {
            return label.find(part) != std::string::npos;
        };
        const auto addTo = [&](NameAddrList& list) {
            pending_.address.SetText(value_);
            if (!pending_.IsEmpty())
                list.push_back(pending_);
        };
        if (has("representation"))
            wordMark = value_;
        else if (NamesOwner(label))
            addTo(owners);
        else if (has("service"))
            addTo(addressesForService);
        else if (has("date of registration") || has("designation date"))
            registrationDate.SetText(value_);
        else if (has("date of publication of registration"))
            publicationDate.SetText(value_);
    }
    pending_.Clear();
    label_.clear();
    value_.clear();
    goodsClass_.clear();
}
