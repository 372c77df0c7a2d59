#pragma once
// Rows of the owner-drawn lists and combo boxes, drawn through the drawing surface into the
// row's rectangle: a selected row in the highlight colours, any other on its background. Focus
// rectangles are the window's part.

#include "core/DrawSurface.h"

#include <string_view>

// Fills the row in the highlight colour when selected, else in the background, and sets the
// text colour to match (the highlight text, else the text colour given).
void PaintListItem(IDrawSurface& surface, const CRect& rect, bool selected, CColour background,
                   CColour text);
// The same on the window colours.
void PaintListItem(IDrawSurface& surface, const CRect& rect, bool selected);

// A row of 8-bit record text shown as wide text (CUnicodeListBox), 2 pixels in.
void DrawUnicodeItem(IDrawSurface& surface, const CRect& rect, std::string_view text,
                     bool selected);

struct CCountryItemState {
    bool enabled = true; // the list and the item
    bool selected = false;
    // The height the list's rows need at least; taller rows centre their text.
    int minItemHeight = 0;
};

// A row of a country list (CCountryListBox), right of its check box: a two-letter code and a
// blank start the text ("FR France"), and the name goes into a column of its own, the width of
// "ABCD" in; any other text is drawn whole. The name may carry bold markup. Disabled rows are
// grey.
void DrawCountryItem(IDrawSurface& surface, const CRect& rect, std::string_view text,
                     const CCountryItemState& state);

// A row of a formatted combo box (CHtmlComboBox): its text with bold markup, vertically centred.
void DrawHtmlComboItem(IDrawSurface& surface, const CRect& rect, std::string_view text,
                       bool selected, CColour background);
// The height of such a row: twice the font's.
int HtmlComboItemHeight(const IDrawSurface& surface);
