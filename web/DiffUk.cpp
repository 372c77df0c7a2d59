#include "core/ClassList.h"
#include "core/Latin1.h"
#include "core/OwnerName.h"
#include "registers/AppNumFormats.h"
#include "registers/AsciiText.h"
#include "web/DiffText.h"
#include "web/Diffs.h"

#include <array>
#include <cstdlib>

namespace {

// Numbers from here on are international designations of the UK.
constexpr unsigned long kFirstDesignation = 8000000;
// Numbers from here to the designations are reserved marks, which have no page.
constexpr unsigned long kFirstReserved = 4000000;

constexpr std::array<std::string_view, 2> kLapsed = {"Archived", "Expired"};
constexpr std::array<std::string_view, 1> kLapsedDivided = {"Divided"};
constexpr std::array<std::string_view, 2> kRegistered = {"Merged - Registered", "Protected"};
constexpr std::array<std::string_view, 4> kPending = {"Examined", "Awaiting advert",
                                                      "New Application", "Advertised"};
constexpr std::array<std::string_view, 6> kAbandoned = {
    "Refused", "Withdrawn", "Archived", "Deemed abandoned", "Expired", "Surrendered"};

constexpr std::array<CStatusRow, 5> kUkStatuses = {{{"Lapsed", kLapsed},
                                                    {"Lapsed-Divided", kLapsedDivided},
                                                    {"Registered", kRegistered},
                                                    {"Pending", kPending},
                                                    {"Abandoned", kAbandoned}}};

std::string Joined(std::string_view name, std::string_view address) {
    return std::string(name) + " " + std::string(address);
}

std::vector<std::string> ClassTexts(std::string_view text) {
    CClassList classes;
    classes.SetFromText(std::string(text));
    std::vector<std::string> items;
    classes.GetText(items);
    return items;
}

} // namespace

bool CDiffUk::CheckMark(CHtmlSiteUk& site, std::uint32_t number, const CZrData& record,
                        CDiffReporter& reporter) {
    std::string text = WithoutChars(FormatUkAppNum(number), ",B");
    bool designation = text.starts_with('M');
    if (designation) {
        text.erase(0, 1);
    } else {
        const unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
        if (value >= kFirstReserved && value < kFirstDesignation) {
            reporter.WriteLine("Not checking UK Reserved mark: " + text);
            return false;
        }
        designation = value >= kFirstDesignation;
    }
    CHtmlPageUkDetails page;
    if (!FetchMarkPage(site, number, record, page, reporter))
        return false;
    if (designation)
        CompareIrDetails(page, record, reporter);
    else
        CompareDetails(page, record, reporter);
    return true;
}

void CDiffUk::CompareStatusAndWordMark(const CHtmlPageUkDetails& page, const CZrData& record,
                                       CDiffReporter& reporter, const std::string& statusLabel,
                                       const std::string& wordMarkLabel) {
    const std::string_view status = record.GetField("STATUS");
    if (!StatusMatches(kUkStatuses, status, page.status.GetText()))
        reporter.ReportDifference(statusLabel, std::string(status), page.status.GetText());

    const std::string_view wordMark = record.GetField("WORDMARK");
    if (const std::string pageWordMark = FoldWhiteSpace(page.wordMark);
        CompareWordMark(wordMark, pageWordMark) != 0)
        reporter.ReportDifference(wordMarkLabel, std::string(wordMark), pageWordMark);
}

void CDiffUk::CompareDetails(const CHtmlPageUkDetails& page, const CZrData& record,
                             CDiffReporter& reporter) {
    CompareStatusAndWordMark(page, record, reporter, "Status", "Word mark");
    CompareDate("Application date", record.GetField("APPDATE"), page.filingDate.GetText(),
                reporter);
    CompareGoods(RecordPairs(record, "GOODS"), page.goods, {}, reporter);
    CompareHolderLines("PROPS", true, RecordPairs(record, "PROPS"), page.proprietors, reporter);
    CompareOwners("Service", true, RecordPairs(record, "SERVS"), page.addressesForService,
                  reporter);
    serviceName_.clear();
    serviceAddress_.clear();
    if (!page.addressesForService.empty()) {
        const CNameAddr& service = page.addressesForService.front();
        serviceName_ = NormaliseOwnerName(service.name.GetText(), false);
        serviceAddress_ = NormaliseOwnerName(service.address.GetText(), true);
    }
    CompareOwners("Agents", true, RecordPairs(record, "AGENTS"), page.agents, reporter);
}

void CDiffUk::CompareIrDetails(const CHtmlPageUkDetails& page, const CZrData& record,
                               CDiffReporter& reporter) {
    // A designation's differences are labelled by the record's tags.
    CompareStatusAndWordMark(page, record, reporter, "STATUS", "WORDMARK");
    CompareDate("APPDATE", record.GetField("APPDATE"), page.designationDate.GetText(), reporter);

    const std::string_view classes = record.GetField("CLASSES");
    if (CompareStringLists(ClassTexts(classes), ClassTexts(page.irClasses.GetText())) != 0)
        reporter.ReportDifference("CLASSES", std::string(classes), page.irClasses.GetText());
}

std::vector<std::string> CDiffUk::GetCheckedFields() const {
    return {"Status", "Word mark", "Application date", "Goods", "Owners", "Service", "Agents"};
}

std::vector<std::string> CDiffUk::GetCheckedFieldsIr() const {
    return {"Word mark", "Classes", "Application date", "Status"};
}

std::vector<std::string> CDiffUk::ComparePage(const CHtmlPageUkDetails& page, const CZrData& record,
                                              CDiffReporter& reporter) {
    if (IsUkMadridAppNum(record.GetField("APPNUM"))) {
        CompareIrDetails(page, record, reporter);
        return GetCheckedFieldsIr();
    }
    CompareDetails(page, record, reporter);
    return GetCheckedFields();
}

// A record without agents may have its address for service standing as the page's agent.
int CDiffUk::CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                                   std::string_view haveAddress, std::string_view pageName,
                                   std::string_view pageAddress) {
    if (EqualsNoCase(tag, "AGENTS") && haveName.empty() && haveAddress.empty() &&
        EqualNoCaseLatin1(pageName, serviceName_) &&
        EqualNoCaseLatin1(pageAddress, serviceAddress_))
        return 0;
    const int differences = (LooseCompare(haveName, pageName) != 0 ? 1 : 0) |
                            (LooseCompare(haveAddress, pageAddress) != 0 ? 2 : 0);
    // Words may stand in the name on one side and in the address on the other.
    if (differences == 0 ||
        LooseCompare(Joined(haveName, haveAddress), Joined(pageName, pageAddress)) == 0)
        return 0;
    return differences;
}
