#pragma once
// A search sheet's window, for all three sheets: a book of the sheet's pages with OK, Cancel,
// "Clear &Page", "Clear &All" and Help beneath. Each tab carries a mark in its page's state
// colour (red: error, blue: not enough alone, green: criteria entered; none while nothing is
// entered), since the desktop's tabs cannot colour their captions; each page has its red status
// line, and OK is enabled while the sheet allows it. The dialog edits the sheet model; after OK
// the caller takes the edited search from it.

#include <functional>
#include <vector>
#include <wx/dialog.h>
#include <wx/font.h>

class CSearchPageWindow;
class CSearchSheetModel;
class IFinderDialogs;
class wxNotebook;

struct CSearchDlgServices {
    // The string finder's dialogs; null keeps the finder buttons disabled.
    IFinderDialogs* finders = nullptr;
    // The font of the selection pages' lists.
    wxFont listFont;
    // Opens a help topic by its context id.
    std::function<void(int contextId)> showHelp;
};

class CSearchDlg : public wxDialog {
public:
    enum : int { kBook = 12320, kClearAll = 12321, kClearPage = 999 };

    CSearchDlg(wxWindow* parent, CSearchSheetModel& sheet, CSearchDlgServices services);
    ~CSearchDlg() override;

    // The page windows in tab order.
    const std::vector<CSearchPageWindow*>& GetPages() const { return pages_; }

private:
    wxSizer* MakeButtons();
    // Tab marks, status lines and OK from the pages' states.
    void ShowStates();
    void ShowAllValues();
    // A full search without criteria is stored only when "Confirm Search" is answered Yes.
    void OnOk();

    CSearchSheetModel& sheet_;
    CSearchDlgServices services_;
    wxNotebook* book_;
    std::vector<CSearchPageWindow*> pages_;
};
