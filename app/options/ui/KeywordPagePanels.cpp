// The windows of the Special Characters and Keywords pages.

#include "app/options/KeywordPages.h"
#include "app/options/ui/MacroComboBox.h"
#include "app/options/ui/MacroEditClassDlg.h"
#include "app/options/ui/OptionPagePanel.h"
#include "core/AppTitle.h"
#include "core/ui/WxText.h"
#include "platform/MessageBox.h"

#include <array>
#include <wx/button.h>
#include <wx/textctrl.h>

namespace {

class CSpCharsPagePanel : public COptionPagePanel {
public:
    static constexpr std::array<int, 4> kFieldIds = {1103, 1115, 1123, 1129};
    static constexpr int kReset = 1246;

    CSpCharsPagePanel(wxWindow* parent, COptionPageSpChars& page)
        : COptionPagePanel(parent), page_(page) {
        const char* const labels[] = {
            "Keyword prefix", "Match any number of characters including none",
            "Match any one character", "Match one character only or none"};
        const wxFont fixed(wxFontInfo().Family(wxFONTFAMILY_TELETYPE).FaceName("courier"));
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            fields_[i] =
                new wxTextCtrl(this, kFieldIds[i], "", wxDefaultPosition, FromDIP(wxSize(40, -1)));
            fields_[i]->SetMaxLength(1);
            fields_[i]->SetFont(fixed);
            AddLabelled(labels[i], fields_[i], false);
        }
        ShowChars();
        auto* reset = new wxButton(this, kReset, "Reset...");
        Column().Add(reset, wxSizerFlags().Border(wxTOP, Gap()));
        reset->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); });
        for (wxTextCtrl* field : fields_)
            field->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ReadControls(); });
    }

    // Every change checks all four, in their order.
    bool ReadControls() override {
        COptionPageSpChars::CFields codes{};
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const wxString text = fields_[i]->GetValue();
            codes[i] = text.empty() ? COptionPageSpChars::kEmpty
                                    : static_cast<int>(static_cast<wxUniChar>(text[0]).GetValue());
        }
        int failed = -1;
        const std::string problem = page_.SetFields(codes, failed);
        return problem.empty() || Refuse(problem, *fields_[static_cast<std::size_t>(failed)]);
    }

private:
    void ShowChars() {
        for (std::size_t i = 0; i < fields_.size(); ++i)
            fields_[i]->ChangeValue(ToWx(std::string(1, page_.GetChars()[i])));
    }

    void Reset() {
        const platform::MessageAnswer answer = platform::ShowMessageBox(
            {std::string("Do you wish to set the special characters back to the default ") +
                 kAppTitle + " settings?",
             "", platform::MessageButtons::YesNo, platform::MessageIcon::Question, true});
        if (answer != platform::MessageAnswer::Yes)
            return;
        page_.Reset();
        ShowChars();
    }

    COptionPageSpChars& page_;
    std::array<wxTextCtrl*, 4> fields_{};
};

class CMacrosPagePanel : public COptionPagePanel {
public:
    enum : int { kCreate = 1227, kDelete = 1228, kList = 1229, kEdit = 1230 };

    CMacrosPagePanel(wxWindow* parent, COptionPageMacros& page)
        : COptionPagePanel(parent), page_(page) {
        list_ = new CMacroComboBox(this, kList);
        Column().Add(list_, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
        auto* buttons = new wxBoxSizer(wxHORIZONTAL);
        create_ = new wxButton(this, kCreate, "Create");
        edit_ = new wxButton(this, kEdit, "Edit");
        delete_ = new wxButton(this, kDelete, "Delete");
        for (wxButton* button : {create_, edit_, delete_})
            buttons->Add(button, wxSizerFlags().Border(wxRIGHT, Gap()));
        Column().Add(buttons);
        list_->SetItems(page_.GetListItems());
        list_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { UpdateButtons(); });
        list_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
            list_->ChangeValue(list_->GetString(static_cast<unsigned>(list_->GetSelection())));
            UpdateButtons();
        });
        list_->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent&) { Edit(); });
        create_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Create(); });
        edit_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Edit(); });
        delete_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Delete(); });
        UpdateButtons();
    }

    bool ReadControls() override { return true; }

private:
    std::string Name() const { return FromWx(list_->GetValue()); }

    void UpdateButtons() {
        const CMacroButtons buttons = page_.GetButtons(Name());
        create_->Enable(buttons.create);
        edit_->Enable(buttons.edit);
        delete_->Enable(buttons.remove);
    }

    // The definition dialog for the name; false when cancelled or not offered.
    bool AskDefinition(const std::string& name, std::string& definition) {
        if (!page_.CanEditDefinitions())
            return false;
        CMacroEditClassDlg dialog(this, name, definition);
        if (dialog.ShowModal() != wxID_OK)
            return false;
        definition = dialog.GetValue();
        return true;
    }

    void Create() {
        const std::string name = Name();
        std::string definition;
        if (!page_.GetButtons(name).create || !AskDefinition(name, definition))
            return;
        page_.Create(name, definition);
        ShowList(name);
    }

    void Edit() {
        const std::string name = Name();
        std::string definition = page_.GetDefinition(name);
        if (!page_.GetButtons(name).edit || !AskDefinition(name, definition))
            return;
        page_.Edit(name, definition);
        ShowList(name);
    }

    void Delete() {
        const int position = list_->FindString(list_->GetValue());
        if (!page_.Remove(Name()))
            return;
        const std::vector<CMacroListItem> items = page_.GetListItems();
        list_->SetItems(items);
        if (!page_.GetButtons(Name()).edit && !items.empty()) {
            // The name went: the selection stays at its row, or goes to the new last one.
            const int row = std::min(position, static_cast<int>(items.size()) - 1);
            list_->SetSelection(row);
            list_->ChangeValue(list_->GetString(static_cast<unsigned>(row)));
        }
        UpdateButtons();
    }

    // The list again, with the row of the name selected.
    void ShowList(const std::string& name) {
        list_->SetItems(page_.GetListItems());
        list_->SetStringSelection(ToWx(name));
        UpdateButtons();
    }

    COptionPageMacros& page_;
    CMacroComboBox* list_;
    wxButton* create_;
    wxButton* edit_;
    wxButton* delete_;
};

} // namespace

COptionPagePanel* MakeSpCharsPagePanel(wxWindow* parent, COptionPageSpChars& page) {
    return new CSpCharsPagePanel(parent, page);
}

COptionPagePanel* MakeMacrosPagePanel(wxWindow* parent, COptionPageMacros& page) {
    return new CMacrosPagePanel(parent, page);
}
