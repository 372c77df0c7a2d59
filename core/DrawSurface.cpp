#include "core/DrawSurface.h"

#include "core/CodePages.h"

std::u16string RecordTextToUtf16(std::string_view text, bool greek) {
    std::u16string units;
    units.reserve(text.size());
    for (const char byte : text)
        units.push_back(codepage::ToUtf16(byte, greek));
    return units;
}

CSize IDrawSurface::GetTextExtent(std::string_view text) const {
    return GetTextExtent(RecordTextToUtf16(text, GetFont().greek));
}

std::vector<int> IDrawSurface::GetPartialTextExtents(std::string_view text) const {
    return GetPartialTextExtents(RecordTextToUtf16(text, GetFont().greek));
}

void IDrawSurface::TextOut(int x, int y, std::string_view text) {
    TextOut(x, y, RecordTextToUtf16(text, GetFont().greek));
}

CDrawStateSaver::CDrawStateSaver(IDrawSurface& surface)
    : surface_(surface), font_(surface.GetFont()), text_(surface.GetTextColour()),
      background_(surface.GetBackgroundColour()), mode_(surface.GetBackgroundMode()),
      pen_(surface.GetPen()) {}

CDrawStateSaver::~CDrawStateSaver() {
    surface_.SetFont(font_);
    surface_.SetTextColour(text_);
    surface_.SetBackgroundColour(background_);
    surface_.SetBackgroundMode(mode_);
    surface_.SetPen(pen_);
}
