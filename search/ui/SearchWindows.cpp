#include "search/ui/SearchWindows.h"

#include "app/document/ZR2000Doc.h"
#include "registers/ZrDbs.h"
#include "search/CorbaStringFinder.h"
#include "search/NewExamModel.h"
#include "search/SearchExamination.h"
#include "search/SearchInfoRows.h"
#include "search/ui/NewExamDlg.h"
#include "search/ui/SearchInfoDlg.h"

bool CSearchWindows::EditSearch(CSearchSheetModel::EKind sheet, const CZrDocData& examination,
                                CSearch& search, bool& showDetails) {
    const CTableSearchExamination registers(services_.registers, &examination);
    CSearchSheetModel model(sheet, search, registers, services_.user);
    CSearchDlgServices windows;
    windows.finders = services_.finders;
    windows.listFont = services_.listFont;
    windows.showHelp = services_.showHelp;
    CSearchDlg dialog(services_.parent(), model, windows);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    search = model.GetSearch();
    showDetails = model.GetShowDetails();
    return true;
}

void CSearchWindows::ShowSearchInfo(const CZrDocData& examination, const CSearch& search) {
    const CTableSearchExamination registers(services_.registers, &examination);
    CSearchInfoDlg dialog(services_.parent(), BuildSearchInfoRows(search, examination, registers),
                          services_.showHelp);
    dialog.ShowModal();
}

bool CSearchWindows::NewExamination(CZR2000Doc& document) {
    const unsigned callTimeoutMs = services_.registers.GetCallTimeoutMs();
    CNewExamModel wizard([callTimeoutMs](const CZrDbEngineSet& engines) {
        return std::make_unique<CEngineSetStringFinders>(engines, callTimeoutMs);
    });
    CNewExamDlg dialog(services_.parent(), wizard,
                       {{services_.registerTable, services_.repository, services_.user,
                         services_.system, services_.makerSite},
                        services_.registers.GetDbSelection(),
                        services_.showHelp});
    if (!dialog.Run())
        return false;
    const CNewExamination result = wizard.GetResult();
    document.NewExamination(result);
    // A search whose terms were refused is left out or added with what was accepted; the
    // Terms page checked every line before it let the wizard finish.
    if (result.autoDesign)
        wizard.AddAutoSearches(document);
    return true;
}
