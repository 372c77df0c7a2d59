// How a register draws its marks: list rows, icon cells, their colours, boxes and hit tests.

#include "core/Dib.h"
#include "core/UserOptions.h"
#include "registers/CheckBox.h"
#include "registers/DisplayInfo.h"
#include "registers/FlagBitmaps.h"
#include "registers/TextFitting.h"
#include "registers/ZrDb.h"

#include <cstdio>

namespace {

int H0(const CDisplayInfo& info) {
    return info.GetLineHeight(CDisplayInfo::kMain);
}

int H1(const CDisplayInfo& info) {
    return info.GetLineHeight(CDisplayInfo::kWordMark);
}

int Cw0(const CDisplayInfo& info) {
    return info.GetCharWidth(CDisplayInfo::kMain);
}

CRect Square(int left, int top, int side) {
    return {left, top, left + side, top + side};
}

// The row's colours on the surface and its background filled; text is drawn over it.
CColour PaintBackground(const CZrDb& db, const CMark& mark, IDrawSurface& surface,
                        const CRect& area, int boxType, bool selected) {
    CColour text;
    CColour background;
    db.GetRowColours(mark, boxType, selected, text, background);
    surface.SetTextColour(text);
    surface.SetBackgroundColour(background);
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    surface.FillRect(area, background);
    surface.SetPen({text, 1});
    return text;
}

} // namespace

int CZrDb::CalcShortRowHeight(bool deviceMark, const CDisplayInfo& info) {
    const int base = H1(info) + (7 * H0(info)) / 4;
    if (deviceMark && info.GetIconHeight() + 2 >= base)
        return info.GetIconHeight() + 3;
    return base + 1;
}

int CZrDb::CalcLongRowHeight(const CDisplayInfo& info) {
    return 3 * H0(info) + H1(info) + (H0(info) / 4) * 5;
}

CRect CZrDb::GetShortBoxRect(const CRect& row, const CDisplayInfo& info) {
    return Square(row.right - 10 * Cw0(info), row.top + H0(info) / 4, H0(info));
}

CRect CZrDb::GetLongBoxRect(const CRect& cell, const CDisplayInfo& info) {
    return Square(cell.left + 10, cell.bottom - H0(info) / 2 - H0(info), H0(info));
}

CRect CZrDb::GetAltBoxRect(const CRect& row, const CDisplayInfo& info) {
    return Square(row.right - 10 * Cw0(info), row.bottom - H0(info) / 2 - H1(info) - H0(info),
                  H0(info));
}

bool CZrDb::HitTestShortBox(const CRect& row, CPoint point, const CDisplayInfo& info) {
    return CCBox(GetShortBoxRect(row, info)).HitTest(point);
}

bool CZrDb::HitTestLongBox(const CRect& cell, CPoint point, const CDisplayInfo& info) {
    return CCBox(GetLongBoxRect(cell, info)).HitTest(point);
}

bool CZrDb::HitTestAltBox(const CRect& row, CPoint point, const CDisplayInfo& info) {
    return CCBox(GetAltBoxRect(row, info)).HitTest(point);
}

CRect CZrDb::GetSoundIconRect(const CMark& mark, const CRect& row, const CDisplayInfo& info) {
    if (!HasSound(mark))
        return {row.left, row.top, row.left, row.top};
    const int left = row.left + Cw0(info);
    const int top = row.top + 3 * H0(info) + (H0(info) / 4) * 4;
    return {left, top, left + 6 * Cw0(info), top + H1(info)};
}

void CZrDb::GetRowColours(const CMark& mark, int boxType, bool selected, CColour& text,
                          CColour& background) const {
    const CUserOptions& options = TheUserOptions();
    if (boxType == kBoxKeep && mark.IsKept()) {
        text = options.GetFgrColour(true);
        background = options.GetBgrColour(true);
        if (selected) {
            background = MakeColour(background.red / 2, background.green / 2, background.blue / 2);
            text = kWhite;
        }
        return;
    }
    text = options.GetFgrColour(false);
    background = options.GetBgrColour(false);
    if (selected)
        std::swap(text, background);
}

int CZrDb::DrawShortForm(CMark& mark, IDrawSurface& surface, const CRect& rowTop, int boxType,
                         bool selected, const CDisplayInfo& info) {
    const CDrawStateSaver saver(surface);
    const int height = GetShortRowHeight(mark, info);
    const CRect row{rowTop.left, rowTop.top, rowTop.right, rowTop.top + height};
    const int h0 = H0(info);
    const int cw0 = Cw0(info);
    const int iconW = info.GetIconWidth();
    const int textX = iconW + 4 * cw0;
    const int gap = (height - H1(info) - h0 - 1) / 3;
    const int lineY = height - gap - h0 - 1;

    surface.SetFont(info.GetFont(CDisplayInfo::kMain));
    const CColour text = PaintBackground(*this, mark, surface, row, boxType, selected);
    std::string errorText;
    if (const RecordPtr record = GetSummaryRecord(mark, errorText)) {
        SetMarkAppNum(mark, *record);
        bool wide = false;
        const std::string wordMark = GetWordMarkText(*record, wide);
        const std::string summary = GetSummaryText(*record);
        if (IsDeviceMark(mark))
            DrawIconOrImage(mark, surface, {row.left + 2 * cw0, row.top + 1}, *record, info);
        if (HasWordMark(mark)) {
            surface.SetFont(
                info.GetFont(wide ? CDisplayInfo::kGreekWordMark : CDisplayInfo::kWordMark));
            DrawWideText(surface, row.left + textX, row.top + gap,
                         row.right - 18 * cw0 - row.left - iconW, wordMark, false, wide);
            surface.SetFont(info.GetFont(CDisplayInfo::kMain));
        }
        CCBox(GetShortBoxRect(row, info), boxType, mark).Draw(surface);
        DrawBitmap(surface, row.left + textX, row.top + (h0 - kBitmapHeight) / 2 + lineY);
        const int summaryX = textX + kBitmapWidth + cw0;
        surface.TextOut(row.left + summaryX, row.top + lineY,
                        ShortenToWidth(surface, row.right - summaryX - row.left, summary));
    } else {
        DrawErrorText(surface, row, errorText);
    }
    surface.SetPen({text, 1});
    surface.DrawLine({row.left, row.bottom - 1}, {row.right, row.bottom - 1});
    return height;
}

void CZrDb::DrawLongForm(CMark& mark, IDrawSurface& surface, const CRect& cell, int boxType,
                         bool selected, const CDisplayInfo& info) {
    const CDrawStateSaver saver(surface);
    surface.SetFont(info.GetFont(CDisplayInfo::kMain));
    PaintBackground(*this, mark, surface, cell, boxType, selected);
    std::string errorText;
    if (const RecordPtr record = GetSummaryRecord(mark, errorText)) {
        SetMarkAppNum(mark, *record);
        if (IsDeviceMark(mark)) {
            const int inset = (cell.Width() - info.GetIconWidth()) / 2;
            DrawIconOrImage(mark, surface, {cell.left + inset, cell.top + inset}, *record, info);
        }
        CCBox(GetLongBoxRect(cell, info), boxType, mark).Draw(surface);
    } else {
        DrawErrorText(surface, cell, errorText);
    }
    surface.DrawLine({cell.left, cell.bottom}, {cell.right + 1, cell.bottom});
    surface.DrawLine({cell.right, cell.top}, {cell.right, cell.bottom});
}

void CZrDb::DrawIconOrImage(const CMark& mark, IDrawSurface& surface, CPoint at,
                            const CZrData& record, const CDisplayInfo& info) const {
    // A record without an icon leaves the cell empty; only an icon that cannot be drawn is an
    // error.
    bool drawn = true;
    CRect area{at.x, at.y, at.x + info.GetIconWidth(), at.y + info.GetIconHeight()};
    if (record.HasField("ICON0")) {
        area = {at.x, at.y, at.x + CDisplayInfo::kIconSize, at.y + CDisplayInfo::kIconSize};
        drawn = surface.StretchImage(EImageFormat::Png, record.GetFieldBytes("ICON0"), area);
    } else if (record.HasField("ICON")) {
        drawn = DrawImage(surface, area, record.GetFieldBytes("ICON"));
    }
    if (!drawn)
        ReportImageError(mark, surface, area);
}

void CZrDb::DrawIcon(const CMark& mark, IDrawSurface& surface, const CRect& rect) {
    const RecordPtr record = FetchSummaryRecord(mark);
    if (record && record->HasField("ICON"))
        DrawImage(surface, rect, record->GetFieldBytes("ICON"));
}

bool CZrDb::DrawImage(IDrawSurface& surface, const CRect& rect, std::span<const std::uint8_t> dib) {
    const std::optional<BitmapInfoHeader> header = BitmapInfoHeader::Read(dib);
    if (!header)
        return false;
    if (header->biWidth == rect.Width() && header->biHeight == rect.Height())
        return surface.DrawImage(EImageFormat::Dib, dib, {rect.left, rect.top});
    return surface.StretchImage(EImageFormat::Dib, dib, rect);
}

int CZrDb::DrawBitmap(IDrawSurface& surface, int x, int y) const {
    surface.DrawImage(EImageFormat::Png, BuiltInFlagPng(bitmapId_), {x, y});
    return kBitmapWidth;
}

void CZrDb::ReportImageError(const CMark& mark, IDrawSurface& surface, const CRect& rect) const {
    char number[40];
    std::snprintf(number, sizeof number, "0x%08X", mark.GetRecordNumber());
    std::string text = GetShortName() + " Could not acceess SGE: " + number;
    if (mark.GetAppNumber() != 0) {
        std::snprintf(number, sizeof number, "0x%08X", static_cast<unsigned>(mark.GetAppNumber()));
        text += std::string(" AppNum: ") + number;
    }
    if (surface.GetTextExtent(text).width >= rect.Width())
        text = "SGE err";
    DrawCentredText(surface, rect, text);
}
