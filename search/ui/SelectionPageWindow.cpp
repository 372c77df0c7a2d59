#include "search/ui/SelectionPageWindow.h"

#include "app/controls/ui/UnicodeListBox.h"
#include "search/SelectionPageModel.h"
#include "search/ui/FinderDialogs.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {

int HelpContextOf(const CSelectionPageModel& page) {
    using EKind = CSelectionPageModel::EKind;
    const int dialog = page.IsNamePage() ? CSelectionPageWindow::kNamesDialogId
                                         : CSelectionPageWindow::kCodesDialogId;
    const bool ownTopic = page.GetKind() == EKind::Owners || page.GetKind() == EKind::Locarno;
    return 0x20000 + dialog + (ownTopic ? 0x1000 : 0);
}

} // namespace

CSelectionPageWindow::CSelectionPageWindow(wxWindow* book, CSelectionPageModel& page,
                                           IFinderDialogs* finders, const wxFont& listFont)
    : CSearchPageWindow(book, page, HelpContextOf(page)), page_(page), finders_(finders) {
    const auto addButton = [this](wxSizer& column, int id, const wxString& label, auto action) {
        auto* button = new wxButton(this, id, label);
        button->Bind(wxEVT_BUTTON, [action](wxCommandEvent&) { action(); });
        column.Add(button, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
        return button;
    };
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    values_ = new CUnicodeListBox(this, kValues, wxDefaultPosition, FromDIP(wxSize(300, 180)));
    values_->SetFont(listFont);
    values_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
        page_.SelectLine(values_->GetSelection());
        UpdateButtons();
    });
    top->Add(values_, wxSizerFlags(1).Expand());
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    addButton(*buttons, kBrowse, "&Browse...", [this] {
        RunFinder(false);
    })->Enable(finders_ != nullptr);
    if (!page_.IsNamePage())
        addButton(*buttons, kCodeFinder, page_.GetCodeFinderLabel(), [this] {
            RunFinder(true);
        })->Enable(finders_ != nullptr);
    delete_ = addButton(*buttons, kDelete, "&Delete", [this] {
        page_.Delete();
        ShowValues();
    });
    top->Add(buttons, wxSizerFlags().Border(wxLEFT, Gap()));

    auto* locate = new wxBoxSizer(wxHORIZONTAL);
    AddLabel(*locate, "&Locate:");
    locate_ = MakeEdit(kLocate, [this](const std::string& text) {
        page_.SetLocate(text);
        UpdateButtons();
    });
    locate->Add(locate_, wxSizerFlags(1).Border(wxLEFT, Gap()));
    if (page_.IsNamePage()) {
        add_ = new wxButton(this, kAdd, "&Add");
        add_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
            page_.Add();
            ShowValues();
        });
        locate->Add(add_, wxSizerFlags().Border(wxLEFT, Gap()));
    }

    auto* controls = new wxBoxSizer(wxVERTICAL);
    controls->Add(top, wxSizerFlags(1).Expand());
    controls->Add(locate, wxSizerFlags().Expand().Border(wxTOP, Gap()));
    if (!page_.IsNamePage()) {
        matchAll_ = new wxCheckBox(this, kMatchAll, page_.GetMatchAllText(), wxDefaultPosition,
                                   wxDefaultSize, wxCHK_3STATE);
        matchAll_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
            page_.SetMatchAll(matchAll_->Get3StateValue());
            ShowMatchAll();
        });
        controls->Add(matchAll_, wxSizerFlags().Border(wxTOP, 2 * Gap()));
    }
    FinishLayout(controls);
}

void CSelectionPageWindow::ShowValues() {
    values_->Set(page_.GetValues());
    values_->SetSelection(page_.GetSelectedLine());
    ShowText(*locate_, page_.GetLocate());
    if (matchAll_)
        ShowMatchAll();
    UpdateButtons();
}

void CSelectionPageWindow::UpdateButtons() {
    delete_->Enable(page_.CanDelete());
    if (add_)
        add_->Enable(page_.CanAdd());
}

void CSelectionPageWindow::ShowMatchAll() {
    matchAll_->Set3StateValue(static_cast<wxCheckBoxState>(page_.GetMatchAll()));
    matchAll_->SetForegroundColour(page_.IsMatchAllHighlighted() ? *wxBLUE : wxNullColour);
    matchAll_->Refresh();
}

void CSelectionPageWindow::RunFinder(bool codes) {
    std::vector<std::string> chosen;
    if (!finders_->Choose(this, codes ? page_.MakeCodeFinderRequest() : page_.MakeBrowseRequest(),
                          chosen))
        return;
    page_.ApplyFinderChoice(chosen);
    ShowValues();
}
