#include "registers/RecordPresenters.h"

#include "core/ZrDate.h"
#include "registers/AsciiText.h"
#include "registers/PresentationFlags.h"
#include "registers/PresenterRows.h"
#include "registers/RecordRows.h"
#include "registers/RecordTexts.h"

#include <charconv>
#include <string>

namespace {

constexpr std::string_view kIcDateLabel = "Date claimed under International Convention:";

void ClaimRows(CRecordRows& rows, CPresenter& output, std::string_view field,
               std::string_view heading) {
    PairList claims;
    rows.Record().GetPairList(field, claims);
    PresentClaimRows(claims, heading, output);
}

void MadridTextRow(CRecordRows& rows, CPresenter& output) {
    if (!rows.Field("MADRIDTEXT").empty())
        PresentMadridTextRow(rows.Record(), output);
}

// Shown only for a record with neither an application nor a registration date.
void StatusFromRow(CRecordRows& rows) {
    if (rows.Field("APPDATE").empty() && rows.Field("REGDATE").empty())
        rows.FieldRow({"Current status from:", "STDATE"});
}

// "Official language:" LANG1, or "Official languages:" LANG1/LANG2.
void OfficialLanguagesRow(CRecordRows& rows) {
    const std::string_view second = rows.Field("LANG2");
    rows.Row(second.empty() ? "Official language:" : "Official languages:",
             JoinLanguages(rows.Field("LANG1"), second), kBoldLabel, kTextLatin, false, true);
}

// The status the office last reported, with its date when there is one.
std::string StatusOn(CRecordRows& rows, std::string_view status, std::string_view separator) {
    std::string text(status);
    if (const std::string_view date = rows.Field("STDATE"); !date.empty())
        text.append(separator).append(date);
    return text;
}

void ColoursRow(CRecordRows& rows) {
    rows.FieldRow({"Colours:", "IMCOLOURS", kBoldLabel, kTextDecide});
}

// The rows at the end of every record: colours (details), history and source.
void ClosingRows(CRecordRows& rows) {
    if (rows.Wants(kPresentDetails))
        ColoursRow(rows);
    rows.History();
    rows.Source();
}

} // namespace

void PresentUkRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    rows.WordMark();
    if (details) {
        rows.FieldRows({{"Application Date:", "APPDATE"}, {"Registration Date:", "REGDATE"}});
        rows.Paragraph();
        rows.FieldRow({"Mark Type:", "MARKTYPE", kBoldLabelItalicText});
        rows.UkRefRow("", "ADVERTACCEPT", kBoldLabelItalicText);
        rows.UkRefRow("", "SECTION12", kBoldLabelItalicText);
        rows.FieldRows({{"", "SEC291A", kBoldLabelItalicText},
                        {"", "SEC291B", kBoldLabelItalicText},
                        {"Previous Acceptance:", "PREVACCEPT", kBoldLabelItalicText}});
        rows.UkRefRow("Conditions:", "CONDITIONS", kBoldLabelItalicText);
        rows.FieldRow({"Restrictions:", "RESTRICTIONS", kBoldLabelItalicText});
        rows.UkRefRow("Disclaimer:", "DISCLAIMER", kBoldLabelItalicText);
        rows.UkRefRow("Consent:", "CONSENT", kBoldLabelItalicText);
        rows.UkRefRow("Associations:", "ASSOCIATIONS", kBoldLabelItalicText);
        rows.FieldRows({{"Originating Office:", "MADRID_ORIGOFFICE", kBoldLabelItalicText},
                        {"Actual application number:", "MADRID_ACTAPPNUM", kBoldLabelItalicText},
                        {"Priority date:", "MADRID_PRIORDATE", kBoldLabelItalicText},
                        {kIcDateLabel, "ICDATE", kBoldLabelItalicText},
                        {"Number in series: ", "NUMINSERIES", kBoldLabelItalicText}});
    }
    rows.Classes();
    rows.Goods();
    rows.Owners();
    if (details)
        rows.FieldRows({{"Incorporated in:", "INCORPORATED"}, {"", "PROPASSIGN", 0}});
    rows.Agents();
    rows.Services();
    if (details) {
        rows.FieldRows({{"", "MEMORANDUM", 0},
                        {"", "VALIDITY", 0},
                        {"", "REGUSERS", 0},
                        {"Application:", "APPTYPE"}});
        PresentTransactionHistory(record, output);
    }
    rows.Devices();
    if (details)
        rows.FieldRow({"Journal:", "JOURNAL"}, true, true);
    rows.History();
    rows.Source();
}

void PresentCtmRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                      int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    // A word mark in the second character set is Greek: it needs the Greek-capable font.
    rows.WordMark("Mark:", record.HasField("CHARSET2") ? kTextGreek : kTextLatin);
    if (details) {
        rows.FieldRows({{"Application Date:", "APPDATE"}, {"Registration Date:", "REGDATE"}});
        rows.Paragraph();
        rows.FieldRows({{"Mark Type:", "MARKTYPE", kBoldLabelItalicText},
                        {"Disclaimer:", "DISCLAIMER", kBoldLabelItalicText, kTextDecide}});
    }
    rows.Classes();
    if (details && !rows.Field("PTOSTATUS").empty()) {
        const std::string_view date = rows.Field("STDATE");
        rows.Row("Last OHIM status:",
                 (date.empty() ? "" : std::string(date) + " ") +
                     std::string(rows.Field("PTOSTATUS")),
                 kBoldLabel);
    }
    rows.Goods("GOODS", kTextDecide);
    if (details)
        OfficialLanguagesRow(rows);
    rows.Owners(kTextDecide);
    rows.Services({"Service:", kTextDecide, false, true});
    if (details) {
        ClaimRows(rows, output, "SENIORITIES", "Seniorities:");
        ClaimRows(rows, output, "PRIORITIES", "Priorities:");
        rows.FieldRows({{"Description:", "MARKDESCR", kBoldLabel, kTextDecide},
                        {"Received by National Office:", "NRDATE"},
                        {"Received by OHIM:", "ORDATE"},
                        {"Application: ", "APPTYPE"},
                        {"Journal:", "JOURNAL"}});
    }
    rows.Devices(kTextDecide);
    ClosingRows(rows);
}

namespace {

// The first-use date; dates of 1775 stand for use before the register began.
std::string FirstUseText(std::string_view date) {
    CZrDate parsed;
    if (parsed.Parse(std::string(date).c_str()) && parsed.GetYear() == 1775)
        return "prior to 1776";
    return std::string(date);
}

// The notes of a US record that tell on what basis the extension of protection was filed.
void UsExtensionRows(CRecordRows& rows) {
    const std::string_view basis = rows.Field("SEC66A");
    if (basis.find('F') != std::string_view::npos)
        rows.Row("", "Request for extension of protection used as filing basis for US application",
                 kStyleTextItalic);
    if (basis.find('C') != std::string_view::npos)
        rows.Row("", "Request for extension of protection used as current basis for US application",
                 kStyleTextItalic);
}

} // namespace

void PresentUsRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading("SERNUM");
    rows.WordMark();
    if (details) {
        rows.FieldRows({{"Pseudo mark:", "PM"},
                        {"Translation:", "TRANSLATION"},
                        {"Disclaimer:", "DISCLAIMER", kBoldLabelItalicText},
                        {"", "NO", kStyleTextItalic},
                        {"", "TR", kStyleTextItalic},
                        {"", "DM", kStyleTextItalic},
                        {"", "LS", kStyleTextItalic}});
        UsExtensionRows(rows);
        MadridTextRow(rows, output);
        rows.UsRefRow("Associated with", "ASSOCIATIONS", kStyleLabelItalic | kStyleTextItalic);
        rows.FieldRow({kIcDateLabel, "ICDATE", kBoldLabelItalicText});
    }
    rows.Classes();
    rows.Goods();
    if (details) {
        rows.FieldRow({"", "TF", 0});
        if (const std::string_view status = rows.Field("USSTATUS"); !status.empty())
            rows.Row("Last known USPTO status:", StatusOn(rows, status, " on "), kBoldLabel);
    }
    rows.Owners();
    if (details)
        rows.FieldRow({"", "CU", 0});
    // The register's correspondents are agents, their addresses always shown.
    rows.Services({"Agent:", kTextLatin, true, false});
    if (details) {
        rows.FieldRows(
            {{"Application:", "APPTYPE"}, {"Published:", "PUBDATE"}, {"Registered:", "REGDATE"}});
        rows.Row("First use:", FirstUseText(rows.Field("USEDATE")), kBoldLabel);
        const std::string_view sections = rows.Field("SECTIONS");
        rows.Row(sections.find(',') != std::string_view::npos ? "Sections:" : "Section:", sections,
                 kBoldLabel);
        rows.FieldRows({{"", "CS", 0}, {"", "BO", 0}});
    }
    rows.Devices();
    ClosingRows(rows);
}

void PresentUkdomRecord(const CZrData& record, CPresenter& output, std::uint32_t flags,
                        int context1, int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    rows.WordMark("Domain:");
    if (rows.Wants(kPresentDetails))
        rows.FieldRow({"Application Date:", "APPDATE"}, false, true);
    rows.Owners();
    rows.Agents();
    rows.History();
    rows.Source();
}

void PresentDeRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    rows.WordMark();
    if (details) {
        rows.FieldRow({"Pseudo mark:", "PM"});
        rows.FieldRow({"Application Date:", "APPDATE"}, false, true);
        rows.FieldRows({{"Registration Date:", "REGDATE"},
                        {"Mark Type:", "MARKTYPE", kBoldLabelItalicText},
                        {"Disclaimer:", "DISCLAIMER", kBoldLabelItalicText, kTextDecide}});
    }
    rows.Classes();
    rows.Goods("GOODS");
    rows.Goods("OLDGOODS");
    rows.Owners(kTextDecide);
    rows.Agents();
    rows.Services({"Service:", kTextDecide, false, true});
    if (details)
        rows.FieldRows({{"Description:", "MARKDESCR"},
                        {"Status Date:", "STDATE"},
                        {"Publication:", "PUBLICATION"},
                        {"Publication Date:", "PUBDATE"},
                        {"Journal:", "JOURNAL"},
                        {"Announcement Date:", "ANNDATE"},
                        {"Collective Date:", "COLLDATE"},
                        {"Extension Date:", "EXTDATE"},
                        {"Fee Classes:", "FEECLASSES"},
                        {"Incorporated in:", "INCORPORATED"},
                        {"Prior Exhibition:", "PRIOR_EXHIBITION"},
                        {"Partial Exhibition:", "PRIOR_PARTIAL"},
                        {"Union Exhibition:", "PRIOR_UNION"},
                        {"Reference:", "REFERENCE"},
                        {"Rejection:", "REJECTION"}});
    rows.Devices(kTextDecide);
    ClosingRows(rows);
}

void PresentInRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    rows.WordMark();
    if (details) {
        rows.FieldRows({{"Pseudo mark:", "PM"},
                        {"Application Date:", "APPDATE"},
                        {"Renewal Date:", "RNDATE"},
                        {"Mark Type:", "MARKTYPE", kBoldLabelItalicText}});
        rows.Paragraph();
    }
    rows.Classes();
    rows.Goods();
    rows.Owners(kTextDecide);
    rows.Agents();
    rows.Services({"Service:", kTextDecide, false, true});
    if (details) {
        rows.FieldRows({{"Description:", "MARKDESCR"},
                        {"Journal:", "JOURNAL"},
                        {"Reg Duration:", "MKDUR"},
                        {"Originating Country:", "ORIG_COUNTRY"},
                        {"Originating Application:", "ORIG_APP"},
                        {"Originating Registration:", "ORIG_REG"},
                        {"Madrid Agreement:", "MAD_AGRMNT"},
                        {"Madrid Protocol:", "MAD_PROTO"}});
        PresentTransactionHistory(record, output);
    }
    rows.Devices(kTextDecide);
    ClosingRows(rows);
}

namespace {

// Ireland and Poland differ in a few rows only.
enum class IePl { Ireland, Poland };

void PresentIePlRecord(CRecordRows& rows, CPresenter& output, IePl which) {
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    rows.WordMark();
    if (details) {
        rows.FieldRows({{"Application date:", "APPDATE"}, {"Registered:", "REGDATE"}});
        StatusFromRow(rows);
        if (which == IePl::Poland)
            rows.FieldRow({"Registration number:", "REGNUM"});
        else if (!rows.Field("REGNUM").empty())
            rows.FieldRow({"Serial number:", "SERNUM"});
        rows.FieldRows({{"", "APPTYPE", kBoldLabelItalicText},
                        {"Mark Type:", "MARKTYPE", kBoldLabelItalicText},
                        {"Disclaimer:", "DISCLAIMER", kBoldLabelItalicText, kTextDecide}});
    }
    if (which == IePl::Poland)
        MadridTextRow(rows, output);
    rows.Classes();
    rows.Goods();
    rows.Owners(kTextDecide);
    rows.Services({"Service:", kTextDecide, false, true});
    if (details) {
        if (which == IePl::Poland)
            rows.FieldRows({{"Status Date:", "STDATE"},
                            {"Publication Date:", "PUBDATE"},
                            {"Renewal Date:", "RNDATE"},
                            {kIcDateLabel, "ICDATE", kBoldLabelItalicText},
                            {"Journal:", "JOURNAL"},
                            {"Conditions:", "CONDITIONS"}});
        else
            rows.FieldRows({{"Publication Date:", "PUBDATE"},
                            {"Renewal Date:", "RNDATE"},
                            {"Conditions:", "CONDITIONS"}});
        ClaimRows(rows, output, "PRIORITIES", "Priorities:");
    }
    rows.Devices(kTextDecide);
    ClosingRows(rows);
}

} // namespace

void PresentIeRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    PresentIePlRecord(rows, output, IePl::Ireland);
}

void PresentPlRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    PresentIePlRecord(rows, output, IePl::Poland);
}

void PresentAuCaRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                       int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    rows.WordMark();
    if (details) {
        rows.FieldRows({{"Translation:", "TRANSLATION"},
                        {"Transliteration:", "TRANSLITERATION"},
                        {"Application date:", "APPDATE"},
                        {"Registered:", "REGDATE"}});
        StatusFromRow(rows);
        if (const std::string_view status = rows.Field("PTOSTATUS"); !status.empty())
            rows.Row("Last IPO status:", StatusOn(rows, status, " on "), kBoldLabel);
        else
            rows.FieldRow({"Status Date:", "STDATE"});
        rows.FieldRows({{"Opposition period:", "OPPPERIOD"},
                        {"Cancelled:", "WDRAWLDATE"},
                        {"Registration number:", "REGNUM"}});
    }
    rows.Paragraph();
    if (details) {
        rows.FieldRows({{"", "APPTYPE", kBoldLabelItalicText},
                        {"Mark Type:", "MARKTYPE", kBoldLabelItalicText},
                        {"Disclaimer:", "DISCLAIMER", kBoldLabelItalicText},
                        {"Limitation:", "LIMITATION", kBoldLabelItalicText},
                        {"First Use:", "FIRSTUSE", kBoldLabelItalicText},
                        {"Use Right:", "USERIGHT", kBoldLabelItalicText},
                        {"Description:", "MARKDESCR"},
                        {"Publication Date:", "PUBDATE"},
                        {"Renewal Date:", "RNDATE"},
                        {kIcDateLabel, "ICDATE", kBoldLabelItalicText},
                        {"Journal:", "JOURNAL"},
                        {"Conditions:", "CONDITIONS"}});
        ClaimRows(rows, output, "PRIORITIES", "Priorities:");
    }
    MadridTextRow(rows, output);
    rows.Classes();
    rows.Goods();
    rows.Owners();
    rows.Agents();
    rows.Services({"Service:", kTextLatin, false, true});
    rows.Devices();
    if (details) {
        rows.FieldRows({{"Colours:", "IMCOLOURS"}, {"Divisional claim:", "DIVCLAIM"}});
        PresentPairRows("Claims:", record, "CLAIMS", output);
        PresentPairRows("Opposition:", record, "OPPOSITION", output);
        PresentPairRows("Opposition cancelled:", record, "OPPCANCELLED", output);
        rows.FieldRow({"Defensive application number:", "DEFAPPNUM"});
    }
    rows.History();
    rows.Source();
}

namespace {

// The source of a Reserved Words entry: the subset's long name (none for geographical
// indications, whose key names them), then the entry's key when it says more than the number.
std::string A6SourceText(CRecordRows& rows) {
    const std::string_view key = rows.Field("PKEY");
    std::string source;
    if (!StartsWithNoCase(key, "Europa Geographical Indications"))
        source = GetA6SourceName(rows.Field("SUBSET"));
    if (!key.empty() && !EqualsNoCase(key, rows.Field("APPNUM")))
        source.append(source.empty() ? "" : ": ").append(key);
    return source;
}

// The class number of a goods pair; -1 when it is none.
int ClassNumber(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? number : -1;
}

// Goods of consecutive classes with the same text share one "Class 3-5: " row.
void A6GoodsRows(CRecordRows& rows, CPresenter& output) {
    if (!rows.Wants(kPresentGoods))
        return;
    PairList goods;
    rows.Record().GetPairList("GOODS", goods);
    for (std::size_t first = 0; first < goods.size();) {
        std::size_t last = first;
        while (last + 1 < goods.size() && goods[last + 1].second == goods[first].second &&
               ClassNumber(goods[last].first) >= 0 &&
               ClassNumber(goods[last + 1].first) == ClassNumber(goods[last].first) + 1)
            ++last;
        PresentClassRangeRow(output, goods[first].first, goods[last].first, goods[first].second,
                             first == 0, last + 1 == goods.size());
        first = last + 1;
    }
}

} // namespace

void PresentA6Record(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    rows.WordMark();
    if (details) {
        rows.Row("Source:", A6SourceText(rows), kBoldLabel);
        rows.FieldRows({{"Application Date:", "APPDATE"},
                        {"Registration Date:", "REGDATE"},
                        {"Withdrawl Date:", "WDRAWLDATE"},
                        {"Description:", "MARKDESCR"}});
        rows.FieldRows({{rows.Field("MARKDESCR").empty() ? "Description:" : "", "SUBCAT"},
                        {"Zone:", "RW_ZONENAME"},
                        {"File Number:", "RW_FILENUMBER"},
                        {"Number in series: ", "NUMINSERIES", kBoldLabelItalicText}});
    }
    rows.Classes();
    A6GoodsRows(rows, output);
    rows.Owners();
    rows.Agents();
    rows.Services();
    rows.Devices();
    if (details)
        rows.FieldRows({{"Colours:", "IMCOLOURS", kBoldLabel, kTextDecide},
                        {"Journal:", "JOURNAL"},
                        {"Formulae:", "FORMULAE"},
                        {"CAS Number:", "CASNUM"},
                        {"Grant Number:", "GRANTNUM"}});
    rows.History();
    rows.Source();
}

namespace {

// The design descriptions, each under its language; Greek ones in the Greek-capable font.
void DesignDescriptionRows(CRecordRows& rows) {
    if (!rows.Wants(kPresentWordMark))
        return;
    PairList descriptions;
    rows.Record().GetPairList("DESDESCR", descriptions);
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const auto& [language, text] = descriptions[i];
        rows.Row("[" + language + "] ", text, kBoldLabelAndText,
                 language == "EL" ? kTextGreek : kTextLatin, i == 0, i + 1 == descriptions.size());
    }
    rows.Paragraph();
}

void LocarnoRows(CRecordRows& rows) {
    if (!rows.Wants(kPresentGoods))
        return;
    PairList classes;
    rows.Record().GetPairList("LOCARNO", classes);
    for (std::size_t i = 0; i < classes.size(); ++i)
        rows.Row("Locarno " + classes[i].first + ":", classes[i].second, kBoldLabel, kTextLatin,
                 i == 0, i + 1 == classes.size());
}

// The first designer, and the others when further owners are wanted.
void DesignerRows(CRecordRows& rows) {
    PairList designers;
    rows.Record().GetPairList("DESTX", designers);
    for (std::size_t i = 0; i < designers.size(); ++i) {
        if (i > 0 && !rows.Wants(kPresentFurtherOwners))
            break;
        rows.Row("Designer:", designers[i].first, kBoldLabel, kTextLatin, i == 0);
    }
    if (!designers.empty())
        rows.Paragraph();
}

} // namespace

void PresentCdRecord(const CZrData& record, CPresenter& output, std::uint32_t flags, int context1,
                     int context2) {
    CRecordRows rows(record, output, flags, context1, context2);
    const bool details = rows.Wants(kPresentDetails);
    rows.Heading();
    DesignDescriptionRows(rows);
    LocarnoRows(rows);
    if (details) {
        rows.FieldRows({{"Application Date:", "APPDATE"},
                        {"Registration Date:", "REGDATE"},
                        {"Publication Date:", "PUBDATE"}});
        rows.Paragraph();
        OfficialLanguagesRow(rows);
        DesignerRows(rows);
    }
    rows.Owners();
    rows.Agents();
    rows.Services();
    if (details) {
        rows.FieldRow({"Journal:", "JOURNAL"}, true, true);
        rows.FieldRow({"Words indexed:", "WORDMARK"});
    }
    rows.Devices();
    rows.History();
    rows.Source();
}
