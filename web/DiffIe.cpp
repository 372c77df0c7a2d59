#include "core/Latin1.h"
#include "web/DiffText.h"
#include "web/Diffs.h"

namespace {

// At least this many letters and digits of the record's address must be found on the page.
constexpr std::size_t kMinimumAddressMatch = 5;

// The address without a closing country code (" IE").
std::string_view WithoutCountryCode(std::string_view address) {
    const std::size_t n = address.size();
    if (n > 3 && address[n - 3] == ' ' && IsUpperLatin1(address[n - 2]) &&
        IsUpperLatin1(address[n - 1]))
        address.remove_suffix(3);
    return address;
}

} // namespace

void CDiffIe::CompareDetails(const CHtmlPageIeDetails& page, const CZrData& record,
                             CDiffReporter& reporter) {
    const std::string_view status = record.GetField("STATUS");
    if (const std::string pageStatus = FoldWhiteSpace(page.status.GetText());
        CompareWordMark(status, pageStatus) != 0)
        reporter.ReportDifference("Status", std::string(status), pageStatus);

    if (!page.wordMark.empty()) {
        const std::string wordMark = FoldWhiteSpace(record.GetField("WORDMARK"));
        if (const std::string pageWordMark = FoldWhiteSpace(page.wordMark);
            CompareWordMark(wordMark, pageWordMark) != 0)
            reporter.ReportDifference("Word mark", wordMark, pageWordMark);
    }

    CompareDate("Registration date", record.GetField("REGDATE"), page.registrationDate.GetText(),
                reporter);
    CompareDate("Publication date", record.GetField("PUBDATE"), page.publicationDate.GetText(),
                reporter);
    GoodsRule byNumber;
    byNumber.byNumber = true;
    CompareGoods(RecordPairs(record, "GOODS"), page.goods, byNumber, reporter);
    CompareOwners("Owners", false, RecordPairs(record, "PROPS"), page.owners, reporter);
    CompareOwners("Service", false, RecordPairs(record, "SERVS"), page.addressesForService,
                  reporter);
}

std::vector<std::string> CDiffIe::GetCheckedFields(bool pageShowsWordMark) const {
    std::vector<std::string> fields = {"Status"};
    if (pageShowsWordMark)
        fields.emplace_back("Word mark");
    fields.insert(fields.end(),
                  {"Registration date", "Publication date", "Goods", "Owners", "Service"});
    return fields;
}

std::vector<std::string> CDiffIe::ComparePage(const CHtmlPageIeDetails& page, const CZrData& record,
                                              CDiffReporter& reporter) {
    CompareDetails(page, record, reporter);
    return GetCheckedFields(!page.wordMark.empty());
}

int CDiffIe::CompareNameAndAddress(std::string_view, std::string_view haveName,
                                   std::string_view haveAddress, std::string_view pageName,
                                   std::string_view pageAddress) {
    std::size_t matched = 0;
    const bool found = AlnumsInOrder(WithoutCountryCode(haveAddress), pageAddress, &matched);
    return (LooseCompare(haveName, pageName) != 0 ? 1 : 0) |
           (found && matched >= kMinimumAddressMatch ? 0 : 2);
}
