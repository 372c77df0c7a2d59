#pragma once
// A drawing surface over another that watches the texts drawn through it, for the checks of
// owner-drawn windows: a text is cut where it reaches out of the rectangle drawing is clipped to,
// or where a fill, a shape or an image is drawn over it afterwards (text drawn over text, such as
// a highlighted word, hides nothing). Everything is passed on to the surface beneath.

#include "core/DrawSurface.h"

#include <optional>
#include <string>
#include <vector>

class CTextCutSurface : public IDrawSurface {
public:
    explicit CTextCutSurface(IDrawSurface& inner) : inner_(inner) {}

    // One line a text drawn so far that does not show whole: "'Bluestone Holdings' shows 67 of
    // its 190 pixels".
    std::vector<std::string> CutTexts() const;

    CSize GetDotsPerInch() const override { return inner_.GetDotsPerInch(); }
    CSize GetPageSize() const override { return inner_.GetPageSize(); }
    CColour GetSystemColour(ESystemColour colour) const override {
        return inner_.GetSystemColour(colour);
    }

    using IDrawSurface::GetPartialTextExtents;
    using IDrawSurface::GetTextExtent;
    using IDrawSurface::TextOut;
    void SetFont(const CFontSpec& font) override { inner_.SetFont(font); }
    const CFontSpec& GetFont() const override { return inner_.GetFont(); }
    CFontMetrics GetFontMetrics() const override { return inner_.GetFontMetrics(); }
    void SetTextColour(CColour colour) override { inner_.SetTextColour(colour); }
    CColour GetTextColour() const override { return inner_.GetTextColour(); }
    void SetBackgroundColour(CColour colour) override { inner_.SetBackgroundColour(colour); }
    CColour GetBackgroundColour() const override { return inner_.GetBackgroundColour(); }
    void SetBackgroundMode(EBackgroundMode mode) override { inner_.SetBackgroundMode(mode); }
    EBackgroundMode GetBackgroundMode() const override { return inner_.GetBackgroundMode(); }
    CSize GetTextExtent(std::u16string_view text) const override {
        return inner_.GetTextExtent(text);
    }
    std::vector<int> GetPartialTextExtents(std::u16string_view text) const override {
        return inner_.GetPartialTextExtents(text);
    }
    void TextOut(int x, int y, std::u16string_view text) override;

    void SetClip(const CRect& rect) override;
    void ResetClip() override;

    void SetPen(const CPenSpec& pen) override { inner_.SetPen(pen); }
    const CPenSpec& GetPen() const override { return inner_.GetPen(); }
    void FillRect(const CRect& rect, CColour colour) override;
    void DrawLine(CPoint from, CPoint to) override { inner_.DrawLine(from, to); }
    void DrawPolyline(std::span<const CPoint> points) override { inner_.DrawPolyline(points); }
    void DrawPolygon(std::span<const CPoint> points, CColour fill) override;

    bool DrawImage(EImageFormat format, std::span<const std::uint8_t> bytes, CPoint at) override;
    bool StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                      const CRect& target) override;

private:
    struct CDrawnText {
        std::u16string text;
        CRect box;
        // The columns of the box that show; fewer as the text is covered.
        int shownLeft;
        int shownRight;
    };

    // Whatever is drawn over part of a text hides the text from there on.
    void Cover(const CRect& area);

    IDrawSurface& inner_;
    std::optional<CRect> clip_;
    std::vector<CDrawnText> texts_;
};
