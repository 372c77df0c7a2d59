#pragma once
// The rows and blocks of rows that the built-in registers' presenters write from a text record:
// each block keeps to the presentation flags of its group, and no row is written for an empty
// value.

#include "core/ZrData.h"
#include "report/presenter/Presenter.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The texts of a string-list field, without the empty part that closes the list.
std::vector<std::string> StringListItems(const CZrData& record, std::string_view field);

// Row styles the presenters use.
inline constexpr unsigned kBoldLabel = kStyleLabelBold;
inline constexpr unsigned kBoldLabelItalicText = kStyleLabelBold | kStyleTextItalic;
inline constexpr unsigned kBoldLabelAndText = kStyleLabelBold | kStyleTextBold;

// One labelled row of a record field.
struct CFieldRow {
    std::string_view label;
    std::string_view field;
    unsigned style = kBoldLabel;
    int mode = kTextLatin;
};

// How a register shows its addresses for service.
struct CServiceRows {
    std::string_view label = "Service:";
    int mode = kTextLatin;
    bool alwaysAddresses = false; // whatever the address flag says
    bool paragraphAfter = false;  // a new paragraph after a list that is not empty
};

class CRecordRows {
public:
    CRecordRows(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                int context2)
        : record_(record), output_(output), flags_(flags), context1_(context1),
          context2_(context2) {}

    bool Wants(std::uint32_t group) const { return (flags_ & group) != 0; }
    const CZrData& Record() const { return record_; }
    std::string_view Field(std::string_view name) const { return record_.GetField(name); }

    // One row; nothing for an empty value.
    void Row(std::string_view label, std::string_view value, unsigned style, int mode = kTextLatin,
             bool newBlock = false, bool endBlock = false);
    void FieldRow(const CFieldRow& row, bool newBlock = false, bool endBlock = false) {
        Row(row.label, Field(row.field), row.style, row.mode, newBlock, endBlock);
    }
    void FieldRows(std::initializer_list<CFieldRow> rows);
    void Paragraph() { output_.RequestParagraph(); }
    // A field whose application numbers the output may make references of; nothing when empty.
    void UkRefRow(std::string_view label, std::string_view field, unsigned style);
    void UsRefRow(std::string_view label, std::string_view field, unsigned style);

    // The blocks, each written only when its flags ask for it.
    // The application number alone (the SERNUM field in the US register).
    void Heading(std::string_view field = "APPNUM");
    void WordMark(std::string_view label = "Mark:", int mode = kTextLatin);
    void Classes();
    void Goods(std::string_view field = "GOODS", int mode = kTextLatin);
    void Owners(int mode = kTextLatin);
    void Agents();
    void Services(const CServiceRows& how = {});
    void Devices(int mode = kTextLatin);
    void History();
    void Source();

private:
    const CZrData& record_;
    CPresenter& output_;
    std::uint32_t flags_;
    int context1_;
    int context2_;
};
