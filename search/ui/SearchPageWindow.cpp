#include "search/ui/SearchPageWindow.h"

#include "core/ui/WxText.h"
#include "search/SearchPageModel.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

CSearchPageWindow::CSearchPageWindow(wxWindow* book, CSearchPageModel& model, int helpContext)
    : wxPanel(book), model_(model), helpContext_(helpContext),
      status_(new wxStaticText(this, kStatusLine, "")) {
    status_->SetForegroundColour(wxColour(static_cast<unsigned long>(kStatusLineColour)));
}

void CSearchPageWindow::ShowStatus() {
    const wxString message = ToWx(model_.GetMessage());
    if (status_->GetLabel() == message)
        return;
    status_->SetLabel(message);
    Layout();
}

void CSearchPageWindow::FinishLayout(wxSizer* controls) {
    auto* page = new wxBoxSizer(wxVERTICAL);
    page->Add(controls, wxSizerFlags(1).Expand().Border(wxALL, 2 * Gap()));
    page->Add(status_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 2 * Gap()));
    SetSizer(page);
    ShowValues();
    ShowStatus();
}

wxFlexGridSizer* CSearchPageWindow::MakeForm() const {
    auto* form = new wxFlexGridSizer(2, Gap(), Gap());
    form->AddGrowableCol(1);
    return form;
}

void CSearchPageWindow::AddLabel(wxSizer& form, const wxString& label) {
    form.Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CentreVertical());
}

wxCheckBox* CSearchPageWindow::MakeCheck(int id, const wxString& label,
                                         std::function<void(bool)> clicked) {
    auto* check = new wxCheckBox(this, id, label);
    check->Bind(wxEVT_CHECKBOX, [check, clicked = std::move(clicked)](wxCommandEvent&) {
        clicked(check->GetValue());
    });
    return check;
}
