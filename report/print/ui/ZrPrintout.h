#pragma once
// One print run of examination data, on the printer or in a preview: every page is laid out
// when printing is prepared, so that the printing system knows the page count before it asks
// for pages. The printout prints its own copy of the data, so the examination may change while
// a preview stays open.

#include "app/document/ZrDocData.h"
#include "report/print/PrintJob.h"

#include <wx/print.h>

class CZrPrintout : public wxPrintout {
public:
    CZrPrintout(CZrDocData data, IPrintRegisters& registers, const CUserOptions& options,
                std::function<CZrDate()> today, const wxString& title);

    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    // The pages laid out; 0 before printing is prepared.
    int GetPageCount() const { return pageCount_; }
    const CZrPrintJob& GetJob() const { return job_; }

private:
    CZrDocData data_;
    CZrPrintJob job_;
    int pageCount_ = 0;
};
