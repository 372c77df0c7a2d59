#include "app/controls/BoldMarkup.h"

namespace {

constexpr std::string_view kBoldOn = "<b>";
constexpr std::string_view kBoldOff = "</b>";

} // namespace

std::vector<CMarkupRun> SplitBoldRuns(std::string_view text) {
    std::vector<CMarkupRun> runs;
    CMarkupRun run;
    const auto endRun = [&runs, &run] {
        if (!run.text.empty())
            runs.push_back(run);
        run.text.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '<') {
            endRun();
            const std::string_view rest = text.substr(i);
            if (rest.starts_with(kBoldOn)) {
                run.bold = true;
                i += kBoldOn.size();
                continue;
            }
            if (rest.starts_with(kBoldOff)) {
                run.bold = false;
                i += kBoldOff.size();
                continue;
            }
        }
        run.text += text[i++];
    }
    endRun();
    return runs;
}

int DrawBoldMarkup(IDrawSurface& surface, int x, int y, std::string_view text) {
    const CFontSpec normal = surface.GetFont();
    CFontSpec bold = normal;
    bold.weight = CFontSpec::kBold;
    for (const CMarkupRun& run : SplitBoldRuns(text)) {
        surface.SetFont(run.bold ? bold : normal);
        surface.TextOut(x, y, run.text);
        x += surface.GetTextExtent(run.text).width;
    }
    surface.SetFont(normal);
    return x;
}
