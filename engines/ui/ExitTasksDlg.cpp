#include "engines/ui/ExitTasksDlg.h"

#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

CExitTasksDlg::CExitTasksDlg(wxWindow* parent, const CBgrJobManager& jobs)
    : CZrDialog(parent, "Exit RO Vedaridarevu"), tasks_(jobs), timer_(this, CExitTasks::kTimerId) {
    Body().Add(new wxStaticText(
        this, wxID_ANY,
        "You still have background tasks running.\nYou may wait here until all tasks are "
        "complete, return to RO Vedaridarevu and carry on working, or you may terminate the "
        "tasks (which will mean you will loose work) and exit."));
    Body().Add(new wxStaticText(this, wxID_ANY, "The following tasks are still running:"),
               wxSizerFlags().Border(wxTOP, 2 * Gap()));
    list_ = new wxListBox(this, kTaskList, wxDefaultPosition, FromDIP(wxSize(-1, 100)));
    Body().Add(list_, wxSizerFlags(1).Expand().Border(wxTOP, Gap()));
    FinishLayout();
    FindWindow(wxID_OK)->SetLabel("Terminate the tasks and exit");
    FindWindow(wxID_CANCEL)->SetLabel("Return to RO Vedaridarevu");
    Bind(wxEVT_TIMER, &CExitTasksDlg::OnTimer, this, CExitTasks::kTimerId);
    Bind(wxEVT_BUTTON, &CExitTasksDlg::OnButton, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CExitTasksDlg::OnButton, this, wxID_CANCEL);
    RefreshTasks();
    timer_.Start(CExitTasks::kTimerPeriodMs);
}

int CExitTasksDlg::RefreshTasks() {
    int count = 0;
    if (!tasks_.Refresh(count))
        return count;
    list_->Disable();
    list_->Clear();
    for (const std::string& name : tasks_.GetNames())
        list_->Append(ToWx(name));
    list_->Enable();
    return count;
}

void CExitTasksDlg::OnTimer(wxTimerEvent&) {
    if (RefreshTasks() == 0) {
        timer_.Stop();
        EndModal(wxID_OK);
    }
}

void CExitTasksDlg::OnButton(wxCommandEvent& event) {
    timer_.Stop();
    EndModal(event.GetId());
}
