#include "search/ui/CountryPageWindow.h"

#include "core/ui/WxText.h"
#include "search/CountryPageModel.h"

#include <wx/button.h>
#include <wx/checklst.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

CCountryPageWindow::CCountryPageWindow(wxWindow* book, CCountryPageModel& page)
    : CSearchPageWindow(book, page, 0x20000 + kDialogId), page_(page) {
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    countries_ = new wxCheckListBox(this, kCountries, wxDefaultPosition, FromDIP(wxSize(300, 200)));
    for (const std::string& line : CCountryPageModel::GetLines())
        countries_->Append(ToWx(line));
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
    for (unsigned line = 0; line < countries_->GetCount(); ++line)
        if (countries_->IsChecked(line) != page_.IsTicked(static_cast<int>(line)))
            countries_->Check(line, page_.IsTicked(static_cast<int>(line)));
    summary_->SetLabel(ToWx(page_.GetSummary()));
}
