#include "registers/HighlightSplitter.h"

#include "core/TermHighlighter.h"

TermSplitter MakeHighlightSplitter() {
    return [](std::string_view text, const std::vector<std::string>& terms) {
        CTermHighlighter highlighter;
        highlighter.SetTerms(terms);
        std::vector<CHighlightPiece> pieces;
        highlighter.SplitText(std::string(text), pieces);
        std::vector<CTextRun> runs;
        runs.reserve(pieces.size());
        for (CHighlightPiece& piece : pieces)
            runs.push_back({piece.flag != 0, std::move(piece.text)});
        return runs;
    };
}
