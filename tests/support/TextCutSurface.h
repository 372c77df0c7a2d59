#pragma once
// A drawing surface that watches the texts drawn on it, for the checks of owner-drawn windows: a
// text is cut where it reaches out of the rectangle drawing is clipped to, or where a rectangle
// is filled over it afterwards (text drawn over text, such as a highlighted word, hides nothing).
// It draws as the surface it extends: a recording, or a window's.

#include "core/DrawSurface.h"

#include <optional>
#include <string>
#include <vector>

// The texts drawn so far, each with the part of it that still shows.
class CDrawnTexts {
public:
    void Add(std::u16string_view text, const CRect& box, const std::optional<CRect>& clip);
    // A fill over part of a text hides the text from there on, as far as the clip lets it.
    void Fill(const CRect& rect, const std::optional<CRect>& clip);
    // One line a text that does not show whole: "'Bluestone Holdings' shows 67 of its 190
    // pixels".
    std::vector<std::string> CutTexts() const;

private:
    struct CDrawnText {
        std::u16string text;
        CRect box;
        // The columns of the box that show; fewer as the text is covered.
        int shownLeft;
        int shownRight;
    };

    std::vector<CDrawnText> texts_;
};

template <class Surface>
class CTextCutSurface : public Surface {
public:
    using Surface::Surface;
    using Surface::TextOut;

    std::vector<std::string> CutTexts() const { return texts_.CutTexts(); }

    void TextOut(int x, int y, std::u16string_view text) override {
        Surface::TextOut(x, y, text);
        const CSize extent = this->GetTextExtent(text);
        texts_.Add(text, {x, y, x + extent.width, y + extent.height}, clip_);
    }
    void SetClip(const CRect& rect) override {
        Surface::SetClip(rect);
        clip_ = rect;
    }
    void ResetClip() override {
        Surface::ResetClip();
        clip_.reset();
    }
    void FillRect(const CRect& rect, CColour colour) override {
        Surface::FillRect(rect, colour);
        texts_.Fill(rect, clip_);
    }

private:
    std::optional<CRect> clip_;
    CDrawnTexts texts_;
};
