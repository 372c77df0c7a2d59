#include "core/SmallHelpers.h"
#include "registers/AsciiText.h"
#include "web/DiffText.h"
#include "web/Diffs.h"
#include "web/PageText.h"

#include <tuple>
#include <unordered_set>

namespace {

// A record text against a page text given in plain and italic parts (two languages): it
// differs when it matches neither. The report shows the italic part on a second line.
void CompareWithItalic(const std::string& label, const std::string& have, const std::string& text,
                       const std::string& italic, CDiffReporter& reporter) {
    if (LooseCompare(have, text) == 0 || LooseCompare(have, italic) == 0)
        return;
    if (italic.empty())
        reporter.ReportDifference(label, have, text);
    else
        reporter.ReportDifferenceTwoLines(label, have, "", text, italic);
}

std::string WithoutPrefix(std::string_view text, std::string_view prefix) {
    return std::string(StartsWithNoCase(text, prefix) ? text.substr(prefix.size()) : text);
}

} // namespace

void CDiffIn::CompareDetails(const CHtmlPageWipoDetails& page, const CZrData& record,
                             CDiffReporter& reporter) {
    const std::string_view wordMark = record.GetField("WORDMARK");
    if (const std::string pageWordMark = FoldWhiteSpace(page.wordMark);
        CompareWordMark(wordMark, pageWordMark) != 0)
        reporter.ReportDifference("Word mark", std::string(wordMark), pageWordMark);

    CompareDate("Application date", record.GetField("APPDATE"), page.inid151, reporter);

    const PairList goods = RecordPairs(record, "GOODS");
    std::vector<const StringPair*> pairs;
    for (const StringPair& pair : goods)
        pairs.push_back(&pair);
    const ClassIndex haves = IndexByClass(pairs, true);
    std::unordered_set<std::string> onPage;
    for (const CHtmlPageWipoDetails::CGoodsRow& row : page.goods) {
        const std::string key = ClassKey(row.niceClass, true);
        onPage.insert(key);
        if (const auto have = haves.find(key); have != haves.end())
            CompareWithItalic(GoodsLabel(row.niceClass), have->second->second, row.text,
                              row.italicText, reporter);
        else
            reporter.ReportDifference(GoodsLabel(row.niceClass), kMissing, row.text);
    }
    for (const auto& [niceClass, text] : goods)
        if (!onPage.contains(ClassKey(niceClass, true)))
            reporter.ReportDifference(GoodsLabel(niceClass), text, kMissing);

    const std::string_view duration = record.GetField("MKDUR");
    if (NumberValue(duration) != NumberValue(page.inid171))
        reporter.ReportDifference("Reg duration", std::string(duration), page.inid171);

    CompareWithItalic("Mark description", std::string(record.GetField("MARKDESCR")), page.inid571,
                      page.inid571Italic, reporter);
    CompareWithItalic("Colours", WithoutPrefix(record.GetField("IMCOLOURS"), "Colours claimed:"),
                      page.inid591, page.inid591Italic, reporter);

    const std::string_view country = record.GetField("ORIG_COUNTRY");
    if (!page.inid812.empty() && LooseCompare(country, page.inid812) != 0)
        reporter.ReportDifference("Originating country", std::string(country), page.inid812);

    const std::string_view origin = record.GetField("ORIG_REG");
    if (LooseCompare(ReplaceAll(std::string(origin), " ", ""), ReplaceAll(page.inid822, " ", "")) !=
        0)
        reporter.ReportDifference("Originating registration number", std::string(origin),
                                  page.inid822);

    for (const auto& [label, tag, pageText] :
         {std::tuple{"Madrid agreement", "MAD_AGRMNT", &page.inid831},
          std::tuple{"Madrid protocol", "MAD_PROTO", &page.inid832}}) {
        const std::string_view have = record.GetField(tag);
        if (CompareWordLists(SplitWords(have, ","), SplitWords(*pageText, ",")) != 0)
            reporter.ReportDifference(label, std::string(have), *pageText);
    }

    CompareHolderLines("Owners", true, RecordPairs(record, "PROPS"), page.holders, reporter);
    CompareHolderLines("Agents", true, RecordPairs(record, "AGENTS"), page.representatives,
                       reporter);
}

std::vector<std::string> CDiffIn::GetCheckedFields() const {
    return {"Word mark",
            "Application date",
            "Goods",
            "Reg duration",
            "Mark description",
            "Colours",
            "Originating country",
            "Originating registration number",
            "Madrid agreement",
            "Madrid protocol",
            "Owners",
            "Agents"};
}
