#include "registers/DisplayInfo.h"

#include "core/UserOptions.h"

void CDisplayInfo::CreateFonts(IDrawSurface& surface, const CUserOptions& options) {
    int mainSize = 0;
    int wordMarkSize = 0;
    const std::string mainFace = options.GetDisplayMainFont(mainSize);
    const std::string wordMarkFace = options.GetDisplayWordmarkFont(wordMarkSize);
    fonts_[kMain] = {mainFace, mainSize};
    fonts_[kBold] = {mainFace, mainSize, CFontSpec::kBold};
    fonts_[kWordMark] = {wordMarkFace, wordMarkSize};
    fonts_[kGreekWordMark] = {wordMarkFace, wordMarkSize, CFontSpec::kNormal, false, true};

    const CFontSpec previous = surface.GetFont();
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        surface.SetFont(fonts_[i]);
        const CFontMetrics metrics = surface.GetFontMetrics();
        charWidths_[i] = metrics.averageCharWidth;
        lineHeights_[i] = metrics.LineHeight();
    }
    surface.SetFont(previous);
    iconWidth_ = iconHeight_ = kIconSize;
    initialised_ = true;
}
