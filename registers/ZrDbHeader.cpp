// The details header of a mark: three lines of the register's texts around its flag, the keep
// box, the sound button and the word mark below them, all placed from the main display font.

#include "core/ImgButton.h"
#include "registers/CheckBox.h"
#include "registers/DisplayInfo.h"
#include "registers/TextFitting.h"
#include "registers/ZrDb.h"

namespace {

void DrawText(IDrawSurface& surface, int x, int y, const std::string& text) {
    if (!text.empty())
        surface.TextOut(x, y, text);
}

// The text ending one character width before the right edge.
void DrawRightAligned(IDrawSurface& surface, const CRect& rect, int charWidth, int y,
                      const std::string& text) {
    DrawText(surface, rect.right - charWidth - surface.GetTextExtent(text).width, y, text);
}

} // namespace

void CZrDb::DrawFullRecord(const CMark& mark, IDrawSurface& surface, const CRect& rect,
                           int boxType, const CDisplayInfo& info) {
    const CDrawStateSaver saver(surface);
    const int w = info.GetCharWidth(CDisplayInfo::kMain);
    const int h = info.GetLineHeight(CDisplayInfo::kMain);
    const int g = h / 4;
    surface.SetFont(info.GetFont(CDisplayInfo::kMain));
    surface.SetBackgroundMode(EBackgroundMode::Transparent);

    CHeaderTexts texts;
    std::string errorText;
    if (!GetHeaderTexts(mark, texts, errorText)) {
        DrawErrorText(surface, rect, errorText);
        return;
    }
    const int y1 = rect.top + g;
    const int flagWidth = DrawBitmap(surface, rect.left + w, y1 + (h - kBitmapHeight) / 2);
    DrawText(surface, rect.left + 2 * w + flagWidth, y1, texts.line1Left);
    DrawRightAligned(surface, rect, w, y1, texts.line1Right);

    const int y2 = y1 + h + g;
    DrawRightAligned(surface, rect, w, y2, texts.line2Right);
    const int room = rect.Width() - 3 * w - surface.GetTextExtent(texts.line2Right).width;
    DrawText(surface, rect.left + w, y2, ShortenToWidth(surface, room, texts.line2Left));

    const int y3 = y2 + h + g;
    DrawText(surface, rect.left + w, y3, texts.line3Left);

    CCBox(GetAltBoxRect(rect, info), boxType, mark).Draw(surface);
    if (HasSound(mark))
        CImgButton(GetSoundIconRect(mark, rect, info), CImgButton::kNoImage, 0).Draw(surface);

    surface.SetFont(info.GetFont(texts.wideWordMark ? CDisplayInfo::kGreekWordMark
                                                    : CDisplayInfo::kWordMark));
    DrawWideText(surface, rect.left + w, y3 + h + g, rect.Width() - 2 * w, texts.wordMark, true,
                 texts.wideWordMark);
}
