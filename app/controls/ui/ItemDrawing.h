#pragma once
// What the owner-drawn lists and combo boxes share when they draw a row on a wxDC.

#include "core/DrawSurface.h"

#include <wx/gdicmn.h>

class wxDC;

inline CRect ToCRect(const wxRect& rect) {
    return {rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetBottom() + 1};
}

// The dotted rectangle around the row that has the keyboard focus.
void DrawItemFocus(wxDC& dc, const wxRect& rect);
