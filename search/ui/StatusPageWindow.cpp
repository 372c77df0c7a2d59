#include "search/ui/StatusPageWindow.h"

#include "core/ui/WxText.h"
#include "search/StatusPageModel.h"
#include "search/ui/StatusCheckBoxes.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CStatusPageWindow::CStatusPageWindow(wxWindow* book, CStatusPageModel& page)
    : CSearchPageWindow(book, page, 0x20000 + kDialogId), page_(page) {
    // Made in tab order.
    statuses_ = new CStatusCheckBoxes(
        this, [this](const CStatusChecks& statuses) { page_.SetStatuses(statuses); });

    const auto range = [this](const wxString& title, int fromId, int toId, auto take,
                              wxTextCtrl*& from, wxTextCtrl*& to) {
        // The fields keep clear of the box's frame, as the status boxes above do.
        auto* box = new wxStaticBoxSizer(wxHORIZONTAL, this, title);
        box->Add(new wxStaticText(this, wxID_ANY, "Start:"),
                 wxSizerFlags().CentreVertical().Border(wxALL, Gap()));
        from = MakeEdit(fromId, [take](const std::string&) { take(); });
        box->Add(from, wxSizerFlags(1).Border(wxTOP | wxBOTTOM | wxRIGHT, Gap()));
        box->Add(new wxStaticText(this, wxID_ANY, "End:"),
                 wxSizerFlags().CentreVertical().Border(wxALL, Gap()));
        to = MakeEdit(toId, [take](const std::string&) { take(); });
        box->Add(to, wxSizerFlags(1).Border(wxTOP | wxBOTTOM | wxRIGHT, Gap()));
        return box;
    };
    auto* dates = range(
        "Application Date Range  (Enter dates like '12 Mar 1998')", kDateFrom, kDateTo,
        [this] { TakeDates(); }, dateFrom_, dateTo_);
    auto* numbers = range(
        "Application Number Range", kNumberFrom, kNumberTo, [this] { TakeNumbers(); }, numberFrom_,
        numberTo_);
    auto* set = new wxBoxSizer(wxHORIZONTAL);
    set->Add(new wxStaticText(this, wxID_ANY, "Search &Set:"), wxSizerFlags().CentreVertical());
    set_ = new wxChoice(this, kSet);
    for (const std::string& name : page_.GetSetNames())
        set_->Append(RecordTextToWx(name, false));
    set_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { page_.SetSetIndex(set_->GetSelection()); });
    set->Add(set_, wxSizerFlags(1).Border(wxLEFT, Gap()));

    auto* controls = new wxBoxSizer(wxVERTICAL);
    controls->Add(statuses_, wxSizerFlags().Expand());
    controls->Add(dates, wxSizerFlags().Expand().Border(wxTOP, 2 * Gap()));
    controls->Add(numbers, wxSizerFlags().Expand().Border(wxTOP, 2 * Gap()));
    controls->Add(set, wxSizerFlags().Expand().Border(wxTOP, 2 * Gap()));
    FinishLayout(controls);
}

void CStatusPageWindow::ShowValues() {
    statuses_->SetStatuses(page_.GetStatuses());
    ShowText(*dateFrom_, page_.GetDateFrom());
    ShowText(*dateTo_, page_.GetDateTo());
    ShowText(*numberFrom_, page_.GetNumberFrom());
    ShowText(*numberTo_, page_.GetNumberTo());
    set_->SetSelection(page_.GetSetIndex() < 0 ? wxNOT_FOUND : page_.GetSetIndex());
}

void CStatusPageWindow::TakeDates() {
    page_.SetDateRange(TextOf(*dateFrom_), TextOf(*dateTo_));
}

void CStatusPageWindow::TakeNumbers() {
    page_.SetNumberRange(TextOf(*numberFrom_), TextOf(*numberTo_));
}
