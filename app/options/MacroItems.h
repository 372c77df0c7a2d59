#pragma once
// The keyword list's rows (CMacroComboBox) and the check of a class keyword's definition
// (CMacroEditClassDlg), without their windows.

#include "core/DrawSurface.h"

#include <cstddef>
#include <string>

// A row: the letter "S" at the left edge when the system's definition is in effect, the name
// 20 pixels in, both vertically centred.
void DrawMacroItem(IDrawSurface& surface, const CRect& rect, const std::string& name, bool system,
                   bool selected, CColour background);
// Twice the height of the row's text.
int MacroItemHeight(const IDrawSurface& surface, const std::string& name);

struct CClassStringCheck {
    bool valid = false;
    // Valid: the classes as the keyword stores them, ranges compressed ("1-3,9").
    std::string summary;
    // Invalid: the byte at which the text stops being a class list.
    std::size_t errorPosition = 0;
};

CClassStringCheck CheckClassString(const std::string& text);
