#include "core/OwnerName.h"
#include "core/SmallHelpers.h"
#include "registers/AsciiText.h"
#include "web/DiffText.h"
#include "web/Diffs.h"
#include "web/PageText.h"

bool CDiffA6::BuildRequest(CHtmlSiteA6& site, std::uint32_t, const CZrData& record,
                           CHtmlRequest& request, std::string& error) {
    const std::string_view subset = record.GetField("SUBSET");
    if (!EqualsNoCase(subset, "A6")) {
        error =
            "Only Article 6ter emblems are compared with their page; this name is of the list " +
            std::string(subset);
        return false;
    }
    return site.OpenSpecialRegister(record, request, error);
}

void CDiffA6::CompareDetails(const CHtmlPageA6Details& page, const CZrData& record,
                             CDiffReporter& reporter) {
    if (!page.wordMark.empty()) {
        const std::string_view wordMark = record.GetField("WORDMARK");
        if (const std::string pageWordMark = FoldWhiteSpace(page.wordMark);
            CompareWordMark(wordMark, pageWordMark) != 0)
            reporter.ReportDifference("Word mark", std::string(wordMark), pageWordMark);
    }
    CompareDate("Registration date", record.GetField("APPDATE"), page.circularDate, reporter);
    if (const std::string_view journal = record.GetField("JOURNAL"); journal != page.circularNumber)
        reporter.ReportDifference("Journal", std::string(journal), page.circularNumber);

    const PairList owners = RecordPairs(record, "PROPS");
    const std::string owner = NormaliseOwnerName(
        ReplaceAll(owners.empty() ? std::string() : owners.front().first, "\n", "\\"), true);
    if (LooseCompare(owner, NormaliseOwnerName(page.name, true)) != 0)
        reporter.ReportDifference("Name", owner, page.name);
}

std::vector<std::string> CDiffA6::GetCheckedFields(bool pageShowsWordMark) const {
    std::vector<std::string> fields = {"Registration date", "Journal", "Owners"};
    if (pageShowsWordMark)
        fields.insert(fields.begin(), "Word mark");
    return fields;
}

std::vector<std::string> CDiffA6::ComparePage(const CHtmlPageA6Details& page, const CZrData& record,
                                              CDiffReporter& reporter) {
    CompareDetails(page, record, reporter);
    return GetCheckedFields(!page.wordMark.empty());
}
