#include "report/ui/ProgressDlg.h"

#include "core/ui/WxText.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/button.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

constexpr int kTextWidth = 320;
constexpr long kPaintSliceMs = 20;

} // namespace

CProgressDlg::CProgressDlg(wxWindow* parent, const std::string& caption,
                           CProgressModel::Clock clock)
    : wxDialog(parent, wxID_ANY, ToWx(caption), wxDefaultPosition, wxDefaultSize, wxCAPTION),
      model_(std::move(clock)) {
    const int gap = FromDIP(6);
    text_ =
        new wxStaticText(this, kStatusText, "", wxDefaultPosition, FromDIP(wxSize(kTextWidth, -1)),
                         wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    bar_ = new wxGauge(this, kProgressBar, 100);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(text_, wxSizerFlags().Expand().Border(wxALL, 2 * gap));
    column->Add(bar_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 2 * gap));
    column->Add(new wxButton(this, wxID_CANCEL, "Cancel"),
                wxSizerFlags().Centre().Border(wxALL, 2 * gap));
    SetSizerAndFit(column);
    // Cancel only tells the working loop; the window stays until the loop closes it.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { model_.Cancel(); }, wxID_CANCEL);
    CentreOnParent();
    wxDialog::Show();
    otherWindows_.emplace(this);
    model_.Open();
    Pump();
}

CProgressDlg::~CProgressDlg() {
    // It keeps painting while it waits out its second.
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(model_.GetRemainingShowMs());
    for (auto now = std::chrono::steady_clock::now(); now < until;
         now = std::chrono::steady_clock::now()) {
        Pump();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now);
        wxMilliSleep(static_cast<unsigned long>(std::min<long>(left.count() + 1, kPaintSliceMs)));
    }
    otherWindows_.reset();
}

void CProgressDlg::SetRange(int itemCount, int fromPercent, int toPercent) {
    model_.SetRange(0, itemCount, fromPercent, toPercent);
}

void CProgressDlg::SetProgress(const std::string& text, int item) {
    ShowStep(model_.SetProgress(&text, item));
}

void CProgressDlg::Finish() {
    ShowStep(model_.Finish());
}

void CProgressDlg::ShowStep(const CProgressModel::CStep& step) {
    if (step.textChanged)
        text_->SetLabelText(ToWx(model_.GetText()));
    if (step.barMoved)
        bar_->SetValue(model_.GetPercent());
    if (step.pump)
        Pump();
}

void CProgressDlg::Pump() {
    // Native paint, window and input events only: the other windows are disabled, so their
    // input goes nowhere, and queued calls and idle work wait for the main loop.
    constexpr long kEvents = wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT;
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
        loop->YieldFor(kEvents);
        return;
    }
    // Before the main loop runs (start-up), a loop of its own.
    const std::unique_ptr<wxEventLoopBase> loop(wxTheApp->GetTraits()->CreateEventLoop());
    loop->YieldFor(kEvents);
}
