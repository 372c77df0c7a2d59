#pragma once
// Texts of mark rows fitted to their room: a word mark cut with "...", a summary cut at a comma
// or blank, error texts centred in a row or cell.

#include "core/DrawSurface.h"

#include <string>
#include <string_view>

// Draws record text at (x, y) within the width: Greek (Windows-1253, character references
// decoded) when wide, else Western. A text too wide is cut to the longest prefix that fits with
// "..." after it, at least one character; a text of one character or none is drawn whole. A
// text that fits is centred in the width when asked.
void DrawWideText(IDrawSurface& surface, int x, int y, int width, std::string_view text,
                  bool centre, bool wide);

// The text when it fits the width; else cut after its last comma or blank with "..." after it,
// the cut moving to earlier commas and blanks until it fits or none is left.
std::string ShortenToWidth(const IDrawSurface& surface, int width, const std::string& text);

// The text centred in the rectangle, both ways.
void DrawCentredText(IDrawSurface& surface, const CRect& rect, std::string_view text);
// The text centred in the rectangle; "Error" when the text is wider than the rectangle.
void DrawErrorText(IDrawSurface& surface, const CRect& rect, std::string_view text);
