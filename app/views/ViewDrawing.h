#pragma once
// Drawings of the views that no register makes.

#include "core/DrawSurface.h"

#include <string_view>

// A row or cell in the standard colours with the error text centred and a line along its
// bottom.
void DrawMarkErrorRow(IDrawSurface& surface, const CRect& rect, std::string_view text);
