#pragma once
// How a string-finder list draws its lines, without a window: a tick box in the left margin and
// a light background for a ticked string, then by kind of list
// - strings: at the margin, or aligned (keyword in context) so that the character where the
//   entry's ordered part begins stands at the aligned column, the part before it reaching to the
//   left, with the flags of the registers that hold the entry at the right;
// - Locarno and Vienna codes: the code column, the description after it with the typed text
//   highlighted where it starts a word, and the registers' flags at the right.
// Record text is drawn Western or Greek as it reads; the finder's replies say nothing of it.

#include "core/DrawSurface.h"
#include "search/FinderSelection.h"

#include <cstddef>

class CWString;
class CZrDbs;

class CFinderLineDrawer {
public:
    // Between the flags of the registers and after the last one.
    static constexpr int kIconGap = 2;
    // The code column's width is that of the widest code and two blanks.
    static constexpr const char* kLocarnoColumn = "88 - 88  ";
    static constexpr const char* kViennaColumn = "88.88.88  ";

    // Neither is owned; the registers draw their flags.
    CFinderLineDrawer(CFinderSelection& selection, const CZrDbs& registers)
        : selection_(selection), registers_(registers) {}

    // Line `index` of the list into its rectangle; an empty line past the list's ends.
    void DrawLine(IDrawSurface& surface, int index, const CRect& rect);

    // How wide a line of that height must be to show entry `index` whole: its tick box, its
    // text (aligned: the part before the entry's position within the column's share of the room
    // left of the flags, the rest within the share right of it), the code column and the flags;
    // 0 past the list's ends.
    int GetWidthToShow(const IDrawSurface& surface, int index, int lineHeight);

    // Where a line's text begins: after the tick box's margin, as wide as the line is high.
    static int TextLeft(const CRect& rect) { return rect.left + rect.Height() + kIconGap; }
    // The width the flags of that many registers take at the right of a line.
    static int FlagsWidth(std::size_t registers);

private:
    // The width of the text of an aligned line before the character at the aligned column.
    static int WidthBeforeColumn(const IDrawSurface& surface, const CFoundString& line,
                                 const CWString& text);
    int CodeColumnWidth(const IDrawSurface& surface) const;
    void DrawStrings(IDrawSurface& surface, const CFoundString& line, const CRect& rect) const;
    void DrawCodeLine(IDrawSurface& surface, const CFoundString& line, const CRect& rect) const;
    // The description, and over it the words that start with the typed text in the highlight
    // colours.
    void DrawDescription(IDrawSurface& surface, const std::string& description, int x, int y) const;
    // The registers' flags from the last code to the first, right to left, centred vertically,
    // on the line's background.
    void DrawFlags(IDrawSurface& surface, const std::string& codes, const CRect& rect,
                   CColour background) const;

    CFinderSelection& selection_;
    const CZrDbs& registers_;
};
