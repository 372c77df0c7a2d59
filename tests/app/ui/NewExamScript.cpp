#include "NewExamScript.h"

#include "WxTestSupport.h"
#include "search/ui/DbSelectionList.h"

#include <wx/checklst.h>
#include <wx/dialog.h>

void FinishNewExamination(wxDialog& wizard) {
    auto& rows = wx_test::Child<wxCheckListBox>(wizard, CDbSelectionList::kRows);
    const int group = rows.FindString("United Kingdom");
    ASSERT_NE(group, wxNOT_FOUND);
    if (!rows.IsChecked(group)) {
        rows.Check(group);
        wxCommandEvent tick(wxEVT_CHECKLISTBOX, rows.GetId());
        tick.SetEventObject(&rows);
        tick.SetInt(group);
        rows.GetEventHandler()->ProcessEvent(tick);
    }
    wx_test::Click(*wizard.FindWindow(wxID_FORWARD));
    if (wizard.IsModal()) {
        ADD_FAILURE() << "the wizard stayed open";
        wizard.EndModal(wxID_CANCEL);
    }
}
