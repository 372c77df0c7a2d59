#include "registers/TextFitting.h"

#include "core/WString.h"

namespace {

const std::u16string kEllipsis = u"...";

// The longest prefix, of at least one unit and shorter than the text, that fits the width with
// the ellipsis after it; the shortest one when none fits.
std::size_t FittingPrefix(const IDrawSurface& surface, std::u16string_view units, int width) {
    std::size_t low = 1;
    std::size_t high = units.size();
    while (low + 1 < high) {
        const std::size_t middle = (low + high) / 2;
        std::u16string candidate(units.substr(0, middle));
        candidate += kEllipsis;
        if (surface.GetTextExtent(candidate).width > width)
            high = middle;
        else
            low = middle;
    }
    return low;
}

} // namespace

void DrawWideText(IDrawSurface& surface, int x, int y, int width, std::string_view text,
                  bool centre, bool wide) {
    const std::u16string units =
        wide ? std::u16string(CWString(text, true).View()) : RecordTextToUtf16(text, false);
    const int textWidth = surface.GetTextExtent(units).width;
    if (textWidth > width && units.size() > 1) {
        surface.TextOut(x, y, units.substr(0, FittingPrefix(surface, units, width)) + kEllipsis);
        return;
    }
    if (centre && textWidth <= width)
        x += (width - textWidth) / 2;
    surface.TextOut(x, y, units);
}

std::string ShortenToWidth(const IDrawSurface& surface, int width, const std::string& text) {
    if (text.size() < 2 || surface.GetTextExtent(text).width <= width)
        return text;
    std::string shortened = text;
    std::size_t cut = text.find_last_of(", ", text.size() - 2);
    while (cut != std::string::npos) {
        shortened = text.substr(0, cut + 1) + "...";
        if (surface.GetTextExtent(shortened).width <= width || cut == 0)
            break;
        cut = text.find_last_of(", ", cut - 1);
    }
    return shortened;
}

void DrawCentredText(IDrawSurface& surface, const CRect& rect, std::string_view text) {
    const CSize size = surface.GetTextExtent(text);
    surface.TextOut(rect.left + (rect.Width() - size.width) / 2,
                    rect.top + (rect.Height() - size.height) / 2, text);
}

void DrawErrorText(IDrawSurface& surface, const CRect& rect, std::string_view text) {
    DrawCentredText(surface, rect,
                    surface.GetTextExtent(text).width > rect.Width() ? "Error" : text);
}
