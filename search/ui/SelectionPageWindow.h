#pragma once
// The selection pages of the full sheet (Owners, Agents, Devices, Locarno): a list of values
// chosen with the string finder, typed names added on the name pages, and the match-all check
// on the code pages, whose text turns blue while it is set.

#include "search/ui/SearchPageWindow.h"

#include <wx/font.h>

class CSelectionPageModel;
class CUnicodeListBox;
class IFinderDialogs;
class wxButton;

class CSelectionPageWindow : public CSearchPageWindow {
public:
    enum : int {
        kValues = 1020,
        kLocate = 1022,
        kBrowse = 1024,
        kDelete = 1026,
        kAdd = 1302,
        kCodeFinder = 1209,
        kMatchAll = 1253,
        kNamesDialogId = 136,
        kCodesDialogId = 167,
    };

    // The list shows its values in the font given. Without finder dialogs the finder buttons
    // are disabled.
    CSelectionPageWindow(wxWindow* book, CSelectionPageModel& page, IFinderDialogs* finders,
                         const wxFont& listFont);
    void ShowValues() override;

private:
    void UpdateButtons();
    void ShowMatchAll();
    void RunFinder(bool codes);

    CSelectionPageModel& page_;
    IFinderDialogs* finders_;
    CUnicodeListBox* values_ = nullptr;
    wxTextCtrl* locate_ = nullptr;
    wxButton* delete_ = nullptr;
    wxButton* add_ = nullptr;
    wxCheckBox* matchAll_ = nullptr;
};
