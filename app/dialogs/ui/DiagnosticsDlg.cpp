#include "app/dialogs/ui/DiagnosticsDlg.h"

#include "app/FileMessages.h"
#include "app/controls/ui/HScrollListBox.h"
#include "core/FilePath.h"
#include "core/TextLinesFile.h"
#include "core/ui/WxText.h"

#include <chrono>
#include <wx/button.h>
#include <wx/stattext.h>

CDiagnosticsDlg::CDiagnosticsDlg(wxWindow* parent, IDiagnosticsSource& source, IFileDialogs& files,
                                 bool includeMarks)
    : CZrDialog(parent, "Diagnostic Information", wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      source_(source), files_(files), includeMarks_(includeMarks), startTimer_(this, kStartTimerId),
      stepTimer_(this, kStepTimerId) {
    auto* statusRow = new wxBoxSizer(wxHORIZONTAL);
    statusRow->Add(new wxStaticText(this, wxID_ANY, "Status:"),
                   wxSizerFlags().Border(wxRIGHT, Gap()));
    status_ = new wxStaticText(this, kStatus, "Starting...");
    statusRow->Add(status_, wxSizerFlags(1));
    Body().Add(statusRow, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
    list_ = new CHScrollListBox(this, kReport, false, wxDefaultPosition, FromDIP(wxSize(560, 340)));
    Body().Add(list_, wxSizerFlags(1).Expand());
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (const auto& [id, label] :
         {std::pair{int{kRunAgain}, "Run Again"}, std::pair{int{kSaveToFile}, "Save To File"},
          std::pair{int{wxID_CLOSE}, "Close"}, std::pair{int{wxID_HELP}, "Help"}})
        buttons->Add(new wxButton(this, id, label), wxSizerFlags().Border(wxRIGHT, Gap()));
    SetEscapeId(wxID_CLOSE);
    SetHelpContext(kDialogHelpBase + kDialogId);
    FinishLayout(buttons);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { StartRun(); }, kRunAgain);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { SaveToFile(); }, kSaveToFile);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CLOSE); }, wxID_CLOSE);
    // The window may not close while a report runs.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (IsRunning() && event.CanVeto())
            event.Veto();
        else
            event.Skip();
    });
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { StartRun(); }, kStartTimerId);
    Bind(wxEVT_TIMER, &CDiagnosticsDlg::OnStep, this, kStepTimerId);
    EnableButtons(false);
    startTimer_.StartOnce(kStartDelayMs);
}

void CDiagnosticsDlg::EnableButtons(bool enable) {
    for (int id : {int{kRunAgain}, int{kSaveToFile}, int{wxID_CLOSE}})
        FindWindow(id)->Enable(enable);
}

void CDiagnosticsDlg::StartRun() {
    EnableButtons(false);
    list_->Clear();
    status_->SetLabel("Running...");
    report_ = std::make_unique<CDiagnosticsReport>(source_, includeMarks_);
    stepTimer_.Start(kStepPeriodMs);
}

void CDiagnosticsDlg::OnStep(wxTimerEvent&) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStepBudgetMs);
    std::vector<std::string> lines;
    CDiagnosticsReport::EStep step = CDiagnosticsReport::EStep::Lines;
    while (step == CDiagnosticsReport::EStep::Lines &&
           std::chrono::steady_clock::now() < deadline) {
        lines.clear();
        step = report_->Step(lines);
        for (const std::string& line : lines)
            list_->Append(line);
    }
    if (step != CDiagnosticsReport::EStep::Done)
        return;
    stepTimer_.Stop();
    status_->SetLabel(ToWx(report_->GetStatusText()));
    report_.reset();
    EnableButtons(true);
}

void CDiagnosticsDlg::SaveToFile() {
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Kind::Save;
    request.title = "Save To File";
    request.filter = "text files (*.txt)|*.txt|";
    request.fileName = "ZrDiag.txt";
    std::string path;
    if (!files_.Ask(request, path))
        return;
    if (FileExtOfPath(path).empty())
        path += ".txt";
    std::vector<std::string> lines;
    for (int i = 0; i < list_->GetCount(); ++i)
        lines.push_back(list_->GetString(i));
    std::string message;
    if (!SaveTextLines(path, lines, message))
        ShowFileWarning(message);
}
