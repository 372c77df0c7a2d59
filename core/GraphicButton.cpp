#include "core/GraphicButton.h"

#include <algorithm>

namespace {

constexpr CColour kGrey = MakeColour(0x80, 0x80, 0x80);

// A triangle of height s pointing up or down with a base of 2s - 1, its top at y.
std::vector<CPoint> VerticalTriangle(int centreX, int y, int s, bool up) {
    const int apexY = up ? y : y + s - 1;
    const int baseY = up ? y + s - 1 : y;
    return {{centreX, apexY}, {centreX + s - 1, baseY}, {centreX - (s - 1), baseY}};
}

// A triangle of width s pointing left or right with a vertical base of 2s - 1, its left at x.
std::vector<CPoint> HorizontalTriangle(int x, int centreY, int s, bool left) {
    const int apexX = left ? x : x + s - 1;
    const int baseX = left ? x + s - 1 : x;
    return {{apexX, centreY}, {baseX, centreY + s - 1}, {baseX, centreY - (s - 1)}};
}

void Frame(IDrawSurface& surface, const CRect& r, CColour topLeft, CColour bottomRight) {
    surface.SetPen({topLeft, 1});
    surface.DrawLine({r.left, r.bottom - 1}, {r.left, r.top});
    surface.DrawLine({r.left, r.top}, {r.right - 1, r.top});
    surface.SetPen({bottomRight, 1});
    surface.DrawLine({r.right - 1, r.top}, {r.right - 1, r.bottom - 1});
    surface.DrawLine({r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1});
}

} // namespace

std::vector<std::vector<CPoint>> GraphicGlyphTriangles(int glyph, const CRect& area) {
    const int w = area.Width();
    const int h = area.Height();
    const int centreX = area.left + w / 2;
    const int centreY = area.top + h / 2;
    switch (glyph) {
    case kGlyphUp:
    case kGlyphDown: {
        const int s = std::min(w / 2 + 1, h);
        return {VerticalTriangle(centreX, area.top + (h - s) / 2, s, glyph == kGlyphUp)};
    }
    case kGlyphDoubleUp:
    case kGlyphDoubleDown: {
        const int s = std::min(w / 2 + 1, (h - 2) / 2);
        const int top = area.top + (h - 2 * s - 2) / 2;
        const bool up = glyph == kGlyphDoubleUp;
        return {VerticalTriangle(centreX, top, s, up),
                VerticalTriangle(centreX, top + s + 2, s, up)};
    }
    case kGlyphLeft:
    case kGlyphRight: {
        const int s = std::min(h / 2 + 1, w);
        return {HorizontalTriangle(area.left + (w - s) / 2, centreY, s, glyph == kGlyphLeft)};
    }
    default:
        return {};
    }
}

void DrawGraphicButton(IDrawSurface& surface, const CRect& client, int glyph, int margin,
                       bool pressed, bool enabled) {
    CDrawStateSaver saver(surface);
    surface.FillRect(client, surface.GetSystemColour(ESystemColour::ButtonFace));
    const CRect frame = client.Deflated(margin, margin);
    const CColour highlight = surface.GetSystemColour(ESystemColour::ButtonHighlight);
    const CColour shadow = surface.GetSystemColour(ESystemColour::ButtonShadow);
    const CColour dark = surface.GetSystemColour(ESystemColour::ButtonText);
    if (pressed) {
        Frame(surface, frame, dark, highlight);
        Frame(surface, frame.Deflated(1, 1), shadow, highlight);
    } else {
        Frame(surface, frame, highlight, dark);
        Frame(surface, frame.Deflated(1, 1), highlight, shadow);
    }

    CRect area = frame.Deflated(3, 3);
    if (pressed) {
        area.left += 2;
        area.top += 2;
    } else {
        area.right -= 2;
        area.bottom -= 2;
    }
    const CColour fill = enabled ? dark : kGrey;
    surface.SetPen({enabled ? kBlack : kGrey, 1});
    for (const std::vector<CPoint>& triangle : GraphicGlyphTriangles(glyph, area))
        surface.DrawPolygon(triangle, fill);
}

bool CGraphicButtonState::Press() {
    pressed_ = true;
    captured_ = true;
    if (behaviour_ != kAutoRepeat)
        return false;
    ticks_ = 0;
    timerRunning_ = true;
    return true;
}

bool CGraphicButtonState::Tick() {
    if (behaviour_ != kAutoRepeat || !captured_ || !timerRunning_)
        return false;
    const bool send = ticks_ > 4;
    ++ticks_;
    return send;
}

bool CGraphicButtonState::Release() {
    const bool wasCaptured = captured_;
    captured_ = false;
    timerRunning_ = false;
    pressed_ = false;
    return wasCaptured && behaviour_ != kAutoRepeat;
}

void CGraphicButtonState::Disable() {
    captured_ = false;
    timerRunning_ = false;
    pressed_ = false;
}
