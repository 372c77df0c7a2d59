#include "registers/RecordRows.h"

#include "registers/PresentationFlags.h"
#include "registers/PresenterRows.h"

#include <string>
#include <vector>

std::vector<std::string> StringListItems(const CZrData& record, std::string_view field) {
    std::vector<std::string> items;
    record.GetStringList(field, items);
    std::erase_if(items, [](const std::string& item) { return item.empty(); });
    return items;
}

void CRecordRows::Row(std::string_view label, std::string_view value, unsigned style, int mode,
                      bool newBlock, bool endBlock) {
    if (!value.empty())
        output_.AddPlainField(label, value, style, mode, newBlock, endBlock);
}

void CRecordRows::FieldRows(std::initializer_list<CFieldRow> rows) {
    for (const CFieldRow& row : rows)
        FieldRow(row);
}

void CRecordRows::UkRefRow(std::string_view label, std::string_view field, unsigned style) {
    if (const std::string_view text = Field(field); !text.empty())
        PresentUkRefRow(output_, label, text, style, context1_, context2_, false, false);
}

void CRecordRows::UsRefRow(std::string_view label, std::string_view field, unsigned style) {
    if (const std::string_view text = Field(field); !text.empty())
        PresentUsRefRow(output_, label, text, style, context1_, context2_, false, false);
}

void CRecordRows::Heading(std::string_view field) {
    if (Wants(kPresentHeading))
        Row("", Field(field), kStyleTextBold, kTextLatin, false, true);
}

void CRecordRows::WordMark(std::string_view label, int mode) {
    if (Wants(kPresentWordMark))
        Row(label, Field("WORDMARK"), kBoldLabelAndText, mode, false, true);
}

void CRecordRows::Classes() {
    if (Wants(kPresentClasses))
        FieldRow({"Classes:", "CLASSES", kBoldLabelItalicText});
}

void CRecordRows::Goods(std::string_view field, int mode) {
    if (!Wants(kPresentGoods))
        return;
    PairList goods;
    record_.GetPairList(field, goods);
    for (std::size_t i = 0; i < goods.size(); ++i) {
        const auto& [niceClass, text] = goods[i];
        if (!text.empty())
            output_.AddField(kFieldGoods, "Class " + niceClass + ": ", text, kBoldLabel, mode,
                             i == 0, i + 1 == goods.size());
    }
}

void CRecordRows::Owners(int mode) {
    // Further owners come only with the first: without it no owner is shown.
    if (!Wants(kPresentOwnerName))
        return;
    PairList owners;
    record_.GetPairList("PROPS", owners);
    for (std::size_t i = 0; i < owners.size(); ++i) {
        const bool first = i == 0;
        if (!first && !Wants(kPresentFurtherOwners))
            break;
        Row("Owner:", owners[i].first, kBoldLabel, mode, first);
        if (Wants(first ? kPresentOwnerAddress : kPresentFurtherAddresses))
            Row("", owners[i].second, 0, mode);
    }
    if (!owners.empty())
        Paragraph();
}

void CRecordRows::Agents() {
    if (!Wants(kPresentAgentNames))
        return;
    PairList agents;
    record_.GetPairList("AGENTS", agents);
    for (std::size_t i = 0; i < agents.size(); ++i) {
        Row("Agent:", agents[i].first, kBoldLabel, kTextLatin, i == 0);
        if (Wants(kPresentAgentAddresses))
            Row("", agents[i].second, 0);
    }
    if (!agents.empty())
        Paragraph();
}

void CRecordRows::Services(const CServiceRows& how) {
    if (!Wants(kPresentServiceNames))
        return;
    PairList services;
    record_.GetPairList("SERVS", services);
    for (std::size_t i = 0; i < services.size(); ++i) {
        Row(how.label, services[i].first, kBoldLabel, how.mode, i == 0);
        if (how.alwaysAddresses || Wants(kPresentServiceAddresses))
            Row("", services[i].second, 0, how.mode, false, i + 1 == services.size());
    }
    if (how.paragraphAfter && !services.empty())
        Paragraph();
}

void CRecordRows::Devices(int mode) {
    if (!Wants(kPresentDevices))
        return;
    const std::vector<std::string> categories = StringListItems(record_, "DEVCATS");
    for (std::size_t i = 0; i < categories.size(); ++i)
        Row("Device:", categories[i], kBoldLabel, mode, i == 0, i + 1 == categories.size());
}

void CRecordRows::History() {
    if (Wants(kPresentHistory))
        PresentHistory(Field("HISTORY"), output_);
}

void CRecordRows::Source() {
    if (Wants(kPresentSource))
        Row("", Field("SRCINFO"), kStyleTextItalic, kTextLatin, true, true);
}
