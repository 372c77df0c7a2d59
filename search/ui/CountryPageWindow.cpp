#include "search/ui/CountryPageWindow.h"

#include "app/controls/ui/CountryListBox.h"
#include "core/ui/WxText.h"
#include "search/CountryPageModel.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

CCountryPageWindow::CCountryPageWindow(wxWindow* book, CCountryPageModel& page)
    : CSearchPageWindow(book, page, 0x20000 + kDialogId), page_(page) {
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    countries_ =
        new CCountryListBox(this, kCountries, wxDefaultPosition, FromDIP(wxSize(300, 200)));
    countries_->Set(CCountryPageModel::GetLines());
    countries_->Bind(wxEVT_CHECKLISTBOX, [this](wxCommandEvent& event) {
        page_.SetTicked(event.GetInt(), countries_->IsChecked(event.GetInt()));
        ShowValues();
    });
    top->Add(countries_, wxSizerFlags(1).Expand());
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    const auto addButton = [this, buttons](int id, const wxString& label, auto action) {
        auto* button = new wxButton(this, id, label);
        button->Bind(wxEVT_BUTTON, [this, action](wxCommandEvent&) {
            action();
            ShowValues();
        });
        buttons->Add(button, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
    };
    addButton(kSelectAll, "&Select All", [this] { page_.SelectAll(true); });
    addButton(kUnselectAll, "&Unselect All", [this] { page_.SelectAll(false); });
    addButton(kAsDatabases, "As &Databases", [this] { page_.SelectAsDatabases(); });
    top->Add(buttons, wxSizerFlags().Border(wxLEFT, Gap()));

    auto* controls = new wxBoxSizer(wxVERTICAL);
    controls->Add(top, wxSizerFlags(1).Expand());
    summary_ =
        new wxStaticText(this, kSummary, "", wxDefaultPosition, wxDefaultSize, wxST_ELLIPSIZE_END);
    controls->Add(summary_, wxSizerFlags().Expand().Border(wxTOP, Gap()));
    FinishLayout(controls);
}

void CCountryPageWindow::ShowValues() {
    for (int line = 0; line < countries_->GetCount(); ++line)
        if (countries_->IsChecked(line) != page_.IsTicked(line))
            countries_->Check(line, page_.IsTicked(line));
    summary_->SetLabel(ToWx(page_.GetSummary()));
}
