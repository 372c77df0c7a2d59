// Criteria text as read from examination files: parsing, writing it back, reading that again,
// and highlighting the input with the terms that came out.
#include "core/Criteria.h"
#include "core/TermHighlighter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CCriteria criteria;
    criteria.ReadCriteriaText(text);
    CCriteria again;
    again.ReadCriteriaText(criteria.WriteCriteriaText(true));
    again.WriteEngineText();

    std::vector<std::string> terms = criteria.GetGoodsTerms();
    terms.insert(terms.end(), criteria.GetWordTerms().begin(), criteria.GetWordTerms().end());
    CTermHighlighter highlighter;
    highlighter.SetTerms(terms);
    std::vector<CHighlightPiece> pieces;
    highlighter.SplitText(text, pieces);
    return 0;
}
