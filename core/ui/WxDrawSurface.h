#pragma once
// The drawing surface over a wxDC: a window's paint or client context, a memory bitmap or a
// printer page. The surface keeps its own state and sets the context's to match, so that the
// context's earlier font, pen and brush do not leak into a drawing.

#include "core/DrawSurface.h"

#include <map>
#include <memory>
#include <optional>
#include <wx/bitmap.h>
#include <wx/font.h>

class wxDC;

// An image's bytes as a bitmap, rescaled to the size when one is given; none when the bytes
// hold no image. The bitmaps made last are kept for the next drawing of the same image.
std::optional<wxBitmap> ImageToBitmap(EImageFormat format, std::span<const std::uint8_t> bytes,
                                      wxSize size = wxDefaultSize);

class CWxDrawSurface : public IDrawSurface {
public:
    // Fonts are made fontScale times their size in points: a printer page's context sets a
    // font at the screen's size in its own units, which the printer's resolution makes small.
    explicit CWxDrawSurface(wxDC& dc, double fontScale = 1.0);

    CSize GetDotsPerInch() const override;
    CSize GetPageSize() const override;
    CColour GetSystemColour(ESystemColour colour) const override;

    using IDrawSurface::GetPartialTextExtents;
    using IDrawSurface::GetTextExtent;
    using IDrawSurface::TextOut;
    void SetFont(const CFontSpec& font) override;
    const CFontSpec& GetFont() const override { return font_; }
    CFontMetrics GetFontMetrics() const override;
    void SetTextColour(CColour colour) override;
    CColour GetTextColour() const override { return text_; }
    void SetBackgroundColour(CColour colour) override;
    CColour GetBackgroundColour() const override { return background_; }
    void SetBackgroundMode(EBackgroundMode mode) override;
    EBackgroundMode GetBackgroundMode() const override { return mode_; }
    CSize GetTextExtent(std::u16string_view text) const override;
    std::vector<int> GetPartialTextExtents(std::u16string_view text) const override;
    void TextOut(int x, int y, std::u16string_view text) override;

    void SetClip(const CRect& rect) override;
    void ResetClip() override;

    void SetPen(const CPenSpec& pen) override;
    const CPenSpec& GetPen() const override { return pen_; }
    void FillRect(const CRect& rect, CColour colour) override;
    void DrawLine(CPoint from, CPoint to) override;
    void DrawPolyline(std::span<const CPoint> points) override;
    void DrawPolygon(std::span<const CPoint> points, CColour fill) override;

    bool DrawImage(EImageFormat format, std::span<const std::uint8_t> bytes, CPoint at) override;
    bool StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                      const CRect& target) override;

private:
    const wxFont& FontOf(const CFontSpec& spec);

    wxDC& dc_;
    double fontScale_;
    CFontSpec font_;
    CColour text_ = kBlack;
    CColour background_ = kWhite;
    EBackgroundMode mode_ = EBackgroundMode::Transparent;
    CPenSpec pen_;
    // Fonts made so far, by face, points, weight, italic and character set.
    std::map<std::tuple<std::string, int, int, bool, bool>, wxFont> fonts_;
};

// A surface of its own for measuring text in the font, on a context of the display's kind.
std::unique_ptr<IDrawSurface> MakeMeasuringSurface(const wxFont& font);
