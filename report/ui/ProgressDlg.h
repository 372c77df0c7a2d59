#pragma once
// The progress window of a long operation on the user-interface thread (saving, reports, the
// caveat search, watch generation, the difference check): a text, a bar and Cancel. The working
// loop feeds it after every item and polls Cancel; there is no thread behind it.
//
// Between items it lets waiting window events through (at most every 3 s unless the bar moved):
// windows paint and its own Cancel takes clicks, but no other window of the program takes input
// while it is up, and nothing else runs (no queued calls, no idle work), so no command can close
// or change what the operation reads. Destroying the window closes it once it was up for a
// second, so that it never merely flashes.

#include "app/document/Progress.h"
#include "report/job/ProgressModel.h"

#include <optional>
#include <string>
#include <wx/dialog.h>
#include <wx/utils.h>

class wxGauge;
class wxStaticText;

class CProgressDlg : public wxDialog, public IProgress {
public:
    enum : int { kStatusText = 1208, kProgressBar = 1251 };

    // Shows the window over the parent (which may be null) with the caption.
    CProgressDlg(wxWindow* parent, const std::string& caption,
                 CProgressModel::Clock clock = SteadyMilliseconds);
    ~CProgressDlg() override;

    void SetRange(int itemCount, int fromPercent, int toPercent) override;
    void SetProgress(const std::string& text, int item) override;
    void Finish() override;
    bool IsCancelled() const override { return model_.IsCancelled(); }

private:
    void ShowStep(const CProgressModel::CStep& step);
    // Paints and lets this window take input; nothing else.
    static void Pump();

    CProgressModel model_;
    wxStaticText* text_;
    wxGauge* bar_;
    std::optional<wxWindowDisabler> otherWindows_;
};
