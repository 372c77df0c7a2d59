#include "report/print/ui/ZrPrintout.h"

#include "report/print/ui/PrintSurface.h"

CZrPrintout::CZrPrintout(CZrDocData data, IPrintRegisters& registers, const CUserOptions& options,
                         std::function<CZrDate()> today, const wxString& title)
    : wxPrintout(title), data_(std::move(data)), job_(registers, options, std::move(today)) {}

void CZrPrintout::OnPreparePrinting() {
    CPrintSurface surface(*this);
    job_.OnBeginPrinting(surface, data_);
    pageCount_ = job_.LayoutAllPages(surface, layoutProgress_);
}

bool CZrPrintout::HasPage(int page) {
    return page >= 1 && page <= pageCount_;
}

void CZrPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = pageCount_;
    *pageFrom = 1;
    *pageTo = pageCount_;
}

bool CZrPrintout::OnPrintPage(int page) {
    if (!HasPage(page))
        return false;
    CPrintSurface surface(*this);
    job_.OnPrint(surface, page);
    return true;
}
