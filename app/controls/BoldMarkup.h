#pragma once
// Text with bold markup, as the country lists and the formatted combo boxes show it: "<b>"
// switches to a bold copy of the current font and "</b>" back; any other '<' is text.

#include "core/DrawSurface.h"

#include <string>
#include <string_view>
#include <vector>

struct CMarkupRun {
    std::string text;
    bool bold = false;

    bool operator==(const CMarkupRun&) const = default;
};

// The runs in drawing order. A run ends at every '<' and at the end of the text (a lone '<'
// starts the next run); runs without text are left out.
std::vector<CMarkupRun> SplitBoldRuns(std::string_view text);

// Draws the runs one after the other from (x, y), the bold ones in a copy of the surface's font
// of weight 700, and leaves the surface's font as it was. Answers the x after the last run.
int DrawBoldMarkup(IDrawSurface& surface, int x, int y, std::string_view text);
