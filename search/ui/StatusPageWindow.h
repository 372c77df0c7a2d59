#pragma once
// The Status page of the full sheet: the four statuses, the application date and number ranges
// and the record set.

#include "search/ui/SearchPageWindow.h"

class CStatusCheckBoxes;
class CStatusPageModel;
class wxChoice;

class CStatusPageWindow : public CSearchPageWindow {
public:
    enum : int {
        kDateFrom = 1002,
        kDateTo = 1004,
        kNumberFrom = 1006,
        kNumberTo = 1018,
        kSet = 1175,
        kDialogId = 135,
    };

    CStatusPageWindow(wxWindow* book, CStatusPageModel& page);
    void ShowValues() override;

private:
    void TakeDates();
    void TakeNumbers();

    CStatusPageModel& page_;
    CStatusCheckBoxes* statuses_ = nullptr;
    wxTextCtrl* dateFrom_ = nullptr;
    wxTextCtrl* dateTo_ = nullptr;
    wxTextCtrl* numberFrom_ = nullptr;
    wxTextCtrl* numberTo_ = nullptr;
    wxChoice* set_ = nullptr;
};
