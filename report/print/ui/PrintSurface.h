#pragma once
// The drawing surface of a printed page, in the printer's device units whatever the context: a
// printer page, a preview's bitmap or a file. The printout's context is scaled so that one unit
// is one dot of the printer, and fonts take their size on paper.

#include "core/ui/WxDrawSurface.h"

class wxPrintout;

class CPrintSurface : public CWxDrawSurface {
public:
    // Over the printout's current context; scales it.
    explicit CPrintSurface(wxPrintout& printout);

    CSize GetDotsPerInch() const override { return dotsPerInch_; }
    CSize GetPageSize() const override { return pageSize_; }

private:
    CSize pageSize_;
    CSize dotsPerInch_;
};
