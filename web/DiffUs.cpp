#include "core/Latin1.h"
#include "registers/AsciiText.h"
#include "web/DiffText.h"
#include "web/Diffs.h"
#include "web/PageText.h"

#include <array>

namespace {

constexpr std::string_view kNonFinalAction =
    "A non-final action has been mailed. This is a letter from the examining attorney requesting "
    "additional information and/or making an initial refusal. However, no final determination as "
    "to the registrability of the mark has been made";
constexpr std::string_view kNewlyFiled =
    "Newly filed application, not yet assigned to an examining attorney";

constexpr std::array<std::string_view, 2> kRegistered = {
    "Section 8 and 15 affidavits have been accepted and acknowledged",
    "This registration has been renewed"};
constexpr std::array<std::string_view, 6> kPending = {
    "Further action on the application has been suspended",
    kNewlyFiled,
    kNonFinalAction,
    "An office action making FINAL a refusal to register the mark has been mailed",
    "An office action suspending further action on the application has been mailed",
    "An office action suspending further action on the application is being typed"};
constexpr std::array<std::string_view, 6> kAdvertised = {
    "Applicant's response to a FINAL office action has been entered in application",
    kNonFinalAction,
    "Opposition period completed, a Notice of Allowance has been issued",
    kNewlyFiled,
    "A request for the third extension of time to file a statement of use has been granted",
    "Application has been published for opposition"};
constexpr std::array<std::string_view, 1> kAbandoned = {""};
constexpr std::array<std::string_view, 8> kLapsed = {
    "Abandoned after an ex parte appeal",
    "Abandoned after an inter partes decision by the Trademark Trial and Appeal Board",
    "This registration was not renewed and is considered to be expired",
    "Abandoned: Applicant failed to respond to an Office action",
    "Abandoned: Reason unknown",
    "Abandoned: No Statement of Use filed after Notice of Allowance was issued",
    "Abandoned: Applicant's express request",
    "Registration canceled under Section 8"};
constexpr std::array<CStatusRow, 5> kUsStatuses = {{{"Registered", kRegistered},
                                                    {"Pending", kPending},
                                                    {"Advertised", kAdvertised},
                                                    {"Abandoned", kAbandoned},
                                                    {"Lapsed", kLapsed}}};

// The record's goods text agrees when equal ignoring case, or loosely without its closing
// line ends and full stops.
bool GoodsDiffer(const std::string& have, const std::string& should) {
    if (EqualNoCaseLatin1(have, should))
        return false;
    return LooseCompare(TrimEnd(have, "\r\n."), should) != 0;
}

} // namespace

void CDiffUs::CompareDetails(const CHtmlPageUsTarrDetails& page, const CZrData& record,
                             CDiffReporter& reporter) {
    const std::string_view status = record.GetField("STATUS");
    if (!StatusMatches(kUsStatuses, status, page.status.GetText()))
        reporter.ReportDifference("Status", std::string(status), page.status.GetText());

    const std::string haveWordMark(TrimEnd(record.GetField("WORDMARK"), " "));
    if (const std::string pageWordMark = FoldWhiteSpace(page.wordMark.GetText());
        CompareWordMark(haveWordMark, pageWordMark) != 0)
        reporter.ReportDifference("Word mark", haveWordMark, pageWordMark);

    CompareDate("Application date", record.GetField("APPDATE"), page.filingDate.GetText(), reporter,
                true);
    CompareDate("Registration date", record.GetField("REGDATE"), page.registrationDate.GetText(),
                reporter, true);

    PairList pageGoods;
    for (const CTarrGoods& goods : page.goods)
        if (!goods.internationalClass.IsEmpty())
            pageGoods.emplace_back(goods.internationalClass.GetText(), goods.goods.GetText());
    // US classes of the record have no page class to stand against.
    GoodsRule rule;
    rule.byNumber = true;
    rule.differ = GoodsDiffer;
    rule.reportMissing = [](std::string_view niceClass) {
        return !StartsWithNoCase(niceClass, "US");
    };
    CompareGoods(RecordPairs(record, "GOODS"), pageGoods, rule, reporter);

    CompareOwners("Owners", true, RecordPairs(record, "PROPS"), page.owners, reporter);
    CompareOwners("Service", true, RecordPairs(record, "SERVS"), page.correspondents, reporter);
}

std::vector<std::string> CDiffUs::GetCheckedFields() const {
    return {"Status", "Word mark", "Application date", "Registration date",
            "Goods",  "Owners",    "Service"};
}

int CDiffUs::CompareNameAndAddress(std::string_view, std::string_view haveName,
                                   std::string_view haveAddress, std::string_view pageName,
                                   std::string_view pageAddress) {
    bool sameAddress = LooseCompare(haveAddress, pageAddress) == 0 ||
                       LooseCompareFirstTwoLines(haveAddress, pageAddress) == 0;
    if (!sameAddress) {
        const std::string withCountry =
            std::string(TrimEnd(haveAddress, " \r\n")) + " United States";
        sameAddress = LooseCompareFirstTwoLines(withCountry, pageAddress) == 0;
    }
    return (LooseCompare(haveName, pageName) != 0 ? 1 : 0) | (sameAddress ? 0 : 2);
}
