#pragma once
// The search definition's windows as the shell and the views ask for them: File > New's wizard,
// and the sheets and search information of the main view's Search, Ident, Enquiry, Add, Edit
// and Search Information, over the program's examination.

#include "app/ZrDocManager.h"
#include "app/views/ViewServices.h"
#include "search/ui/SearchWindows.h"

class CProgramSearchWindows : public INewExamination, public ISearchSheets {
public:
    CProgramSearchWindows(CSearchWindows::Services services, const CZrDocData& examination)
        : windows_(std::move(services)), examination_(examination) {}

    // INewExamination.
    bool Run(CZR2000Doc& document) override { return windows_.NewExamination(document); }

    // ISearchSheets.
    bool Edit(ESearchSheet sheet, CSearch& search, bool& showDetails) override;
    void ShowSearchInfo(const CSearch& search) override {
        windows_.ShowSearchInfo(examination_, search);
    }

private:
    CSearchWindows windows_;
    const CZrDocData& examination_;
};
