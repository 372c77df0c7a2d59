#include "NewExamScript.h"

#include "DbSelectionRows.h"
#include "WxTestSupport.h"

#include <wx/dialog.h>

void FinishNewExamination(wxDialog& wizard) {
    wx_test::SetDbSelectionRow(wizard, "United Kingdom", true);
    wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
    if (wizard.IsModal()) {
        ADD_FAILURE() << "the wizard stayed open";
        wizard.EndModal(wxID_CANCEL);
    }
}
