#include "core/ImgButton.h"

#include <array>
#include <span>

namespace {

// Glyphs on a grid 43 units wide and 20 high; both are 13 units wide, centred.
constexpr int kGridWidth = 43;
constexpr int kGridHeight = 20;
constexpr int kGlyphWidth = 13;
constexpr std::array<CPoint, 3> kPlayGlyph{{{0, 4}, {0, 14}, {12, 9}}};
constexpr std::array<CPoint, 4> kStopGlyph{{{0, 4}, {0, 14}, {12, 14}, {12, 4}}};

void HorizontalLine(IDrawSurface& surface, int left, int right, int y) {
    surface.DrawLine({left, y}, {right, y});
}

void VerticalLine(IDrawSurface& surface, int x, int top, int bottom) {
    surface.DrawLine({x, top}, {x, bottom});
}

} // namespace

void CImgButton::Draw(IDrawSurface& surface) const {
    CDrawStateSaver saver(surface);
    const CRect& r = rect_;
    surface.FillRect(r, surface.GetSystemColour(ESystemColour::ButtonFace));
    surface.SetPen({kBlack, 1});
    // The outline leaves each corner pixel open.
    HorizontalLine(surface, r.left + 1, r.right - 1, r.top);
    HorizontalLine(surface, r.left + 1, r.right - 1, r.bottom - 1);
    VerticalLine(surface, r.left, r.top + 1, r.bottom - 1);
    VerticalLine(surface, r.right - 1, r.top + 1, r.bottom - 1);

    const CPenSpec shadow{surface.GetSystemColour(ESystemColour::ButtonShadow), 1};
    const CPenSpec highlight{surface.GetSystemColour(ESystemColour::ButtonHighlight), 1};
    CRect glyphArea = r.Deflated(3, 3);
    if (pressed_) {
        surface.SetPen(shadow);
        for (int i = 1; i <= 2; ++i) {
            HorizontalLine(surface, r.left + 1, r.right - 1, r.top + i);
            VerticalLine(surface, r.left + i, r.top + 1, r.bottom - 1);
        }
        glyphArea = {glyphArea.left + 2, glyphArea.top + 2, glyphArea.right + 2,
                     glyphArea.bottom + 2};
    } else {
        surface.SetPen(shadow);
        for (int i = 2; i <= 3; ++i) {
            HorizontalLine(surface, r.left + 1, r.right - 1, r.bottom - i);
            VerticalLine(surface, r.right - i, r.top + 1, r.bottom - 1);
        }
        surface.SetPen(highlight);
        for (int i = 1; i <= 2; ++i) {
            HorizontalLine(surface, r.left + 1, r.right - 2, r.top + i);
            VerticalLine(surface, r.left + i, r.top + 1, r.bottom - 2);
        }
    }

    std::span<const CPoint> glyph;
    if (image_ == kPlay)
        glyph = kPlayGlyph;
    else if (image_ == kStop)
        glyph = kStopGlyph;
    if (glyph.empty())
        return;
    const int w = glyphArea.Width();
    const int h = glyphArea.Height();
    const int offset = (kGridWidth - kGlyphWidth) / 2;
    std::vector<CPoint> points;
    for (const CPoint point : glyph)
        points.push_back({glyphArea.left + w * offset / kGridWidth + point.x * w / kGridWidth,
                          glyphArea.top + point.y * h / kGridHeight});
    const CColour text = surface.GetSystemColour(ESystemColour::WindowText);
    surface.SetPen({text, 1});
    surface.DrawPolygon(points, text);
}
