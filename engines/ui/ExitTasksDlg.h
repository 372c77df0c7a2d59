#pragma once
// The dialog that holds the program's exit while background jobs run: it lists them, refreshes
// every second and closes as with OK once none remains.

#include "core/ui/ZrDialog.h"
#include "engines/BgrJobs.h"

#include <wx/timer.h>

class wxListBox;

class CExitTasksDlg : public CZrDialog {
public:
    enum : int { kTaskList = 1247 };

    CExitTasksDlg(wxWindow* parent, const CBgrJobManager& jobs);

private:
    // The job list; when it changed, the list box is filled again. The number of jobs.
    int RefreshTasks();
    void OnTimer(wxTimerEvent& event);
    void OnButton(wxCommandEvent& event);

    CExitTasks tasks_;
    wxListBox* list_;
    wxTimer timer_;
};
