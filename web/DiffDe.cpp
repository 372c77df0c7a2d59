#include "core/ClassList.h"
#include "core/Latin1.h"
#include "core/SmallHelpers.h"
#include "registers/AsciiText.h"
#include "web/DiffText.h"
#include "web/Diffs.h"
#include "web/PageText.h"

#include <algorithm>
#include <array>

namespace {

// The register's status texts (Windows-1252) that stand for a record status. Its other texts
// stand for none.
struct DeStatus {
    std::string_view pageText;
    std::string_view recordStatus;
};
constexpr std::array<DeStatus, 14> kDeStatuses = {{
    {"abgetrennte eingetragene Marke", "Registered"},
    {"eingetr. Marke (neu ver\xF6"
     "ffentlicht)",
     "Registered"},
    {"eingetr. Marke - Widersp.frist od. - verf. l\xE4"
     "uft",
     "Registered"},
    {"eingetr. Marke -Widersp. unm\xF6"
     "gl. (ver\xF6"
     "ffentl.)",
     "Registered"},
    {"eingetr. Marke, Widersp.verf. l\xE4"
     "uft",
     "Registered"},
    {"eingetr. Marke, Widerspr.verf. abgeschlossen", "Registered"},
    {"eingetr. Marke, kein Widerspruch erhoben", "Registered"},
    {"Marke eingetragen", "Registered"},
    {"Wid.frist ohne Widersp. abgel. (ver\xF6"
     "ffentl.)",
     "Registered"},
    {"Wid.verf. abgeschl. -ohne Ausw. (ver\xF6"
     "ffentl.)",
     "Registered"},
    {"Empfangsbescheinigung mit Veroeffentl.d.Anmeldung", "Pending"},
    {"in Ordnung, Pr\xFC"
     "fer (formelle Sachpr\xFC"
     "fung)",
     "Pending"},
    {"in Ordnung, SB (formelle Sachpr\xFC"
     "fung)",
     "Pending"},
    {"Marke gel\xF6"
     "scht",
     "Abandoned"},
}};

// "Anwaltssozietät": a law firm's name that one side may leave out.
constexpr std::string_view kLawFirm = "Anwaltssoziet\xE4t";

std::string Joined(std::string_view name, std::string_view address) {
    std::string text(name);
    if (!address.empty())
        text += " " + std::string(address);
    return text;
}

// The words of an address for service rebuilt with its last two swapped: the page writes the
// town before the post code, or the other way round.
std::string LastTwoWordsSwapped(std::string_view text) {
    std::vector<std::string> words = SplitWords(text, ";.,");
    if (words.size() >= 2)
        std::swap(words[words.size() - 1], words[words.size() - 2]);
    std::string rebuilt;
    for (const std::string& word : words)
        rebuilt += (rebuilt.empty() ? "" : " ") + word;
    return rebuilt;
}

// The text without its longest run of digits (the last of equally long runs), when it ends in a
// run of five digits or more: a post code or number that one side leaves out.
bool CutLongestDigitRun(std::string& text) {
    const std::size_t tail = text.size() - TrimEnd(text, "0123456789").size();
    if (tail < 5)
        return false;
    std::size_t bestStart = 0;
    std::size_t bestLength = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (!IsAsciiDigit(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && IsAsciiDigit(text[at]))
            ++at;
        if (at - start >= bestLength) {
            bestStart = start;
            bestLength = at - start;
        }
    }
    text.erase(bestStart, bestLength);
    return true;
}

// The German rule on the goods: loosely equal, or the same words in another order.
bool GoodsDiffer(const std::string& have, const std::string& should) {
    if (LooseCompare(have, should) == 0)
        return false;
    std::vector<std::string> haveWords = SplitWords(have, ";.");
    std::vector<std::string> pageWords = SplitWords(should, ";.");
    std::sort(haveWords.begin(), haveWords.end());
    std::sort(pageWords.begin(), pageWords.end());
    return CompareWordLists(haveWords, pageWords) != 0;
}

} // namespace

std::string MapDeStatus(std::string_view pageStatus) {
    for (const DeStatus& row : kDeStatuses)
        if (EqualNoCaseLatin1(row.pageText, pageStatus))
            return std::string(row.recordStatus);
    return {};
}

void CDiffDe::CompareDetails(const CHtmlPageDeDetails& page, const CZrData& record,
                             CDiffReporter& reporter) {
    const std::string_view status = record.GetField("STATUS");
    if (const std::string mapped = MapDeStatus(page.status); !EqualNoCaseLatin1(mapped, status))
        reporter.ReportDifference("Status", std::string(status),
                                  mapped.empty() ? page.status : mapped + " (" + page.status + ")");

    const std::string_view wordMark = record.GetField("WORDMARK");
    if (const std::string pageWordMark = FoldWhiteSpace(page.wordMark);
        CompareWordMark(wordMark, pageWordMark) != 0)
        reporter.ReportDifference("Word mark", std::string(wordMark), pageWordMark);

    CompareDate("Application date", record.GetField("APPDATE"), page.filingDate, reporter);

    const std::string classes(record.GetField("CLASSES"));
    const std::string pageClasses = ReplaceAll(page.classes, ";", " ");
    CClassList haveList;
    haveList.SetFromText(classes);
    CClassList pageList;
    pageList.SetFromText(pageClasses);
    if (haveList.Compare(pageList) != 1)
        reporter.ReportDifference("Classes", classes, page.classes);

    std::string goods;
    for (const auto& [niceClass, text] : RecordPairs(record, "GOODS"))
        if (!StartsWithNoCase(text, "[see Class "))
            goods += (goods.empty() ? "" : " ") + text;
    if (GoodsDiffer(goods, page.goods))
        reporter.ReportDifference("Goods", goods, page.goods);

    CompareOwners("Owners", true, RecordPairs(record, "PROPS"), page.owners, reporter);
    CompareOwners("Agents", true, RecordPairs(record, "AGENTS"), page.representatives, reporter);
    CompareOwners("Service", true, RecordPairs(record, "SERVS"), page.addressesForService,
                  reporter);
}

std::vector<std::string> CDiffDe::GetCheckedFields() const {
    return {"Status", "Word mark", "Application date", "Classes",
            "Goods",  "Owners",    "Agents",           "Service"};
}

int CDiffDe::CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                                   std::string_view haveAddress, std::string_view pageName,
                                   std::string_view pageAddress) {
    std::string have = Joined(haveName, haveAddress);
    std::string should = Joined(pageName, pageAddress);
    if (LooseCompare(have, should) == 0)
        return 0;
    if (EqualsNoCase(tag, "Owners") && have.size() > 2 && have.ends_with("DE")) {
        have.resize(have.size() - 2);
    } else if (EqualsNoCase(tag, "Agents")) {
        have = ReplaceAll(std::move(have), kLawFirm, "");
        should = ReplaceAll(std::move(should), kLawFirm, "");
    } else if (EqualsNoCase(tag, "Service")) {
        have = LastTwoWordsSwapped(have);
    }
    if (LooseCompare(have, should) == 0)
        return 0;
    if (CutLongestDigitRun(have) && LooseCompare(have, should) == 0)
        return 0;
    return 3;
}
