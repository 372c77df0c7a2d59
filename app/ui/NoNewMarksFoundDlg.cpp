#include "app/ui/NoNewMarksFoundDlg.h"

#include "core/AppTitle.h"

#include <wx/richmsgdlg.h>

bool CNoNewMarksFoundDlg::AskViewPreviouslyFound() {
    wxRichMessageDialog dialog(parent_(), "U207 No new marks found", kAppTitle,
                               wxOK | wxICON_INFORMATION);
    dialog.ShowCheckBox("View the previously found marks");
    dialog.ShowModal();
    return dialog.IsCheckBoxChecked();
}
