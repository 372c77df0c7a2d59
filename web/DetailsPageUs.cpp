#include "registers/AsciiText.h"
#include "web/DetailsPages.h"
#include "web/PageText.h"

#include <cstdlib>

namespace {

constexpr std::string_view kOwnerSection = "LAST APPLICANT(S)/OWNER(S) OF RECORD";
constexpr std::string_view kGoodsSection = "GOODS AND/OR SERVICES";
constexpr std::string_view kCorrespondenceSection = "CORRESPONDENCE INFORMATION";

} // namespace

bool CTarrGoods::IsEmpty() const {
    return goods.IsEmpty() && internationalClass.IsEmpty() && usClass.IsEmpty() &&
           firstUseDate.IsEmpty() && firstUseInCommerceDate.IsEmpty() && basis.IsEmpty();
}

void CHtmlPageUsTarrDetails::Reset() {
    CHtmlPage::Reset();
    for (CCleanString* field :
         {&wordMark, &status, &registrationNumber, &filingDate, &registrationDate})
        field->Empty();
    goods.clear();
    owners.clear();
    correspondents.clear();
    section_.clear();
    label_.clear();
    pendingGoods_ = {};
    pending_.Clear();
    attorneyNamed_ = false;
}

void CHtmlPageUsTarrDetails::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (token.IsStartTag("hr") && section_ == kCorrespondenceSection) {
        FlushEntry(correspondents);
    } else if (token.IsStartTag("br") && section_ == kGoodsSection) {
        label_.clear();
    } else if (token.GetKind() == CHtmlToken::kText) {
        const std::string text(TrimChars(token.GetText(), " \r\n"));
        if (!text.empty())
            OnText(text);
    }
}

void CHtmlPageUsTarrDetails::OnText(const std::string& text) {
    if (IsBold() && IsCentered()) {
        FlushGoods();
        section_ = text;
        label_.clear();
        if (section_ == kCorrespondenceSection)
            pending_.Clear();
    } else if (IsBold()) {
        label_ = text;
    } else if (section_.empty()) {
        OnHeadText(text);
    } else if (section_ == kOwnerSection) {
        OnOwnerText(text);
    } else if (section_ == kGoodsSection) {
        OnGoodsText(text);
    } else if (section_ == kCorrespondenceSection) {
        OnCorrespondenceText(text);
    }
}

void CHtmlPageUsTarrDetails::OnHeadText(const std::string& text) {
    if (label_ == "Registration Number:")
        registrationNumber.Append(text);
    else if (label_ == "(words only):")
        wordMark.Append(text);
    else if (label_ == "Current Status:")
        status.Append(TrimEnd(text, "."));
    else if (label_ == "Filing date:")
        filingDate.Append(text);
    else if (label_ == "Registration date:")
        registrationDate.Append(text);
}

// Owners are numbered "1", "2" ...: a text that is the next owner's number is no part of a name.
void CHtmlPageUsTarrDetails::OnOwnerText(const std::string& text) {
    if (label_.empty()) {
        if (std::atoi(text.c_str()) != static_cast<int>(owners.size()) + 1)
            pending_.name.Append(text);
    } else if (label_ == "Address:") {
        if (!(pending_.address.IsEmpty() &&
              CCleanString(text).GetText() == pending_.name.GetText()))
            pending_.address.Append(text);
    } else if (label_ == "Legal Entity Type:") {
        FlushEntry(owners);
    }
}

void CHtmlPageUsTarrDetails::OnGoodsText(const std::string& text) {
    if (label_.empty()) {
        pendingGoods_.goods.Append(text);
    } else if (label_ == "International Class:" || label_ == "U.S. Class:") {
        FlushGoods();
        (label_ == "U.S. Class:" ? pendingGoods_.usClass : pendingGoods_.internationalClass)
            .Append(text);
    } else if (label_ == "First Use Date:") {
        pendingGoods_.firstUseDate.Append(text);
    } else if (label_ == "First Use in Commerce Date:") {
        pendingGoods_.firstUseInCommerceDate.Append(text);
    } else if (label_ == "Basis:") {
        pendingGoods_.basis.Append(text);
    }
}

// An attorney's own line opens the entries; the firm that follows is a name, then its address.
// An owner who corresponds for himself, with no attorney named, is no address for service.
void CHtmlPageUsTarrDetails::OnCorrespondenceText(const std::string& text) {
    if (label_ != "Correspondent (Owner)" && label_ != "Correspondent")
        return;
    if (EndsWithNoCase(text, "(Attorney of record)")) {
        attorneyNamed_ = true;
        return;
    }
    if (attorneyNamed_)
        (pending_.name.IsEmpty() ? pending_.name : pending_.address).Append(text);
}

void CHtmlPageUsTarrDetails::FlushGoods(bool always) {
    const bool complete = !pendingGoods_.firstUseDate.IsEmpty() ||
                          !pendingGoods_.firstUseInCommerceDate.IsEmpty() ||
                          !pendingGoods_.basis.IsEmpty();
    if (complete || (always && !pendingGoods_.IsEmpty())) {
        goods.push_back(pendingGoods_);
        pendingGoods_ = {};
    }
}

void CHtmlPageUsTarrDetails::FlushEntry(NameAddrList& list) {
    if (!pending_.IsEmpty())
        list.push_back(pending_);
    pending_.Clear();
}

// A page that ends in its goods or its correspondence keeps the entry it was reading.
void CHtmlPageUsTarrDetails::OnEndOfTokens() {
    FlushGoods(true);
    if (section_ == kOwnerSection)
        FlushEntry(owners);
    else if (section_ == kCorrespondenceSection)
        FlushEntry(correspondents);
}
