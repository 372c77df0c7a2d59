#include "web/DetailsPages.h"
#include "web/PageText.h"

namespace {

// The label and value rows lie in the page's second table.
constexpr int kDataTable = 2;
constexpr int kRowDepth = 2;

} // namespace

void CHtmlPageA6Details::Reset() {
    CHtmlPage::Reset();
    for (std::string* field : {&number, &circularDate, &circularNumber, &name, &details, &kind,
                               &type, &viennaClasses, &wordMark, &label_, &value_})
        field->clear();
}

void CHtmlPageA6Details::OnToken(const CHtmlToken& token) {
    CHtmlPage::OnToken(token);
    if (GetTableOrdinal(1) != kDataTable)
        return;
    const int depth = GetDepth();
    const int column = GetCellOrdinal(-1);
    if (token.IsStartTag("tr") && depth == kRowDepth) {
        label_.clear();
        value_.clear();
    } else if (token.IsStartTag("br") && (depth == kRowDepth || depth == kRowDepth + 1) &&
               column == 2) {
        value_ += '\n';
    } else if (token.IsEndTag("tr") && depth == kRowDepth) {
        FlushRow();
    } else if (token.GetKind() == CHtmlToken::kText && depth == kRowDepth) {
        if (column == 1) {
            label_ += token.GetText();
            label_ = TrimChars(label_, " \n");
        } else if (column == 2) {
            value_ += TrimChars(token.GetText(), "\n");
        }
    }
}

void CHtmlPageA6Details::FlushRow() {
    if (!label_.empty()) {
        const std::string value(TrimChars(value_, " \r\n"));
        const auto setFirst = [&](std::string& field) {
            if (field.empty())
                field = value;
        };
        if (label_ == "Circular Number")
            setFirst(circularNumber);
        else if (label_ == "Circular Date")
            setFirst(circularDate);
        else if (label_ == "6ter Number" && value.size() > 3)
            number = value.substr(value.size() - 4);
        else if (label_ == "Name")
            name = value;
        else if (label_ == "Details")
            details = value;
        else if (label_ == "Kind")
            kind = value;
        else if (label_ == "Type")
            type = value;
        else if (label_ == "Vienna Classification")
            viennaClasses = value;
    }
    label_.clear();
    value_.clear();
}
