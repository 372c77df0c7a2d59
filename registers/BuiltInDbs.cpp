#include "registers/BuiltInDbs.h"

#include "core/Criteria.h"
#include "core/UserOptions.h"
#include "registers/AppNumFormats.h"
#include "registers/SortKeys.h"

namespace {

const std::vector<std::string> kEuropeanCountries = {
    "AT", "BE", "BX", "CS", "CY", "CZ", "DD", "DE", "DK", "EE", "ES", "FI", "FR", "GB",
    "GR", "HU", "IE", "IT", "LT", "LU", "LV", "NL", "PL", "PT", "SE", "SI", "SK"};

// The summary lines and header of each kind of register.
constexpr CRecordLayout kJournalLayout = {SummaryDate::Application, SummaryNote::Journal,
                                          HeaderDate::Application, HeaderNote::Journal,
                                          HeaderClasses::Nice};
constexpr CRecordLayout kRegistrationLayout = {SummaryDate::RegistrationOrApply, SummaryNote::None,
                                               HeaderDate::RegistrationOrApply, HeaderNote::None,
                                               HeaderClasses::Nice};
constexpr CRecordLayout kPublishedLayout = {SummaryDate::Application, SummaryNote::None,
                                            HeaderDate::Publication, HeaderNote::Application,
                                            HeaderClasses::Nice};
constexpr CRecordLayout kEuropeanLayout = {SummaryDate::Application, SummaryNote::Languages,
                                           HeaderDate::PublicationOrLanguages,
                                           HeaderNote::Application, HeaderClasses::Nice};
constexpr CRecordLayout kDesignsLayout = {SummaryDate::Application, SummaryNote::Languages,
                                          HeaderDate::PublicationOrLanguages,
                                          HeaderNote::Application, HeaderClasses::Locarno};
constexpr CRecordLayout kDomainLayout = {SummaryDate::Application, SummaryNote::None,
                                         HeaderDate::Application, HeaderNote::None,
                                         HeaderClasses::None};
constexpr CRecordLayout kSerialLayout = {SummaryDate::Application, SummaryNote::AppNum,
                                         HeaderDate::Application, HeaderNote::AppNum,
                                         HeaderClasses::Nice};

// The design description of a designs record: its (language, text) items joined by
// backslashes, each run of one language tagged "[XX]" (every item when tagEveryItem). It needs
// the Greek font when it is all Greek, or mixed and the user reads Greek ('7' in the language
// options).
std::string DesignDescription(const CZrData& record, bool tagEveryItem, bool& wide) {
    PairList items;
    record.GetPairList("DESDESCR", items);
    std::string description;
    std::string lastLanguage;
    int greek = 0;
    int others = 0;
    for (const auto& [language, text] : items) {
        if (!description.empty())
            description += '\\';
        if (tagEveryItem || language != lastLanguage) {
            description += "[" + language + "]";
            lastLanguage = language;
        }
        description += text;
        ++(language == "EL" ? greek : others);
    }
    const std::string& options = TheUserOptions().GetLangOptions();
    wide = greek > 0 && (others == 0 || (options.size() > 1 && options[1] == '7'));
    return description;
}

} // namespace

CZrDb_A6::CZrDb_A6(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {208,
                  "RW",
                  "Reserved Words",
                  {},
                  FormatA6AppNum,
                  ParseA6AppNum,
                  "APPNUM",
                  GetA6SortKey,
                  kDeviceBit,
                  false,
                  kJournalLayout}) {}

std::string CZrDb_A6::GetSummaryText(const CZrData& summary) const {
    std::string subset(summary.GetField("SUBSET"));
    if (!subset.empty())
        subset += "  ";
    return subset + CBuiltInDb::GetSummaryText(summary);
}

std::string CZrDb_A6::GetHeaderNumber(const CZrData& text) const {
    return std::string(text.GetField("SUBSET")) + "  " + GetAppNumText(text);
}

CZrDb_AU::CZrDb_AU(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {218,
                  "AU",
                  "Australian Trade Marks",
                  {"AU"},
                  FormatAuAppNum,
                  ParseAuAppNum,
                  "APPNUM",
                  GetAuSortKey,
                  kAuCaDeviceBit,
                  true,
                  kRegistrationLayout}) {}

CZrDb_CA::CZrDb_CA(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {217,
                  "CA",
                  "Canadian Trade Marks",
                  {"CA"},
                  FormatCaAppNum,
                  ParseCaAppNum,
                  "APPNUM",
                  GetCaSortKey,
                  kAuCaDeviceBit,
                  true,
                  kRegistrationLayout}) {}

CZrDb_CD::CZrDb_CD(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {210, "RCD", "Community Designs", kEuropeanCountries, FormatCdAppNum,
                  ParseCdAppNum, "APPNUM", GetCdSortKey, kDeviceBit, false, kDesignsLayout}) {}

std::string CZrDb_CD::GetSummaryText(const CZrData& summary) const {
    return GetAppNumText(summary) + "  " + std::string(summary.GetField("STATUS")) +
           "  Locarno: " + std::string(summary.GetField("LOCAR"));
}

std::string CZrDb_CD::GetWordMarkText(const CZrData& summary, bool& wide) const {
    return DesignDescription(summary, false, wide);
}

std::string CZrDb_CD::GetWordMark(const CMark& mark, bool* wide) {
    const RecordPtr record = FetchSummaryRecord(mark);
    bool greek = false;
    const std::string description = record ? DesignDescription(*record, true, greek) : "";
    if (wide)
        *wide = greek;
    return description;
}

std::string CZrDb_CD::GetClasses(const CMark& mark) {
    const RecordPtr record = FetchSummaryRecord(mark);
    if (!record)
        return "";
    const std::string_view classes = record->GetField("LOCAR");
    const std::size_t comma = classes.find(',');
    // A list that starts with a comma has no first class to take: it is kept whole.
    if (comma == std::string_view::npos || comma == 0)
        return std::string(classes);
    return std::string(classes.substr(0, comma));
}

CZrDb_CTM::CZrDb_CTM(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {153, "EUTM", "European Community Trade Marks", kEuropeanCountries,
                  FormatCtmAppNum, ParseAppNum, "APPNUM", GetCtmSortKey, kDeviceBit, true,
                  kEuropeanLayout}) {}

std::string CZrDb_CTM::GetWordMarkText(const CZrData& summary, bool& wide) const {
    wide = summary.HasField("CHARSET2");
    return std::string(summary.GetField("WORDMARK"));
}

CZrDb_DE::CZrDb_DE(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {157,
                  "DE",
                  "German Trade Marks",
                  {"DD", "DE"},
                  FormatDeAppNum,
                  ParseDeAppNum,
                  "APPNUM",
                  GetDeSortKey,
                  kDeviceBit,
                  false,
                  kPublishedLayout}) {}

CZrDb_IE::CZrDb_IE(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {159,
                  "IE",
                  "Irish Trade Marks",
                  {"IE"},
                  FormatIeAppNum,
                  ParseIeAppNum,
                  "SERNUM",
                  GetIeSortKey,
                  kDeviceBit,
                  false,
                  kRegistrationLayout}) {}

CZrDb_IN::CZrDb_IN(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {158,
                  "IR",
                  "International Trade Marks",
                  {},
                  FormatAppNum,
                  ParseInAppNum,
                  "APPNUM",
                  GetInSortKey,
                  kDeviceBit,
                  false,
                  kPublishedLayout}) {}

void CZrDb_IN::ApplyRestriction(CCriteria& criteria) const {
    if (GetRestriction().empty())
        return;
    CCountryList countries;
    countries.SetFromText(GetRestriction());
    criteria.SetCountries(countries);
}

CZrDb_PL::CZrDb_PL(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {214,
                  "PL",
                  "Polish Trade Marks",
                  {"PL"},
                  FormatPlAppNum,
                  ParsePlAppNum,
                  "SERNUM",
                  GetPlSortKey,
                  kDeviceBit,
                  false,
                  kRegistrationLayout}) {}

CZrDb_UK::CZrDb_UK(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {152,
                  "UK",
                  "United Kingdom Trade Marks",
                  {"GB"},
                  FormatUkAppNum,
                  ParseUkAppNum,
                  "APPNUM",
                  GetUkSortKey,
                  kDeviceBit,
                  false,
                  kJournalLayout}) {}

CZrDb_UKDOM::CZrDb_UKDOM(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {156,
                  "UKDOM",
                  "United Kingdom Domain Names",
                  {"GB"},
                  FormatUkdomAppNum,
                  ParseUkdomAppNum,
                  "APPNUM",
                  GetUkdomSortKey,
                  0,
                  false,
                  kDomainLayout}) {}

CZrDb_US::CZrDb_US(CZrDbs& table, int code)
    : CBuiltInDb(table, code,
                 {155,
                  "US",
                  "USA Federal Trade Marks",
                  {"US"},
                  FormatUsAppNum,
                  ParseUsAppNum,
                  "SERNUM",
                  GetUsSortKey,
                  kDeviceBit,
                  false,
                  kSerialLayout}) {}

std::string CZrDb_US::GetAppNumText(const CZrData& text) const {
    return std::string(text.GetField("SERNUM"));
}
