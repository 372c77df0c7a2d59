#include "core/SmallHelpers.h"
#include "registers/AsciiText.h"
#include "web/DetailsPages.h"
#include "web/PageText.h"

#include <array>

namespace {

// The INID rows lie in the page's second table, the goods rows of code (511) one level deeper.
constexpr int kDataTable = 2;
constexpr int kRowDepth = 2;
constexpr int kGoodsDepth = 3;

std::string Trimmed(std::string_view text) {
    return std::string(TrimChars(text, " \r\n"));
}

void Clear(CHtmlPageWipoDetails::CGoodsRow& row) {
    row.niceClass.clear();
    row.text.clear();
    row.italicText.clear();
}

} // namespace

void CHtmlPageWipoDetails::Reset() {
    CHtmlPage::Reset();
    for (std::string* field :
         {&number,        &wordMark,        &inid151,       &inid171,  &inid531,      &inid571,
          &inid571Italic, &inid591,         &inid591Italic, &inid811,  &inid812,      &inid822,
          &inid831,       &inid832,         &code_,         &value_,   &italicValue_, &rightText_,
          &contentName_,  &contentAddress_, &align_,        &imageAlt_})
        field->clear();
    holders.clear();
    representatives.clear();
    goods.clear();
    Clear(goodsRow_);
}

void CHtmlPageWipoDetails::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (GetTableOrdinal(1) != kDataTable)
        return;
    const int depth = GetDepth();
    const int column = GetCellOrdinal(-1);
    if (token.GetKind() == CHtmlToken::kText) {
        OnText(token);
    } else if (token.IsStartTag("tr") && depth == kRowDepth) {
        code_.clear();
        value_.clear();
        italicValue_.clear();
        rightText_.clear();
    } else if (token.IsStartTag("td")) {
        align_ = token.GetAttribute("align");
    } else if (token.IsEndTag("td")) {
        align_.clear();
    } else if (token.IsStartTag("img") && depth == kRowDepth && column == 2) {
        imageAlt_ = token.GetAttribute("alt");
    } else if (token.IsStartTag("br") && (depth == kRowDepth || depth == kGoodsDepth) &&
               column == 2) {
        (IsItalic() ? italicValue_ : value_) += '\n';
    } else if (token.IsEndTag("tr") && depth == kRowDepth) {
        FinishRow();
    } else if (token.IsEndTag("tr") && depth == kGoodsDepth && code_ == "(511)") {
        AddGoodsRow();
    } else if ((token.IsEndTag("content-name") || token.IsEndTag("content-address")) &&
               (code_ == "(732)" || code_ == "(740)" || code_ == "(750)")) {
        (token.IsEndTag("content-name") ? contentName_ : contentAddress_) = value_;
        value_.clear();
    }
}

void CHtmlPageWipoDetails::OnText(const CHtmlToken& token) {
    const std::string text = token.GetText();
    const int column = GetCellOrdinal(-1);
    if (GetDepth() == kRowDepth) {
        if (column == 1) {
            code_ += text;
            code_ = TrimChars(code_, " \n");
        } else if (column == 2 && !EqualsNoCase(align_, "RIGHT")) {
            (IsItalic() ? italicValue_ : value_) += TrimChars(text, "\n");
        } else if (column == 2) {
            rightText_ += text;
            code_.clear();
        } else if (column == 3) {
            rightText_ += text;
        }
    } else if (GetDepth() == kGoodsDepth) {
        if (column == 1)
            goodsRow_.niceClass += text;
        else if (column == 2)
            (IsItalic() ? goodsRow_.italicText : goodsRow_.text) += text;
    }
}

std::string* CHtmlPageWipoDetails::FieldOfCode() {
    struct CodeField {
        std::string_view code;
        std::string CHtmlPageWipoDetails::*field;
    };
    static constexpr std::array<CodeField, 8> kFields = {{
        {"(151)", &CHtmlPageWipoDetails::inid151},
        {"(171)", &CHtmlPageWipoDetails::inid171},
        {"(531)", &CHtmlPageWipoDetails::inid531},
        {"(811)", &CHtmlPageWipoDetails::inid811},
        {"(812)", &CHtmlPageWipoDetails::inid812},
        {"(822)", &CHtmlPageWipoDetails::inid822},
        {"(831)", &CHtmlPageWipoDetails::inid831},
        {"(832)", &CHtmlPageWipoDetails::inid832},
    }};
    for (const CodeField& entry : kFields)
        if (code_ == entry.code)
            return &(this->*entry.field);
    return nullptr;
}

void CHtmlPageWipoDetails::FinishRow() {
    if (GetRowOrdinal(kRowDepth) == 1 && !rightText_.empty())
        number = rightText_;
    if (!code_.empty()) {
        value_ = Trimmed(value_);
        italicValue_ = Trimmed(italicValue_);
        if (code_ == "(732)") {
            AddParty(holders);
        } else if (code_ == "(740)") {
            AddParty(representatives);
        } else if (code_ == "(540)") {
            wordMark = value_.empty() ? imageAlt_ : value_; // attribute values come decoded
        } else if (code_ == "(571)") {
            inid571 = value_;
            inid571Italic = italicValue_;
        } else if (code_ == "(591)") {
            inid591 = value_;
            inid591Italic = italicValue_;
        } else if (std::string* field = FieldOfCode()) {
            *field = value_;
        }
    }
    code_.clear();
    value_.clear();
    italicValue_.clear();
    rightText_.clear();
    // A row's parts never reach the next row: a (750) row sets them but adds no party.
    contentName_.clear();
    contentAddress_.clear();
}

void CHtmlPageWipoDetails::AddGoodsRow() {
    goodsRow_.niceClass = Trimmed(goodsRow_.niceClass);
    goodsRow_.text = Trimmed(goodsRow_.text);
    goodsRow_.italicText = Trimmed(goodsRow_.italicText);
    if (!goodsRow_.niceClass.empty() || !goodsRow_.text.empty() || !goodsRow_.italicText.empty())
        goods.push_back(goodsRow_);
    Clear(goodsRow_);
}

void CHtmlPageWipoDetails::AddParty(NameAddrList& list) {
    CNameAddr party;
    if (!contentName_.empty() || !contentAddress_.empty()) {
        party.name.SetText(Trimmed(ReplaceAll(contentName_, "\n", ", ")));
        party.address.SetText(Trimmed(contentAddress_));
    } else {
        const std::size_t lineEnd = value_.find('\n');
        party.name.SetText(Trimmed(std::string_view(value_).substr(0, lineEnd)));
        if (lineEnd != std::string::npos)
            party.address.SetText(Trimmed(std::string_view(value_).substr(lineEnd + 1)));
    }
    if (!party.IsEmpty())
        list.push_back(party);
    contentName_.clear();
    contentAddress_.clear();
    value_.clear();
}

void CHtmlPageWipoDetails::OnEndOfTokens() {
    if (code_ == "(511)")
        AddGoodsRow();
    FinishRow();
}
