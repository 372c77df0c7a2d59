#pragma once
// The Databases page, last in every sheet: ten check boxes over the examination's connected
// databases, scrolled by their scroll bar and the mouse wheel.

#include "search/DatabasesPageModel.h"
#include "search/ui/SearchPageWindow.h"

#include <array>

class wxScrollBar;
class wxScrollEvent;

class CDatabasesPageWindow : public CSearchPageWindow {
public:
    enum : int { kFirstCheck = 1401, kScrollBar = 1041, kDialogId = 137 };

    CDatabasesPageWindow(wxWindow* book, CDatabasesPageModel& page);
    // The rows from the model's first row on, and the scroll bar.
    void ShowValues() override;

private:
    void OnScroll(wxScrollEvent& event);
    void OnMouseWheel(wxMouseEvent& event);

    CDatabasesPageModel& page_;
    std::array<wxCheckBox*, CDatabasesPageModel::kVisibleRows> checks_{};
    wxScrollBar* scrollBar_ = nullptr;
};
