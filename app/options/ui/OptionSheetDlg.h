#pragma once
// The Options and Keywords sheets as windows: a property sheet with one panel per page of the
// sheet (app/options/OptionSheet.h). OK closes only when every page took its controls' values;
// the caller then applies the sheet. Help shows the current page's topic.

#include "app/options/OptionSheet.h"

#include <vector>
#include <wx/propdlg.h>

class COptionPagePanel;
class IOptionChoosers;

class COptionSheetDlg : public wxPropertySheetDialog {
public:
    COptionSheetDlg(wxWindow* parent, COptionSheet& sheet, IOptionChoosers& choosers);

    bool TransferDataFromWindow() override;

private:
    void ShowHelp();

    COptionSheet& sheet_;
    std::vector<COptionPagePanel*> panels_;
};

// Shows the sheet; after OK it is applied with the services. True for OK.
bool RunOptionSheet(wxWindow* parent, COptionSheet& sheet, IOptionChoosers& choosers,
                    CUserOptions& options, const COptionSheetServices& services);
