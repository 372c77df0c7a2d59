#include "core/ClassList.h"
#include "core/Latin1.h"
#include "registers/AsciiText.h"
#include "web/DiffText.h"
#include "web/Diffs.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 4> kRegistered = {
    "Registration fee paid", "Registration published", "Registration - Cancellation Pending",
    "Interruption of Proceedings"};
constexpr std::array<std::string_view, 7> kPending = {
    "Application received", "Filing date accorded", "Classification checked",
    "Classification check", "Formalities check",    "Absolute grounds check",
    "Application accepted"};
constexpr std::array<std::string_view, 23> kAdvertised = {
    "Application published",
    "Opposition pending",
    "Opposition filed",
    "Admissibility check OK",
    "Cooling off period",
    "Commencement of proceedings",
    "Agreement between the parties",
    "Final decision CTM Limited after the opposition",
    "Final decision CTM rejected in part",
    "Final decision opposition withdrawn",
    "Final decision opposition rejected",
    "Final decision opposition not duly entered",
    "No decision opposition not duly entered",
    "Registration pending",
    "Appeal pending",
    "Key in appeal",
    "Payment awaited",
    "Payment received",
    "Appeal being Processed by a Board",
    "Decision Notifying Parties",
    "Appeal Pending with the CFI or European Court of Justice (ECJ)",
    "Appeal Closed",
    "Interruption of Proceedings"};
constexpr std::array<std::string_view, 6> kAbandoned = {
    "Application refused",         "Final decision",        "Final decision CTM withdrawn",
    "Final decision CTM rejected", "Application withdrawn", "Conversion Requested"};
constexpr std::array<std::string_view, 2> kLapsed = {"Registration Surrendered",
                                                     "Registration Cancelled"};

std::string WithoutColourLanguage(std::string_view colours) {
    for (const std::string_view prefix : {"English English/", "English/"})
        if (StartsWithNoCase(colours, prefix))
            return std::string(colours.substr(prefix.size()));
    return std::string(colours);
}

} // namespace

void CDiffCtm::CompareDetails(const CHtmlPageCtmDetails& page, const CZrData& record,
                              CDiffReporter& reporter) {
    static constexpr std::array<CStatusRow, 5> kStatuses = {{{"Registered", kRegistered},
                                                             {"Pending", kPending},
                                                             {"Advertised", kAdvertised},
                                                             {"Abandoned", kAbandoned},
                                                             {"Lapsed", kLapsed}}};
    const std::string_view status = record.GetField("STATUS");
    if (!StatusMatches(kStatuses, status, page.status))
        reporter.ReportDifference("Status", std::string(status), page.status);

    const std::string_view wordMark = record.GetField("WORDMARK");
    std::string pageWordMark = FoldWhiteSpace(page.wordMark);
    if (EqualNoCaseLatin1(pageWordMark, "Not word mark"))
        pageWordMark.clear();
    if (CompareWordMark(wordMark, pageWordMark) != 0)
        reporter.ReportDifference("Word mark", std::string(wordMark), pageWordMark);

    CompareDate("Application date", record.GetField("APPDATE"), page.filingDate, reporter);
    CompareDate("Publication date", record.GetField("PUBDATE"), page.publicationDate, reporter);

    for (const auto& [label, tag, pageText] :
         {std::tuple{"First language", "LANG1", &page.firstLanguage},
          std::tuple{"Second language", "LANG2", &page.secondLanguage}})
        if (!EqualNoCaseLatin1(record.GetField(tag), *pageText))
            reporter.ReportDifference(label, std::string(record.GetField(tag)), *pageText);

    const std::string colours = WithoutColourLanguage(record.GetField("IMCOLOURS"));
    if (!EqualNoCaseLatin1(colours, page.colours))
        reporter.ReportDifference("Colours", colours, page.colours);

    const std::string classes(record.GetField("CLASSES"));
    CClassList haveClasses;
    haveClasses.SetFromText(classes);
    CClassList pageClasses;
    pageClasses.SetFromText(page.classes);
    if (haveClasses.Compare(pageClasses) != 1)
        reporter.ReportDifference("Classes", classes, page.classes);

    GoodsRule english;
    english.languagePrefix = "[English] ";
    CompareGoods(RecordPairs(record, "GOODS"), page.goods, english, reporter);
    CompareOwners("Owners", false, RecordPairs(record, "PROPS"), page.owners, reporter);
    CompareOwners("Service", false, RecordPairs(record, "SERVS"), page.representatives, reporter);
}

std::vector<std::string> CDiffCtm::GetCheckedFields() const {
    return {"Status",         "Word mark",       "Application date", "Publication date",
            "First language", "Second language", "Colours",          "Classes",
            "Goods",          "Owners",          "Service"};
}

int CDiffCtm::CompareNameAndAddress(std::string_view, std::string_view haveName,
                                    std::string_view haveAddress, std::string_view pageName,
                                    std::string_view pageAddress) {
    return (LooseCompare(haveName, pageName) != 0 ? 1 : 0) |
           (AlnumsInOrder(pageAddress, haveAddress) ? 0 : 2);
}
