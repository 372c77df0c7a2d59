#pragma once
// "U207 No new marks found" with the choice to view the marks the search found before.

#include "app/SearchRunFlow.h"

#include <functional>

class wxWindow;

class CNoNewMarksFoundDlg : public ISearchPrompts {
public:
    // The parent of the dialog, asked when it opens.
    explicit CNoNewMarksFoundDlg(std::function<wxWindow*()> parent) : parent_(std::move(parent)) {}
    // Modal; true when "View the previously found marks" was ticked.
    bool AskViewPreviouslyFound() override;

private:
    std::function<wxWindow*()> parent_;
};
