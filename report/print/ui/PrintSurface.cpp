#include "report/print/ui/PrintSurface.h"

#include <wx/dc.h>
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
    : CWxDrawSurface(ScaledContext(printout), FontScale(printout)), pageSize_(PageSize(printout)),
      dotsPerInch_(PrinterDotsPerInch(printout)) {}
