#pragma once
// The search progress window over a run (engines/SearchProgress.h, or the watch run derived from
// it): the header, one name and status per database (22 at most) and Cancel. A 200 ms timer
// ticks the run; the dialog's own modal loop delivers it, so no other message pump runs.

#include "core/ui/ZrDialog.h"
#include "engines/SearchProgress.h"

#include <array>
#include <wx/timer.h>

class wxStaticText;

class CSearchProgressDlg : public CZrDialog {
public:
    static constexpr int kHeaderId = 1208;
    static constexpr int kFirstNameId = 1401;
    static constexpr int kFirstStatusId = 1501;

    CSearchProgressDlg(wxWindow* parent, CSearchProgress& progress);

    // Begins the run and shows the window until it ends: wxID_OK when every search ran and was
    // stored, wxID_CANCEL when it stopped. A run with nothing to do ends without a window.
    int ShowModal() override;

private:
    void ShowTexts();
    void OnTimer(wxTimerEvent& event);
    void OnCancel(wxCommandEvent& event);
    int ResultId() const;

    CSearchProgress& progress_;
    wxStaticText* header_;
    std::array<wxStaticText*, CSearchProgress::kMaxRows> names_{};
    std::array<wxStaticText*, CSearchProgress::kMaxRows> statuses_{};
    wxTimer timer_;
};
