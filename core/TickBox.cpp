#include "core/TickBox.h"

void DrawTick(IDrawSurface& surface, const CRect& cell, bool ticked, CColour colour) {
    surface.FillRect(cell, surface.GetSystemColour(ESystemColour::Window));
    if (!ticked)
        return;
    const CPenSpec previous = surface.GetPen();
    surface.SetPen({colour, 1});
    const int w = cell.Width();
    const int h = cell.Height();
    for (const int offset : {1, 2}) {
        const CPoint stroke[] = {{cell.left + offset, cell.top + h / 2},
                                 {cell.left + offset, cell.top + h - 2},
                                 {cell.left + w - 4 + offset, cell.top + 2}};
        surface.DrawPolyline(stroke);
    }
    surface.SetPen(previous);
}

void DrawTickBox(IDrawSurface& surface, const CRect& cell, bool ticked) {
    DrawTick(surface, cell, ticked, surface.GetSystemColour(ESystemColour::WindowText));
}
