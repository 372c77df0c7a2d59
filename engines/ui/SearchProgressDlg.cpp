#include "engines/ui/SearchProgressDlg.h"

#include "core/ui/WxText.h"

#include <wx/stattext.h>

CSearchProgressDlg::CSearchProgressDlg(wxWindow* parent, CSearchProgress& progress)
    : CZrDialog(parent, "Searching"), progress_(progress), timer_(this, CSearchProgress::kTimerId) {
    header_ = new wxStaticText(this, kHeaderId, "", wxDefaultPosition, FromDIP(wxSize(320, -1)),
                               wxST_NO_AUTORESIZE);
    Body().Add(header_, wxSizerFlags().Expand());
    auto* rows = new wxFlexGridSizer(2, 0, Gap());
    for (int i = 0; i < CSearchProgress::kMaxRows; ++i) {
        names_[i] = new wxStaticText(this, kFirstNameId + i, "");
        statuses_[i] = new wxStaticText(this, kFirstStatusId + i, "", wxDefaultPosition,
                                        FromDIP(wxSize(240, -1)), wxST_NO_AUTORESIZE);
        rows->Add(names_[i]);
        rows->Add(statuses_[i], wxSizerFlags().Expand());
    }
    Body().Add(rows, wxSizerFlags().Expand().Border(wxTOP, Gap()));
    FinishLayout(wxCANCEL);
    Bind(wxEVT_TIMER, &CSearchProgressDlg::OnTimer, this, CSearchProgress::kTimerId);
    Bind(wxEVT_BUTTON, &CSearchProgressDlg::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        wxCommandEvent cancel;
        OnCancel(cancel);
    });
}

int CSearchProgressDlg::ResultId() const {
    return progress_.GetResult() == CSearchProgress::Result::Ok ? wxID_OK : wxID_CANCEL;
}

int CSearchProgressDlg::ShowModal() {
    progress_.Begin();
    if (progress_.IsEnded())
        return ResultId();
    ShowTexts();
    timer_.Start(CSearchProgress::kTimerPeriodMs);
    return CZrDialog::ShowModal();
}

void CSearchProgressDlg::ShowTexts() {
    header_->SetLabel(ToWx(progress_.GetHeader()));
    const std::vector<CSearchProgressRow>& rows = progress_.GetRows();
    for (std::size_t i = 0; i < names_.size(); ++i) {
        const bool shown = i < rows.size();
        names_[i]->Show(shown);
        statuses_[i]->Show(shown);
        if (shown) {
            names_[i]->SetLabel(ToWx(rows[i].name));
            statuses_[i]->SetLabel(ToWx(rows[i].status));
        }
    }
    Layout();
}

void CSearchProgressDlg::OnTimer(wxTimerEvent&) {
    // While a failure question is open the run's timer is off and a tick does nothing.
    progress_.Tick();
    ShowTexts();
    if (progress_.IsEnded() && IsModal()) {
        timer_.Stop();
        EndModal(ResultId());
    }
}

void CSearchProgressDlg::OnCancel(wxCommandEvent&) {
    timer_.Stop();
    progress_.Cancel();
    if (IsModal())
        EndModal(wxID_CANCEL);
}
