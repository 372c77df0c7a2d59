#pragma once
// "Diagnostic Information": the diagnostics report (app/dialogs/DiagnosticsReport.h) made one
// second after the dialog opens, and again on "Run Again", a few lines at a time from a timer so
// that the window stays live; its buttons wait meanwhile. "Save To File" writes the lines to a
// text file.

#include "app/FileDialogs.h"
#include "app/dialogs/DiagnosticsReport.h"
#include "core/ui/ZrDialog.h"

#include <memory>
#include <wx/timer.h>

class CHScrollListBox;
class wxStaticText;

class CDiagnosticsDlg : public CZrDialog {
public:
    enum : int {
        kDialogId = 166,
        kStatus = 1009,
        kRunAgain = 1058,
        kSaveToFile = 1056,
        kReport = 1062,
    };
    static constexpr int kStartTimerId = 1;
    static constexpr int kStartDelayMs = 1000;
    static constexpr int kStepTimerId = 2;
    static constexpr int kStepPeriodMs = 10;
    // The report works for at most this long before the window takes its events again.
    static constexpr int kStepBudgetMs = 20;

    CDiagnosticsDlg(wxWindow* parent, IDiagnosticsSource& source, IFileDialogs& files,
                    bool includeMarks);

    bool IsRunning() const { return report_ != nullptr; }
    const CHScrollListBox& GetReport() const { return *list_; }

private:
    void StartRun();
    void OnStep(wxTimerEvent& event);
    void EnableButtons(bool enable);
    void SaveToFile();

    IDiagnosticsSource& source_;
    IFileDialogs& files_;
    bool includeMarks_;
    std::unique_ptr<CDiagnosticsReport> report_;
    wxStaticText* status_;
    CHScrollListBox* list_;
    wxTimer startTimer_;
    wxTimer stepTimer_;
};
