#include "report/print/ui/PrintSurface.h"

#include <cmath>
#include <string>
#include <wx/dc.h>
#include <wx/math.h>
#include <wx/print.h>

namespace {

// The printout's context, scaled from the printer's page to the context's own size: 1 when
// printing, smaller for a preview's bitmap. A context that knows no size of its own (a file
// surface) is drawn on as it is.
wxDC& ScaledContext(wxPrintout& printout) {
    wxDC& dc = *printout.GetDC();
    int pageWidth = 0;
    int pageHeight = 0;
    printout.GetPageSizePixels(&pageWidth, &pageHeight);
    const wxSize size = dc.GetSize();
    if (pageWidth > 0 && pageHeight > 0 && size.x > 0 && size.y > 0)
        dc.SetUserScale(static_cast<double>(size.x) / pageWidth,
                        static_cast<double>(size.y) / pageHeight);
    return dc;
}

// Printer contexts set a font at its size on the screen, in their units: the printer's
// resolution over the screen's brings it to its size on paper.
double FontScale(const wxPrintout& printout) {
    int printerX = 0;
    int printerY = 0;
    int screenX = 0;
    int screenY = 0;
    printout.GetPPIPrinter(&printerX, &printerY);
    printout.GetPPIScreen(&screenX, &screenY);
    return printerY > 0 && screenY > 0 ? static_cast<double>(printerY) / screenY : 1.0;
}

CSize PageSize(const wxPrintout& printout) {
    int width = 0;
    int height = 0;
    printout.GetPageSizePixels(&width, &height);
    return {width, height};
}

CSize PrinterDotsPerInch(const wxPrintout& printout) {
    int x = 0;
    int y = 0;
    printout.GetPPIPrinter(&x, &y);
    return {x, y};
}

} // namespace

CPrintSurface::CPrintSurface(wxPrintout& printout)
    : CWxDrawSurface(ScaledContext(printout), FontScale(printout)), dc_(*printout.GetDC()),
      pageSize_(PageSize(printout)), dotsPerInch_(PrinterDotsPerInch(printout)) {
    SetFont(GetFont());
}

void CPrintSurface::SetFont(const CFontSpec& font) {
    CWxDrawSurface::SetFont(font);
    const auto [found, added] = measures_.try_emplace(
        FontKey(font.face, font.points, font.weight, font.italic, font.greek));
    current_ = &found->second;
    if (added)
        current_->height = CWxDrawSurface::GetTextExtent(u"Ag").height;
}

CSize CPrintSurface::GetTextExtent(std::u16string_view text) const {
    double width = 0;
    for (const char16_t unit : text)
        width += Advance(unit);
    return {static_cast<int>(std::lround(width)), current_->height};
}

std::vector<int> CPrintSurface::GetPartialTextExtents(std::u16string_view text) const {
    std::vector<int> extents;
    extents.reserve(text.size());
    double width = 0;
    for (const char16_t unit : text) {
        width += Advance(unit);
        extents.push_back(static_cast<int>(std::lround(width)));
    }
    return extents;
}

bool CPrintSurface::StretchImage(EImageFormat format, std::span<const std::uint8_t> bytes,
                                 const CRect& target) {
    const std::optional<wxBitmap> bitmap = ImageToBitmap(format, bytes);
    if (!bitmap || target.Width() < 1 || target.Height() < 1)
        return false;
    double scaleX = 1;
    double scaleY = 1;
    dc_.GetUserScale(&scaleX, &scaleY);
    const double acrossFactor = static_cast<double>(target.Width()) / bitmap->GetWidth();
    const double downFactor = static_cast<double>(target.Height()) / bitmap->GetHeight();
    dc_.SetUserScale(scaleX * acrossFactor, scaleY * downFactor);
    dc_.DrawBitmap(*bitmap, wxRound(target.left / acrossFactor), wxRound(target.top / downFactor),
                   true);
    dc_.SetUserScale(scaleX, scaleY);
    return true;
}

double CPrintSurface::Advance(char16_t unit) const {
    // A run of the character measures its advance finer than the context's whole units.
    constexpr int kRun = 16;
    const auto [found, added] = current_->advances.try_emplace(unit, 0.0);
    if (added)
        found->second = CWxDrawSurface::GetTextExtent(std::u16string(kRun, unit)).width /
                        static_cast<double>(kRun);
    return found->second;
}
