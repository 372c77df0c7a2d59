#pragma once
// The IR-Desgntd page of the full sheet: the designated countries, ticked in a list of the
// country table, with the ticked codes summed up beneath.

#include "search/ui/SearchPageWindow.h"

class CCountryListBox;
class CCountryPageModel;
class wxStaticText;

class CCountryPageWindow : public CSearchPageWindow {
public:
    enum : int {
        kCountries = 1294,
        kSelectAll = 1295,
        kUnselectAll = 1296,
        kSummary = 1297,
        kAsDatabases = 1298,
        kDialogId = 207,
    };

    CCountryPageWindow(wxWindow* book, CCountryPageModel& page);
    void ShowValues() override;

private:
    CCountryPageModel& page_;
    CCountryListBox* countries_ = nullptr;
    wxStaticText* summary_ = nullptr;
};
