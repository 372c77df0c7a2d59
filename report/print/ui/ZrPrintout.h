#pragma once
// One print run of examination data, on the printer or in a preview: every page is laid out
// when printing is prepared, so that the printing system knows the page count before it asks
// for pages. The printout prints its own copy of the data, so the examination may change while
// a preview stays open.
//
// Laying out reads every record and the size of every device image, which takes a while: a
// progress set here is told how far it is and may cancel it, leaving the pages laid out so far.

#include "app/document/ZrDocData.h"
#include "report/print/PrintJob.h"

#include <wx/print.h>

class CZrPrintout : public wxPrintout {
public:
    CZrPrintout(CZrDocData data, IPrintRegisters& registers, const CUserOptions& options,
                std::function<CZrDate()> today, const wxString& title);

    // Until it is set again; null for none.
    void SetLayoutProgress(IProgress* progress) { layoutProgress_ = progress; }

    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    // The pages laid out; 0 before printing is prepared.
    int GetPageCount() const { return pageCount_; }
    const CZrPrintJob& GetJob() const { return job_; }
    const CZrDocData& GetData() const { return data_; }

private:
    CZrDocData data_;
    CZrPrintJob job_;
    int pageCount_ = 0;
    IProgress* layoutProgress_ = nullptr;
};
