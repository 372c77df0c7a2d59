#include "app/options/MacroItems.h"

#include "app/controls/ListItems.h"
#include "core/ClassList.h"

namespace {

constexpr int kNameIndent = 20;

} // namespace

void DrawMacroItem(IDrawSurface& surface, const CRect& rect, const std::string& name, bool system,
                   bool selected, CColour background) {
    const CDrawStateSaver keep(surface);
    PaintListItem(surface, rect, selected, background,
                  surface.GetSystemColour(ESystemColour::WindowText));
    const int y = rect.top + (rect.Height() - surface.GetFontMetrics().height) / 2;
    if (system)
        surface.TextOut(rect.left, y, std::string_view("S"));
    surface.TextOut(rect.left + kNameIndent, y, name);
}

int MacroItemHeight(const IDrawSurface& surface, const std::string& name) {
    return 2 * surface.GetTextExtent(name.empty() ? std::string_view("S") : name).height;
}

CClassStringCheck CheckClassString(const std::string& text) {
    CClassList classes;
    CClassStringCheck check;
    check.valid = classes.SetFromText(text, &check.errorPosition);
    if (check.valid)
        check.summary = classes.GetSummaryText(true);
    return check;
}
