#include "core/Criteria.h"
#include "core/TermHighlighter.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

// Stored criteria texts of the kind examinations hold: databases, classes, word terms, status,
// ranges, goods and exclusions, varied by the index.
std::vector<std::string> StoredCriteriaTexts(int count) {
    std::vector<std::string> texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i) {
        CCriteria criteria;
        criteria.ResetWithDbIds(i % 2 ? "uc" : "ucsdi");
        criteria.SetClasses(std::to_string(1 + i % 45) + ", 35-38");
        criteria.SetWordTerms(
            {"ACME" + std::string(1, static_cast<char>('A' + i % 26)), "ZEN-", "AC?E"});
        if (i % 3 == 0)
            criteria.SetAndWordTerms({"BETA"});
        criteria.SetAppNumRange(std::to_string(i), std::to_string(i + 1000));
        criteria.SetAppDateRange("1 Mar 2001", "31 Dec 2001");
        criteria.AddGoods("shoes");
        criteria.AddGoods("boo-");
        criteria.AddExcludedGoods("socks");
        if (i % 5 == 0)
            criteria.AddExcludedWord("ACMEX");
        texts.push_back(criteria.WriteCriteriaText(true));
    }
    return texts;
}

// About 2,000 characters of goods and services text.
std::string GoodsText() {
    const std::string sentence =
        "Footwear, namely shoes, boots, slippers and sandals; semi-soft leather goods; "
        "o'neil-style caps, hats and headgear; clothing for sports, rainwear and outerwear; ";
    std::string text;
    while (text.size() < 2000)
        text += sentence;
    return text.substr(0, 2000);
}

} // namespace

static void BM_Parse10000StoredCriteria(benchmark::State& state) {
    const std::vector<std::string> texts = StoredCriteriaTexts(10000);
    for (auto _ : state) {
        for (const std::string& text : texts) {
            CCriteria criteria;
            benchmark::DoNotOptimize(criteria.ReadCriteriaText(text));
        }
    }
}
BENCHMARK(BM_Parse10000StoredCriteria)->Unit(benchmark::kMillisecond);

static void BM_HighlightGoodsWith20WildcardTerms(benchmark::State& state) {
    const std::string text = GoodsText();
    CTermHighlighter highlighter;
    highlighter.SetTerms({"SHO-",  "BOO?S", "SL-S",  "SAND-",  "SEMI\\-SOFT", "LEATH*R", "O'NEIL",
                          "CA-",   "HAT?",  "HEAD-", "CLOTH-", "SPORT?",      "RAIN-",   "OUT-R",
                          "FOOT-", "-WEAR", "GOO-S", "NAM-LY", "ST-LE",       "S-S"});
    std::vector<CHighlightPiece> pieces;
    for (auto _ : state) {
        highlighter.SplitText(text, pieces);
        benchmark::DoNotOptimize(pieces.data());
    }
}
BENCHMARK(BM_HighlightGoodsWith20WildcardTerms)->Unit(benchmark::kMicrosecond);

// Many wildcards against one long word that almost matches: retrying every span of every
// wildcard would never finish.
static void BM_HighlightPathologicalPattern(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), 'A');
    CTermHighlighter highlighter;
    highlighter.SetTerms({"A-A-A-A-A-A-A-A-A-A-A-A-A-A-A-B", "A?A?A?A?A?A?A?A?A?A?A?A?B"});
    std::vector<CHighlightPiece> pieces;
    for (auto _ : state) {
        highlighter.SplitText(text, pieces);
        benchmark::DoNotOptimize(pieces.data());
    }
}
BENCHMARK(BM_HighlightPathologicalPattern)->Arg(100)->Arg(2000)->Unit(benchmark::kMicrosecond);
