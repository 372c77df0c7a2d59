#include "conntest/ui/ConnTestDlg.h"

#include "conntest/ConnTestReport.h"
#include "platform/OpenUrl.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr const char* kCaption = "ZRPro Internet connectivity test - version 1.0";

// Texts of the run come from the locale (the time) or are plain ASCII.
wxString ToWx(const std::string& text) {
    return wxString(text.c_str(), wxConvWhateverWorks);
}

} // namespace

// Hands each report of the worker thread to the window's thread, in order.
class CConnTestDlg::WindowForwarder : public IConnTestListener {
public:
    explicit WindowForwarder(CConnTestDlg& dialog) : dialog_(dialog) {}

    void LogLine(const std::string& line) override {
        dialog_.CallAfter(&CConnTestDlg::AppendLog, line);
    }
    void LogConclusion(const std::string& line) override {
        dialog_.CallAfter(&CConnTestDlg::AppendConclusion, line);
    }
    void SetPortRow(const std::string&, int port, const std::string& mainText,
                    const std::string& altText) override {
        dialog_.CallAfter([&dialog = dialog_, port, mainText, altText] {
            dialog.SetRow(port, mainText, altText);
        });
    }
    void ShowMessage(const std::string& text) override {
        dialog_.CallAfter(&CConnTestDlg::ShowRunMessage, text);
    }

private:
    CConnTestDlg& dialog_;
};

CConnTestDlg::CConnTestDlg(wxWindow* parent, ConnTestConfig config, ConnTestNetwork network)
    : wxDialog(parent, wxID_ANY, kCaption, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMINIMIZE_BOX),
      config_(std::move(config)), network_(std::move(network)) {
    BuildControls();
    Bind(wxEVT_BUTTON, &CConnTestDlg::OnTest, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CConnTestDlg::OnExit, this, wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CConnTestDlg::OnEmail, this, kEmailButton);
    Bind(wxEVT_CLOSE_WINDOW, &CConnTestDlg::OnClose, this);
    email_->Disable();
    doHttp_->SetValue(true);
    testAll_->SetValue(true);
}

// Every step of a run has its time-out, so waiting for a run in progress is bounded.
CConnTestDlg::~CConnTestDlg() {
    if (worker_.joinable())
        worker_.join();
}

void CConnTestDlg::BuildControls() {
    const int gap = FromDIP(6);
    test_ = new wxButton(this, wxID_OK, "Test");
    exit_ = new wxButton(this, wxID_CANCEL, "Exit");
    log_ = new wxListBox(this, kLogList, wxDefaultPosition, FromDIP(wxSize(560, 200)), 0, nullptr,
                         wxLB_SINGLE | wxLB_HSCROLL | wxLB_NEEDED_SB);
    doHttp_ = new wxCheckBox(this, kHttpCheck, "Do HTTP tests");
    testAll_ = new wxCheckBox(this, kTestAllCheck, "Test all engines even if no repository");
    conclusion_ = new wxListBox(this, kConclusionList, wxDefaultPosition, FromDIP(wxSize(-1, 110)),
                                0, nullptr, wxLB_SINGLE | wxLB_HSCROLL | wxLB_NEEDED_SB);
    email_ = new wxButton(this, kEmailButton, "Email results to Velorin (if requested)");

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    buttons->Add(test_, wxSizerFlags().Expand());
    buttons->AddSpacer(gap);
    buttons->Add(exit_, wxSizerFlags().Expand());

    auto* options = new wxBoxSizer(wxVERTICAL);
    options->Add(doHttp_);
    options->AddSpacer(gap);
    options->Add(testAll_);

    auto* tableAndOptions = new wxBoxSizer(wxVERTICAL);
    tableAndOptions->Add(BuildStatusTable());
    tableAndOptions->AddSpacer(2 * gap);
    tableAndOptions->Add(options);

    auto* upper = new wxBoxSizer(wxHORIZONTAL);
    upper->Add(tableAndOptions);
    upper->AddSpacer(2 * gap);
    upper->Add(log_, wxSizerFlags(1).Expand());
    upper->AddSpacer(gap);
    upper->Add(buttons);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(upper, wxSizerFlags(1).Expand().Border(wxALL, 2 * gap));
    top->Add(new wxStaticText(this, wxID_ANY, "CONCLUSION:"),
             wxSizerFlags().Border(wxLEFT | wxRIGHT, 2 * gap));
    top->Add(conclusion_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 2 * gap));
    top->Add(email_, wxSizerFlags().Border(wxALL, 2 * gap));
    SetSizerAndFit(top);
}

wxSizer* CConnTestDlg::BuildStatusTable() {
    auto* table = new wxFlexGridSizer(4, FromDIP(wxSize(8, 4)));
    const wxSizerFlags label = wxSizerFlags().CenterVertical();
    for (const wxString& heading :
         {wxString("Database"), wxString("Port"), "Main Server (" + ToWx(config_.mainServer) + ")",
          wxString("Alt Server")})
        table->Add(new wxStaticText(this, wxID_ANY, heading), label);
    const wxSize cellSize = FromDIP(wxSize(90, -1));
    for (int row = 0; row < kRowCount; ++row) {
        table->Add(new wxStaticText(this, wxID_ANY, kConnTestRows[row].database), label);
        table->Add(
            new wxStaticText(this, wxID_ANY, wxString::Format("%d", kConnTestRows[row].port)),
            label);
        mainCells_[row] =
            new wxTextCtrl(this, kMainCellIds[row], "", wxDefaultPosition, cellSize, wxTE_READONLY);
        altCells_[row] =
            new wxTextCtrl(this, kAltCellIds[row], "", wxDefaultPosition, cellSize, wxTE_READONLY);
        table->Add(mainCells_[row], wxSizerFlags().Expand());
        table->Add(altCells_[row], wxSizerFlags().Expand());
    }
    table->AddGrowableCol(2);
    return table;
}

void CConnTestDlg::EnableButtons(bool enable) {
    test_->Enable(enable);
    exit_->Enable(enable);
    email_->Enable(enable);
}

void CConnTestDlg::OnTest(wxCommandEvent&) {
    if (IsRunning())
        return;
    report_.clear();
    log_->Clear();
    conclusion_->Clear();
    EnableButtons(false);
    for (int row = 0; row < kRowCount; ++row) {
        mainCells_[row]->ChangeValue("");
        altCells_[row]->ChangeValue("");
    }
    busy_.emplace();
    const bool testAll = testAll_->GetValue();
    const bool doHttp = doHttp_->GetValue();
    worker_ = std::thread([this, testAll, doHttp] {
        WindowForwarder window(*this);
        std::string report = RunConnTest(config_, network_, window, testAll, doHttp);
        CallAfter(&CConnTestDlg::FinishRun, std::move(report));
    });
}

void CConnTestDlg::FinishRun(const std::string& report) {
    worker_.join();
    report_ = report;
    busy_.reset();
    EnableButtons(true);
}

void CConnTestDlg::OnExit(wxCommandEvent&) {
    Close();
}

// No second run and no closing while one is going: its reports are on their way here.
void CConnTestDlg::OnClose(wxCloseEvent& event) {
    if (IsRunning() && event.CanVeto()) {
        event.Veto();
        return;
    }
    Destroy();
}

void CConnTestDlg::OnEmail(wxCommandEvent&) {
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(ToWx(report_)));
        wxTheClipboard->Flush(); // keeps the report after the program ends
        wxTheClipboard->Close();
    }
    const int result = platform::OpenUrl(SupportMailLink(config_.supportAddress));
    if (result <= 32)
        ShowMessage("W307 Unable to open hyperlink:\n\n" + platform::OpenUrlErrorText(result),
                    wxOK | wxICON_WARNING);
}

void CConnTestDlg::ShowMessage(const wxString& text, long style) {
    wxMessageBox(text, GetTitle(), style, this);
}

void CConnTestDlg::AppendLog(const std::string& line) {
    log_->SetSelection(log_->Append(ToWx(line)));
}

void CConnTestDlg::AppendConclusion(const std::string& line) {
    conclusion_->Append(ToWx(line));
}

void CConnTestDlg::SetRow(int port, const std::string& mainText, const std::string& altText) {
    const int row = port - kFirstPort;
    if (row < 0 || row >= kRowCount)
        return;
    mainCells_[row]->ChangeValue(ToWx(mainText));
    altCells_[row]->ChangeValue(ToWx(altText));
}

void CConnTestDlg::ShowRunMessage(const std::string& text) {
    ShowMessage(ToWx(text), wxOK | wxICON_ERROR);
}
