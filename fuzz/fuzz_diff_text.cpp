// The difference check's text rules and the registers' name-and-address rules on fuzzed record
// and page texts. The input is cut at its first two line feeds into a record text, a page text
// and a list of (name, address) pairs for both sides.
#include "web/DiffRun.h"
#include "web/DiffText.h"
#include "web/Diffs.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string_view NextLine(std::string_view& text) {
    const std::size_t newline = text.find('\n');
    const std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    return line;
}

void Require(bool holds) {
    if (!holds)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string have(NextLine(input));
    const std::string should(NextLine(input));

    const std::string folded = FoldWhiteSpace(should);
    Require(folded.find_first_of("\r\n\t") == std::string::npos);
    Require(folded.empty() || (folded.front() != ' ' && folded.back() != ' '));
    Require((LooseCompare(have, should) == 0) == (LooseCompare(should, have) == 0));
    Require(LooseCompare(have, have) == 0 && LooseCompareFirstTwoLines(have, have) == 0);
    Require(CompareWordMark(have, have) == 0);
    Require((CompareLineSets(have, should) == 0) == (CompareLineSets(should, have) == 0));
    for (const std::string& line : SplitLines(have))
        Require(!line.empty() && line.find('\\') == std::string::npos);
    for (const std::string& word : SplitWords(have, ";.,"))
        Require(!word.empty() && word.find_first_of(";., \r\n") == std::string::npos);
    AlnumsInOrder(have, should);
    NumberValue(have);

    // Every rule on both texts as names and addresses, and the lists the rest of the input makes.
    PairList pairs;
    ParsePairList(input, pairs);
    std::vector<CNameAddr> page(pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        page[i].name.SetText(pairs[i].first);
        page[i].address.SetText(pairs[i].second);
        page[i].lines = SplitLines(pairs[i].second);
    }
    CDiffLines lines;
    CDiffCtm eu;
    CDiffDe germany;
    CDiffIe ireland;
    CDiffUk uk;
    CDiffUs us;
    for (CDiff* diff : std::initializer_list<CDiff*>{&eu, &germany, &ireland, &uk, &us})
        for (const char* tag : {"Owners", "Agents", "Service", "AGENTS"}) {
            const int result = diff->CompareNameAndAddress(tag, have, should, should, have);
            Require(result >= 0 && result <= 3);
            diff->CompareOwners(tag, true, pairs, page, lines);
            diff->CompareHolderLines(tag, false, pairs, page, lines);
        }
    return 0;
}
