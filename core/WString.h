#pragma once
// UTF-16 text made from 8-bit record text, Western (Windows-1252) or Greek (Windows-1253), with
// HTML character references decoded; what the windows draw and measure.

#include "core/DrawSurface.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

class CWString {
public:
    CWString();
    CWString(std::string_view text, bool greek);
    CWString(const CWString& other);
    CWString& operator=(const CWString& other);
    virtual ~CWString() = default;

    // Replaces the text. A position, when given, names a byte of the text on input and the unit
    // that byte became part of on output (the length for a byte past the end).
    void SetText(std::string_view text, bool greek, int* position = nullptr);
    void AppendText(std::string_view text, bool greek);
    void Assign(const CWString& other);
    void Empty() { units_.clear(); }

    // The first or last n units, n clamped to 0..length.
    CWString Left(int n) const;
    CWString Right(int n) const;

    int GetLength() const { return static_cast<int>(units_.size()); }
    // Always NUL-terminated.
    const char16_t* GetData() const { return units_.c_str(); }
    std::u16string_view View() const { return units_; }

    // Drawn and measured on a surface: the whole text, or its first n units (n clamped to
    // 0..length).
    void TextOut(IDrawSurface& surface, int x, int y) const { surface.TextOut(x, y, View()); }
    void TextOutN(IDrawSurface& surface, int x, int y, int n) const;
    // The whole text with its top left corner at (x, y), unit i starting the sum of the first
    // i spacings right of x; units past the spacings follow at their own widths. With a
    // rectangle the options say whether it is filled with the background colour first and
    // whether the text is kept within it.
    static constexpr unsigned kOpaque = 0x2;
    static constexpr unsigned kClipped = 0x4;
    void ExtTextOut(IDrawSurface& surface, int x, int y, unsigned options,
                    const std::optional<CRect>& rect, std::span<const int> spacing = {}) const;
    CSize GetExtent(const IDrawSurface& surface) const;
    CSize GetExtentOf(const IDrawSurface& surface, int n) const;

private:
    explicit CWString(std::u16string_view units);

    void Convert(std::string_view text, bool greek, int* position);
    // Capacity for `need` units: at least twice the old capacity and never below 64.
    void Reserve(std::size_t need);

    std::u16string units_;
};
