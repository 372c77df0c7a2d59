// The Languages page's window.

#include "app/options/LanguageOptionPage.h"
#include "app/options/ui/OptionPagePanel.h"
#include "core/Languages.h"
#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

namespace {

class CLanguagePagePanel : public COptionPagePanel {
public:
    enum : int {
        kShowDeposit = 1060,
        kAvailable = 1063,
        kAdd = 1064,
        kDelete = 1065,
        kChosen = 1066,
    };

    CLanguagePagePanel(wxWindow* parent, COptionPageLanguage& page)
        : COptionPagePanel(parent), page_(page) {
        showDeposit_ =
            AddCheck(kShowDeposit, "Show the deposit language in addition", page.GetShowDeposit());
        available_ = new wxListBox(this, kAvailable, wxDefaultPosition, FromDIP(wxSize(150, 180)));
        chosen_ = new wxListBox(this, kChosen, wxDefaultPosition, FromDIP(wxSize(150, 180)));
        add_ = new wxButton(this, kAdd, "Add >>");
        delete_ = new wxButton(this, kDelete, "Delete <<");
        auto* buttons = new wxBoxSizer(wxVERTICAL);
        buttons->Add(add_, wxSizerFlags().Border(wxBOTTOM, Gap()));
        buttons->Add(delete_);
        auto* lists = new wxBoxSizer(wxHORIZONTAL);
        lists->Add(available_, wxSizerFlags(1).Expand());
        lists->Add(buttons, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT, Gap()));
        lists->Add(chosen_, wxSizerFlags(1).Expand());
        Column().Add(lists, wxSizerFlags(1).Expand());
        for (int code : page.GetAvailable())
            available_->Append(ToWx(GetLanguageName(code)));
        showDeposit_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
            page_.SetShowDeposit(event.IsChecked());
        });
        available_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) {
            page_.SelectAvailable(event.GetSelection());
            UpdateButtons();
        });
        chosen_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) {
            page_.SelectChosen(event.GetSelection());
            UpdateButtons();
        });
        available_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Add(); });
        chosen_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Delete(); });
        add_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Add(); });
        delete_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Delete(); });
        ShowLists();
    }

    bool ReadControls() override { return true; }

private:
    void Add() {
        page_.Add();
        ShowLists();
    }
    void Delete() {
        page_.Delete();
        ShowLists();
    }

    void ShowLists() {
        available_->SetSelection(page_.GetAvailableSelection());
        chosen_->Clear();
        for (int code : page_.GetChosen())
            chosen_->Append(ToWx(GetLanguageName(code)));
        chosen_->SetSelection(page_.GetChosenSelection());
        UpdateButtons();
    }

    // A disabled button that held the focus hands it to the list of languages offered.
    void UpdateButtons() {
        for (const auto& [button, enable] :
             {std::pair{add_, page_.CanAdd()}, std::pair{delete_, page_.CanDelete()}}) {
            if (!enable && button->HasFocus())
                available_->SetFocus();
            button->Enable(enable);
        }
    }

    COptionPageLanguage& page_;
    wxCheckBox* showDeposit_;
    wxListBox* available_;
    wxListBox* chosen_;
    wxButton* add_;
    wxButton* delete_;
};

} // namespace

COptionPagePanel* MakeLanguagePagePanel(wxWindow* parent, COptionPageLanguage& page) {
    return new CLanguagePagePanel(parent, page);
}
