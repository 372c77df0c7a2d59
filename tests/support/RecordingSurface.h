#pragma once
// A drawing surface that records every call as one line of text, such as
// TextOut(10, 20, "ACME") or FillRect(0, 0, 100, 20, #FFFFFF), for window-free tests of whatever
// draws. Its metrics are fixed: every character is 10 units wide and a blank 5; a font's height
// is twice its points unless a test sets it; the average character width is 10. Measuring is
// recorded too, apart from drawing, so that tests can look at either. Images are decoded to
// tell whether they could be drawn, as a device would.

#include "core/DrawSurface.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class CRecordingSurface : public IDrawSurface {
public:
    static constexpr int kCharWidth = 10;
    static constexpr int kBlankWidth = 5;

    CRecordingSurface();

    // The metrics of every font of that face and size.
    void SetFontMetrics(const std::string& face, int points, int height, int externalLeading = 0);
    void SetDotsPerInch(CSize dpi) { dpi_ = dpi; }
    void SetPageSize(CSize size) { page_ = size; }

    // Every call in order, queries included.
    const std::vector<std::string>& Calls() const { return calls_; }
    // The calls that change the surface or its state, in order.
    std::vector<std::string> DrawingCalls() const;
    void Clear() {
        calls_.clear();
        isQuery_.clear();
    }

    // "#RRGGBB".
    static std::string FormatColour(CColour colour);

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
    void Record(std::string call) const;
    void RecordQuery(std::string call) const;

    std::map<std::pair<std::string, int>, CFontMetrics> metrics_;
    CSize dpi_{96, 96};
    CSize page_{800, 600};
    CFontSpec font_;
    CColour text_ = kBlack;
    CColour background_ = kWhite;
    EBackgroundMode mode_ = EBackgroundMode::Opaque;
    CPenSpec pen_;
    // Queries are recorded from const members.
    mutable std::vector<std::string> calls_;
    mutable std::vector<bool> isQuery_;
};
