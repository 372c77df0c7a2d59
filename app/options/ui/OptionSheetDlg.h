#pragma once
// The Options and Keywords sheets as windows: a property sheet with one panel per page of the
// sheet (app/options/OptionSheet.h), made when the page is first shown, as the desktop is slow
// to make many controls. OK closes only when every page shown took its controls' values (the
// others keep theirs); the caller then applies the sheet. Help shows the current page's topic.

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
    // Makes the page's panel unless it was made already.
    void ShowPage(int index);
    void ShowHelp();

    COptionSheet& sheet_;
    IOptionChoosers& choosers_;
    // A holder per page on the book; its panel, or null until first shown.
    std::vector<wxWindow*> holders_;
    std::vector<COptionPagePanel*> panels_;
};

// Shows the sheet; after OK it is applied with the services. True for OK.
bool RunOptionSheet(wxWindow* parent, COptionSheet& sheet, IOptionChoosers& choosers,
                    CUserOptions& options, const COptionSheetServices& services);
