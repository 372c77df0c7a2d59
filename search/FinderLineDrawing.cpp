#include "search/FinderLineDrawing.h"

#include "core/CodePages.h"
#include "core/TickBox.h"
#include "core/WString.h"
#include "registers/ZrDbs.h"

#include <algorithm>
#include <string_view>

namespace {

// Record text as it reads: Greek or Western.
CWString Wide(std::string_view text) {
    return CWString(text, ScoreFavoursSecondTable(text));
}

// The unit of the wide text that the byte of the record text became part of.
int UnitOf(std::string_view text, std::size_t byte) {
    int position = static_cast<int>(byte);
    CWString wide;
    wide.SetText(text, ScoreFavoursSecondTable(text), &position);
    return position;
}

// The tick box, outlined so that an empty one shows on the window colour.
void DrawOutlinedTickBox(IDrawSurface& surface, const CRect& box, bool ticked) {
    DrawTickBox(surface, box, ticked);
    surface.SetPen({surface.GetSystemColour(ESystemColour::ButtonShadow), 1});
    const CPoint outline[] = {{box.left, box.top},
                              {box.right - 1, box.top},
                              {box.right - 1, box.bottom - 1},
                              {box.left, box.bottom - 1},
                              {box.left, box.top}};
    surface.DrawPolyline(outline);
}

} // namespace

int CFinderLineDrawer::FlagsWidth(std::size_t registers) {
    return (CZrDb::kBitmapWidth + kIconGap) * static_cast<int>(registers) + kIconGap;
}

int CFinderLineDrawer::WidthBeforeColumn(const IDrawSurface& surface, const CFoundString& line,
                                         const CWString& text) {
    const int aligned = UnitOf(line.GetText(), CFinderSelection::GetAlignedCharacter(line));
    return text.GetExtentOf(surface, aligned).width;
}

int CFinderLineDrawer::CodeColumnWidth(const IDrawSurface& surface) const {
    return Wide(selection_.GetKind() == EFinderList::Vienna ? kViennaColumn : kLocarnoColumn)
        .GetExtent(surface)
        .width;
}

int CFinderLineDrawer::GetWidthToShow(const IDrawSurface& surface, int index, int lineHeight) {
    const CFoundString line = selection_.GetLine(index);
    if (line.GetText().empty())
        return 0;
    const int margin = TextLeft({0, 0, 0, lineHeight});
    const CWString text = Wide(line.GetText());
    const int width = text.GetExtent(surface).width;
    const int flags = FlagsWidth(line.GetCodes().size());
    if (selection_.GetKind() != EFinderList::Strings)
        return margin + CodeColumnWidth(surface) + width + flags;
    if (!selection_.IsAligned())
        return margin + width;
    // The column stands `column` of the room's steps into it, rounded down: the least room
    // whose share before the column holds the part before it, and whose share after the column
    // holds the rest. With the column at the margin the part before it never shows.
    constexpr int kSteps = CFinderSelection::kAlignSteps;
    const int column = selection_.GetAlignColumn();
    const int before = WidthBeforeColumn(surface, line, text);
    const int after = width - before;
    int room = after > 0 ? kSteps * (after - 1) / (kSteps - column) + 1 : 0;
    if (column > 0)
        room = std::max(room, (kSteps * before + column - 1) / column);
    return margin + room + flags;
}

void CFinderLineDrawer::DrawLine(IDrawSurface& surface, int index, const CRect& rect) {
    const CFoundString line = selection_.GetLine(index);
    const bool ticked = selection_.IsSelected(line);
    // GTK's 3-D light colour is the window's own, so a ticked line takes the button face.
    const CColour background =
        surface.GetSystemColour(ticked ? ESystemColour::ButtonFace : ESystemColour::Window);
    surface.FillRect(rect, background);
    if (line.GetText().empty())
        return;
    const int side = rect.Height();
    DrawOutlinedTickBox(
        surface, {rect.left + 2, rect.top + 2, rect.left + side - 2, rect.bottom - 2}, ticked);
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    surface.SetTextColour(surface.GetSystemColour(ESystemColour::WindowText));
    if (selection_.GetKind() == EFinderList::Strings)
        DrawStrings(surface, line, rect);
    else
        DrawCodeLine(surface, line, rect);
    if (selection_.GetKind() != EFinderList::Strings || selection_.IsAligned())
        DrawFlags(surface, line.GetCodes(), rect, background);
}

void CFinderLineDrawer::DrawStrings(IDrawSurface& surface, const CFoundString& line,
                                    const CRect& rect) const {
    const std::string& text = line.GetText();
    const int left = TextLeft(rect);
    if (!selection_.IsAligned()) {
        Wide(text).TextOut(surface, left, rect.top);
        return;
    }
    const int width = rect.right - FlagsWidth(line.GetCodes().size()) - left;
    const int column = left + selection_.GetAlignColumn() * width / CFinderSelection::kAlignSteps;
    const CWString wide = Wide(text);
    wide.TextOut(surface, column - WidthBeforeColumn(surface, line, wide), rect.top);
}

void CFinderLineDrawer::DrawCodeLine(IDrawSurface& surface, const CFoundString& line,
                                     const CRect& rect) const {
    const int left = TextLeft(rect);
    Wide(selection_.GetCodeText(line)).TextOut(surface, left, rect.top);
    DrawDescription(surface, line.GetText(), left + CodeColumnWidth(surface), rect.top);
}

void CFinderLineDrawer::DrawDescription(IDrawSurface& surface, const std::string& description,
                                        int x, int y) const {
    const CWString wide = Wide(description);
    wide.TextOut(surface, x, y);
    const std::vector<CTextSpan> spans = selection_.GetHighlightSpans(description);
    if (spans.empty())
        return;
    const CDrawStateSaver keep(surface);
    surface.SetBackgroundMode(EBackgroundMode::Opaque);
    surface.SetBackgroundColour(surface.GetSystemColour(ESystemColour::Highlight));
    surface.SetTextColour(surface.GetSystemColour(ESystemColour::HighlightText));
    for (const CTextSpan& span : spans) {
        const int first = UnitOf(description, span.start);
        const int end = UnitOf(description, span.start + span.length);
        surface.TextOut(x + wide.GetExtentOf(surface, first).width, y,
                        wide.View().substr(static_cast<std::size_t>(first),
                                           static_cast<std::size_t>(end - first)));
    }
}

void CFinderLineDrawer::DrawFlags(IDrawSurface& surface, const std::string& codes,
                                  const CRect& rect, CColour background) const {
    // Over a text too long for its room.
    surface.FillRect({rect.right - FlagsWidth(codes.size()), rect.top, rect.right, rect.bottom},
                     background);
    const int y = rect.top + (rect.Height() - CZrDb::kBitmapHeight) / 2;
    int x = rect.right;
    for (auto code = codes.rbegin(); code != codes.rend(); ++code) {
        x -= CZrDb::kBitmapWidth + kIconGap;
        if (const CZrDb* db = registers_.GetDb(static_cast<unsigned char>(*code)))
            db->DrawBitmap(surface, x, y);
    }
}
