#pragma once
// The four fonts that mark rows are drawn in, with their metrics, made from the user's display
// font settings for one surface; row heights, boxes and hit tests all derive from them, so that
// drawing and clicking agree.

#include "core/DrawSurface.h"

#include <array>

class CUserOptions;

class CDisplayInfo {
public:
    enum EFont { kMain, kWordMark, kGreekWordMark, kBold, kFontCount };
    static constexpr int kIconSize = 96;

    CDisplayInfo() = default;
    virtual ~CDisplayInfo() = default;

    // Main and bold from [Font] DisplayMain, the word-mark fonts from DisplayWordmark (one in
    // the Greek character set), each measured on the surface; the surface's font is put back.
    void CreateFonts(IDrawSurface& surface, const CUserOptions& options);
    bool IsInitialised() const { return initialised_; }

    const CFontSpec& GetFont(int n) const { return fonts_.at(static_cast<std::size_t>(n)); }
    int GetCharWidth(int n) const { return charWidths_.at(static_cast<std::size_t>(n)); }
    int GetLineHeight(int n) const { return lineHeights_.at(static_cast<std::size_t>(n)); }
    int GetIconWidth() const { return iconWidth_; }
    int GetIconHeight() const { return iconHeight_; }

private:
    bool initialised_ = false;
    std::array<CFontSpec, kFontCount> fonts_;
    std::array<int, kFontCount> charWidths_{};
    std::array<int, kFontCount> lineHeights_{};
    int iconWidth_ = 0;
    int iconHeight_ = 0;
};
