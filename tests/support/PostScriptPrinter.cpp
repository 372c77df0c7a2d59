#include "PostScriptPrinter.h"

#include <cairo-ps.h>
#include <cairo.h>
#include <memory>
#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/print.h>

namespace {

struct SurfaceCloser {
    void operator()(cairo_surface_t* surface) const {
        cairo_surface_finish(surface);
        cairo_surface_destroy(surface);
    }
};
struct ContextCloser {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

} // namespace

int PrintToPostScript(wxPrintout& printout, const std::string& path, const CPaper& paper) {
    const std::unique_ptr<cairo_surface_t, SurfaceCloser> surface(
        cairo_ps_surface_create(path.c_str(), paper.widthPoints, paper.heightPoints));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return -1;
    const std::unique_ptr<cairo_t, ContextCloser> context(cairo_create(surface.get()));
    const double dots = paper.dotsPerInch;
    cairo_scale(context.get(), 72.0 / dots, 72.0 / dots);
    int pages = 0;
    {
        wxGCDC dc(
            wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(context.get()));
        printout.SetDC(&dc);
        // The context sets fonts at its own resolution, as a printer's context sets them at the
        // screen's.
        printout.SetPPIScreen(dc.GetPPI());
        printout.SetPPIPrinter(paper.dotsPerInch, paper.dotsPerInch);
        const int width = static_cast<int>(paper.widthPoints * dots / 72.0);
        const int height = static_cast<int>(paper.heightPoints * dots / 72.0);
        printout.SetPageSizePixels(width, height);
        printout.SetPaperRectPixels(wxRect(0, 0, width, height));
        printout.OnPreparePrinting();
        int minPage = 0;
        int maxPage = 0;
        int from = 0;
        int to = 0;
        printout.GetPageInfo(&minPage, &maxPage, &from, &to);
        printout.OnBeginPrinting();
        printout.OnBeginDocument(minPage, maxPage);
        for (int page = minPage; page <= maxPage && printout.HasPage(page); ++page) {
            printout.OnPrintPage(page);
            cairo_show_page(context.get());
            ++pages;
        }
        printout.OnEndDocument();
        printout.OnEndPrinting();
        printout.SetDC(nullptr);
    }
    return pages;
}

EPrintResult CPostScriptRunner::Print(wxWindow* /*parent*/, wxPrintDialogData& /*data*/,
                                      wxPrintout& printout, bool /*prompt*/) {
    ++runs_;
    pages_ = PrintToPostScript(printout, path_, paper_);
    return pages_ < 0 ? EPrintResult::Failed : EPrintResult::Printed;
}
