#include "app/controls/ListItems.h"

#include "app/controls/BoldMarkup.h"
#include "core/WString.h"

#include <algorithm>

namespace {

constexpr CColour kDisabledText = MakeColour(0x80, 0x80, 0x80);
constexpr int kTextIndent = 2;

} // namespace

void PaintListItem(IDrawSurface& surface, const CRect& rect, bool selected, CColour background,
                   CColour text) {
    surface.FillRect(rect,
                     selected ? surface.GetSystemColour(ESystemColour::Highlight) : background);
    surface.SetTextColour(selected ? surface.GetSystemColour(ESystemColour::HighlightText) : text);
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
}

void PaintListItem(IDrawSurface& surface, const CRect& rect, bool selected) {
    PaintListItem(surface, rect, selected, surface.GetSystemColour(ESystemColour::Window),
                  surface.GetSystemColour(ESystemColour::WindowText));
}

void DrawUnicodeItem(IDrawSurface& surface, const CRect& rect, std::string_view text,
                     bool selected) {
    PaintListItem(surface, rect, selected);
    const CWString wide(text, false);
    surface.TextOut(rect.left + kTextIndent, rect.top, wide.View());
}

void DrawCountryItem(IDrawSurface& surface, const CRect& rect, std::string_view text,
                     const CCountryItemState& state) {
    const CColour window = surface.GetSystemColour(ESystemColour::Window);
    if (state.enabled)
        PaintListItem(surface, rect, state.selected, window,
                      surface.GetSystemColour(ESystemColour::WindowText));
    else
        PaintListItem(surface, rect, false, window, kDisabledText);
    const int y = rect.top + std::max(0, (rect.Height() - state.minItemHeight) / 2);
    if (text.size() > 3 && text[2] == ' ') {
        surface.TextOut(rect.left + kTextIndent, y, text.substr(0, 2));
        DrawBoldMarkup(surface, rect.left + surface.GetTextExtent(std::string_view("ABCD")).width,
                       y, text.substr(3));
    } else {
        DrawBoldMarkup(surface, rect.left + kTextIndent, y, text);
    }
}

void DrawHtmlComboItem(IDrawSurface& surface, const CRect& rect, std::string_view text,
                       bool selected, CColour background) {
    PaintListItem(surface, rect, selected, background,
                  surface.GetSystemColour(ESystemColour::WindowText));
    const int height = surface.GetFontMetrics().height;
    DrawBoldMarkup(surface, rect.left, rect.top + (rect.Height() - height) / 2, text);
}

int HtmlComboItemHeight(const IDrawSurface& surface) {
    return 2 * surface.GetFontMetrics().height;
}
