#include "app/ui/NoNewMarksFoundDlg.h"

#include "core/AppTitle.h"
#include "core/ui/MessageBoxWindow.h"

bool CNoNewMarksFoundDlg::AskViewPreviouslyFound() {
    CMessageBoxWindow box(parent_(), {"U207 No new marks found", kAppTitle},
                          "View the previously found marks");
    box.Ask();
    return box.IsChecked();
}
