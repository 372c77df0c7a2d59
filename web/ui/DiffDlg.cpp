#include "web/ui/DiffDlg.h"

#include "app/controls/ui/HScrollListBox.h"
#include "app/document/ZrDocData.h"
#include "core/FilePath.h"
#include "core/TextLinesFile.h"
#include "core/ui/WxText.h"
#include "platform/MessageBox.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

constexpr const char* kCaption = "Differences from PTO site";
constexpr int kCancelPollMs = 100;

} // namespace

CDiffDlg::CDiffDlg(wxWindow* parent, std::vector<CMark> marks, CDiffServices services)
    : wxDialog(parent, wxID_ANY, kCaption, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      marks_(std::move(marks)), services_(std::move(services)) {
    BuildControls();
    EnableButtons(false);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { StartRun(); }, kRunAgainButton);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { SaveToFile(); }, kSaveButton);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (services_.showHelp)
                services_.showHelp(kHelpContext);
        },
        wxID_HELP);
    Bind(wxEVT_CLOSE_WINDOW, &CDiffDlg::OnClose, this);
    Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent& event) {
        TakeFocus(*report_);
        event.Skip();
    });
    // Escape closes the window as its close box does, also while Close waits for a run.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            Close();
        else
            event.Skip();
    });
    startTimer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { StartRun(); });
    cancelPoll_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        if (progress_ && progress_->IsCancelled() && worker_)
            worker_->Cancel();
    });
    startTimer_.StartOnce(kStartDelayMs);
}

CDiffDlg::~CDiffDlg() {
    StopRun();
}

void CDiffDlg::BuildControls() {
    const int gap = FromDIP(6);
    status_ = new wxStaticText(this, kStatusText, "Starting...");
    // Tab stops line up the "Have" and "Should be" values.
    report_ =
        new CHScrollListBox(this, kReportList, true, wxDefaultPosition, FromDIP(wxSize(560, 320)));
    close_ = new wxButton(this, wxID_CANCEL, "Close");
    runAgain_ = new wxButton(this, kRunAgainButton, "Run Again");
    save_ = new wxButton(this, kSaveButton, "Save To File");

    auto* statusRow = new wxBoxSizer(wxHORIZONTAL);
    statusRow->Add(new wxStaticText(this, wxID_ANY, "Status:"));
    statusRow->AddSpacer(gap);
    statusRow->Add(status_, wxSizerFlags(1));

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    for (wxButton* button : {close_, runAgain_, save_}) {
        buttons->Add(button, wxSizerFlags().Expand());
        buttons->AddSpacer(gap);
    }
    buttons->Add(new wxButton(this, wxID_HELP, "Help"), wxSizerFlags().Expand());

    auto* upper = new wxBoxSizer(wxHORIZONTAL);
    upper->Add(report_, wxSizerFlags(1).Expand());
    upper->AddSpacer(gap);
    upper->Add(buttons);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(statusRow, wxSizerFlags().Expand().Border(wxALL, 2 * gap));
    top->Add(upper, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 2 * gap));
    SetSizerAndFit(top);
    CentreOnParent();
}

void CDiffDlg::EnableButtons(bool enable) {
    for (wxButton* button : {close_, runAgain_, save_})
        button->Enable(enable);
}

void CDiffDlg::StartRun() {
    if (IsRunning())
        return;
    StopRun();
    report_->Clear();
    EnableButtons(false);
    status_->SetLabel("Running...");
    progress_ = services_.host.OpenProgress("Running...");
    progress_->SetRange(static_cast<int>(marks_.size()), 0, 100);
    run_ = std::make_unique<CDiffRun>(services_.registers, marks_);
    CDiffWorker::Events events{
        [this](const std::string& text, int item) { ShowProgress(text, item); },
        [this](const std::vector<std::string>& lines) { AddLines(lines); },
        [this](const std::string& summary) { FinishRun(summary); }};
    worker_ = std::make_unique<CDiffWorker>(
        *run_, services_.servers, services_.webOptions, std::move(events),
        [this](std::function<void()> call) { CallAfter(std::move(call)); });
    cancelPoll_.Start(kCancelPollMs);
    worker_->Start();
}

// The worker goes before the run it reads.
void CDiffDlg::StopRun() {
    cancelPoll_.Stop();
    if (IsRunning())
        worker_->CancelAndFinish();
    worker_.reset();
    progress_.reset();
}

void CDiffDlg::TakeFocus(wxWindow& control) {
    Raise();
    control.SetFocus();
}

void CDiffDlg::ShowProgress(const std::string& text, int item) {
    if (progress_)
        progress_->SetProgress(text, item);
}

void CDiffDlg::AddLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        report_->Append(FromWx(RecordTextToWx(line, false)));
}

// The progress window held the focus during the run and takes it along when it goes.
void CDiffDlg::FinishRun(const std::string& summary) {
    cancelPoll_.Stop();
    progress_.reset();
    status_->SetLabel(ToWx(summary));
    EnableButtons(true);
    if (IsShown())
        TakeFocus(*close_);
}

void CDiffDlg::SaveToFile() {
    CFileDialogRequest request;
    request.kind = CFileDialogRequest::Kind::Save;
    request.title = "Save As";
    request.filter = "text files (*.txt)|*.txt|";
    request.fileName = "ZrDiff.txt";
    std::string path;
    if (!services_.fileDialogs.Ask(request, path))
        return;
    if (FileExtOfPath(path).empty())
        path += ".txt";
    std::string message;
    if (!SaveTextLines(path, run_ ? run_->GetLines() : std::vector<std::string>(), message))
        platform::ShowMessageBox(
            {message, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

// Close itself (wxID_CANCEL) ends the dialog the standard way; it is disabled during a run.
void CDiffDlg::OnClose(wxCloseEvent& event) {
    StopRun();
    event.Skip();
}

void ShowDiffDlg(wxWindow* parent, const CZrDocData& document, const CFilter& filter,
                 CDiffServices services) {
    TVmRec<int> indexes;
    document.FilterMarks(filter, indexes);
    std::vector<CMark> marks;
    for (const int index : indexes)
        marks.push_back(document.GetMark(index));
    CDiffDlg dialog(parent, std::move(marks), std::move(services));
    dialog.ShowModal();
}
