#include "PostScriptPrinter.h"

#include <cairo-ps.h>
#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/print.h>

struct CPostScriptFile::CCairo {
    struct SurfaceCloser {
        void operator()(cairo_surface_t* surface) const {
            cairo_surface_finish(surface);
            cairo_surface_destroy(surface);
        }
    };
    struct ContextCloser {
        void operator()(cairo_t* context) const { cairo_destroy(context); }
    };

    // Destroyed in reverse: the wx context, the cairo context, then the finished file.
    std::unique_ptr<cairo_surface_t, SurfaceCloser> surface;
    std::unique_ptr<cairo_t, ContextCloser> context;
    std::unique_ptr<wxGCDC> dc;
};

CPostScriptFile::CPostScriptFile(const std::string& path, const CPaper& paper)
    : paper_(paper), cairo_(std::make_unique<CCairo>()) {
    cairo_->surface.reset(
        cairo_ps_surface_create(path.c_str(), paper.widthPoints, paper.heightPoints));
    if (!IsOk())
        return;
    cairo_->context.reset(cairo_create(cairo_->surface.get()));
    cairo_scale(cairo_->context.get(), 72.0 / paper.dotsPerInch, 72.0 / paper.dotsPerInch);
    cairo_->dc = std::make_unique<wxGCDC>(
        wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(
            cairo_->context.get()));
}

CPostScriptFile::~CPostScriptFile() = default;

bool CPostScriptFile::IsOk() const {
    return cairo_surface_status(cairo_->surface.get()) == CAIRO_STATUS_SUCCESS;
}

wxDC& CPostScriptFile::GetDC() {
    return *cairo_->dc;
}

void CPostScriptFile::EndPage() {
    cairo_show_page(cairo_->context.get());
}

void CPostScriptFile::Attach(wxPrintout& printout) {
    printout.SetDC(cairo_->dc.get());
    // The context sets fonts at its own resolution, as a printer's context sets them at the
    // screen's.
    printout.SetPPIScreen(cairo_->dc->GetPPI());
    printout.SetPPIPrinter(paper_.dotsPerInch, paper_.dotsPerInch);
    const int width = static_cast<int>(paper_.widthPoints * paper_.dotsPerInch / 72.0);
    const int height = static_cast<int>(paper_.heightPoints * paper_.dotsPerInch / 72.0);
    printout.SetPageSizePixels(width, height);
    printout.SetPaperRectPixels(wxRect(0, 0, width, height));
}

int PrintToPostScript(wxPrintout& printout, const std::string& path, const CPaper& paper) {
    CPostScriptFile file(path, paper);
    if (!file.IsOk())
        return -1;
    file.Attach(printout);
    printout.OnPreparePrinting();
    int minPage = 0;
    int maxPage = 0;
    int from = 0;
    int to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    printout.OnBeginPrinting();
    printout.OnBeginDocument(minPage, maxPage);
    int pages = 0;
    for (int page = minPage; page <= maxPage && printout.HasPage(page); ++page) {
        printout.OnPrintPage(page);
        file.EndPage();
        ++pages;
    }
    printout.OnEndDocument();
    printout.OnEndPrinting();
    printout.SetDC(nullptr);
    return pages;
}

EPrintResult CPostScriptRunner::Print(wxWindow* /*parent*/, wxPrintDialogData& /*data*/,
                                      wxPrintout& printout, bool /*prompt*/) {
    ++runs_;
    return PrintToPostScript(printout, path_, paper_) < 0 ? EPrintResult::Failed
                                                           : EPrintResult::Printed;
}
