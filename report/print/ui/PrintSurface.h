#pragma once
// The drawing surface of a printed page, in the printer's device units whatever the context: a
// printer page, a preview's bitmap or a file. The printout's context is scaled so that one unit
// is one dot of the printer, and fonts take their size on paper.
//
// Printing measures far more text than it draws (every item is set twice, to measure and to
// print), and the context lays out every text it measures anew. So each character's advance is
// measured once per font, and texts are measured by adding their characters up: that leaves out
// kerning only, which narrows text, so a line measured this way never prints wider.
//
// Images are drawn at their own size with the context scaled to the target: the printer (or the
// preview) scales them, and a file printed holds each image as the register sent it rather than
// blown up to the printer's dots.

#include "core/ui/WxDrawSurface.h"

#include <map>
#include <tuple>
#include <unordered_map>

class wxPrintout;

class CPrintSurface : public CWxDrawSurface {
public:
    // Over the printout's current context; scales it.
    explicit CPrintSurface(wxPrintout& printout);

    CSize GetDotsPerInch() const override { return dotsPerInch_; }
    CSize GetPageSize() const override { return pageSize_; }

    using CWxDrawSurface::GetPartialTextExtents;
    using CWxDrawSurface::GetTextExtent;
    void SetFont(const CFontSpec& font) override;
    CSize GetTextExtent(std::u16string_view text) const override;
    std::vector<int> GetPartialTextExtents(std::u16string_view text) const override;
    bool StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                      const CRect& target) override;

private:
    using FontKey = std::tuple<std::string, int, int, bool, bool>;
    struct CFontMeasures {
        int height = 0;
        std::unordered_map<char16_t, double> advances;
    };

    double Advance(char16_t unit) const;

    wxDC& dc_;
    CSize pageSize_;
    CSize dotsPerInch_;
    // Of every font used, the one in force last.
    mutable std::map<FontKey, CFontMeasures> measures_;
    CFontMeasures* current_ = nullptr;
};
