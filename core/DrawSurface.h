#pragma once
// Where marks, check boxes, button faces and printed pages are drawn: a window's device context,
// a printer page, or a test's recording. Coordinates are device units with y growing downwards;
// a rectangle's right and bottom edges lie just outside it. Text of 8 bits is record text: Greek
// (Windows-1253) in a Greek font, else Western (Windows-1252).

#include "core/Colour.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CPoint {
    int x = 0;
    int y = 0;

    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int width = 0;
    int height = 0;

    bool operator==(const CSize&) const = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(CPoint point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    // Shrunk by dx on the left and right and dy at the top and bottom (grown when negative).
    CRect Deflated(int dx, int dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }

    bool operator==(const CRect&) const = default;
};

struct CFontSpec {
    static constexpr int kNormal = 400;
    static constexpr int kBold = 700;

    std::string face;
    int points = 10;
    int weight = kNormal;
    bool italic = false;
    bool greek = false; // the Greek character set

    bool operator==(const CFontSpec&) const = default;
};

struct CFontMetrics {
    int height = 0; // ascent and descent
    int externalLeading = 0;
    int averageCharWidth = 0;

    // The distance from one line of text to the next.
    int LineHeight() const { return height + externalLeading; }

    bool operator==(const CFontMetrics&) const = default;
};

struct CPenSpec {
    CColour colour;
    int width = 1;

    bool operator==(const CPenSpec&) const = default;
};

// The colours of the desktop's scheme that the drawings use.
enum class ESystemColour {
    Window,
    WindowText,
    ButtonFace,
    ButtonShadow,
    ButtonHighlight,
    ButtonText,
    GrayText,
    // A selected row's background and text: rows are never inverted, as not every display can.
    Highlight,
    HighlightText,
};

enum class EBackgroundMode { Transparent, Opaque };

// The bytes of a mark image or icon: a PNG file, or a packed DIB (Dib.h).
enum class EImageFormat { Png, Dib };

class IDrawSurface {
public:
    IDrawSurface() = default;
    IDrawSurface(const IDrawSurface&) = delete;
    IDrawSurface& operator=(const IDrawSurface&) = delete;
    virtual ~IDrawSurface() = default;

    // The device.
    virtual CSize GetDotsPerInch() const = 0;
    // The drawable area: a window's client area, or a page's printable area.
    virtual CSize GetPageSize() const = 0;
    virtual CColour GetSystemColour(ESystemColour colour) const = 0;

    // Text.
    virtual void SetFont(const CFontSpec& font) = 0;
    virtual const CFontSpec& GetFont() const = 0;
    // The metrics of the current font.
    virtual CFontMetrics GetFontMetrics() const = 0;
    virtual void SetTextColour(CColour colour) = 0;
    virtual CColour GetTextColour() const = 0;
    // The colour behind text in the opaque mode.
    virtual void SetBackgroundColour(CColour colour) = 0;
    virtual CColour GetBackgroundColour() const = 0;
    virtual void SetBackgroundMode(EBackgroundMode mode) = 0;
    virtual EBackgroundMode GetBackgroundMode() const = 0;
    virtual CSize GetTextExtent(std::u16string_view text) const = 0;
    // The width from the start of the text to the end of each of its units.
    virtual std::vector<int> GetPartialTextExtents(std::u16string_view text) const = 0;
    // The text's top left corner at (x, y).
    virtual void TextOut(int x, int y, std::u16string_view text) = 0;

    // Record text in the current font's code page.
    CSize GetTextExtent(std::string_view text) const;
    std::vector<int> GetPartialTextExtents(std::string_view text) const;
    void TextOut(int x, int y, std::string_view text);

    // Drawing is kept within the rectangle until ResetClip.
    virtual void SetClip(const CRect& rect) = 0;
    virtual void ResetClip() = 0;

    // Lines and shapes.
    virtual void SetPen(const CPenSpec& pen) = 0;
    virtual const CPenSpec& GetPen() const = 0;
    // The whole rectangle in the colour, without outline.
    virtual void FillRect(const CRect& rect, CColour colour) = 0;
    // In the current pen, from `from` up to the pixel before `to`.
    virtual void DrawLine(CPoint from, CPoint to) = 0;
    virtual void DrawPolyline(std::span<const CPoint> points) = 0;
    // Filled with the colour and outlined in the current pen.
    virtual void DrawPolygon(std::span<const CPoint> points, CColour fill) = 0;

    // Images at their own size with the top left corner at the point, or stretched to fill the
    // rectangle. False, with nothing drawn, when the bytes hold no image.
    virtual bool DrawImage(EImageFormat format, std::span<const std::uint8_t> bytes, CPoint at) = 0;
    virtual bool StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                              const CRect& target) = 0;
};

// Record text as UTF-16, Greek or Western.
std::u16string RecordTextToUtf16(std::string_view text, bool greek);

// Keeps a surface's font, colours, background mode and pen, and puts them back when it goes, so
// that a drawing leaves the surface as it found it.
class CDrawStateSaver {
public:
    explicit CDrawStateSaver(IDrawSurface& surface);
    ~CDrawStateSaver();
    CDrawStateSaver(const CDrawStateSaver&) = delete;
    CDrawStateSaver& operator=(const CDrawStateSaver&) = delete;

private:
    IDrawSurface& surface_;
    CFontSpec font_;
    CColour text_;
    CColour background_;
    EBackgroundMode mode_;
    CPenSpec pen_;
};
