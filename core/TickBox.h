#pragma once
// The tick drawn in list cells, such as the run searches of the search display.

#include "core/DrawSurface.h"

// Fills the cell with the window colour and, when ticked, draws a tick of two strokes one pixel
// apart in the colour.
void DrawTick(IDrawSurface& surface, const CRect& cell, bool ticked, CColour colour);
// DrawTick in the window-text colour.
void DrawTickBox(IDrawSurface& surface, const CRect& cell, bool ticked);
