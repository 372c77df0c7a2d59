#pragma once
// "U207 No new marks found" with the choice to view the marks the search found before.

#include "app/SearchRunFlow.h"

class wxWindow;

class CNoNewMarksFoundDlg : public ISearchPrompts {
public:
    explicit CNoNewMarksFoundDlg(wxWindow*& parent) : parent_(parent) {}
    // Modal; true when "View the previously found marks" was ticked.
    bool AskViewPreviouslyFound() override;

private:
    wxWindow*& parent_;
};
