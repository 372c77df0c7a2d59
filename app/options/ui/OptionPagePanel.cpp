#include "app/options/ui/OptionPagePanel.h"

#include "app/FieldChecks.h"
#include "core/ui/NumberField.h"
#include "core/ui/WxText.h"
#include "platform/MessageBox.h"

#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

COptionPagePanel::COptionPagePanel(wxWindow* parent)
    : wxPanel(parent), column_(new wxBoxSizer(wxVERTICAL)) {
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(column_, wxSizerFlags(1).Expand().Border(wxALL, 2 * Gap()));
    SetSizer(outer);
}

void COptionPagePanel::AddLabelled(const wxString& label, wxWindow* control, bool stretch) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(control, wxSizerFlags(stretch ? 1 : 0).CentreVertical());
    AddLabelled(label, row);
}

void COptionPagePanel::AddLabelled(const wxString& label, wxSizer* controls) {
    // Rows one after another share a form, so that their controls line up after the longest
    // label.
    const std::size_t count = column_->GetItemCount();
    if (!form_ || count == 0 || column_->GetItem(count - 1)->GetSizer() != form_) {
        form_ = new wxFlexGridSizer(2, Gap(), 2 * Gap());
        form_->AddGrowableCol(1);
        column_->Add(form_, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
    }
    form_->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CentreVertical());
    form_->Add(controls, wxSizerFlags().Expand());
}

wxCheckBox* COptionPagePanel::AddCheck(int id, const wxString& text, bool value) {
    auto* check = new wxCheckBox(this, id, text);
    check->SetValue(value);
    column_->Add(check, wxSizerFlags().Border(wxBOTTOM, Gap()));
    return check;
}

CNumberField* COptionPagePanel::MakeNumberField(int id, int min, int max, int value) {
    return new CNumberField(this, id, value, min, max);
}

bool COptionPagePanel::ReadNumber(CNumberField& field, int min, int max, int& value) {
    const std::string problem = ReadIntField(FromWx(field.GetText()), min, max, value);
    return problem.empty() || Refuse(problem, field.GetTextCtrl());
}

bool COptionPagePanel::Refuse(const std::string& message, wxWindow& control) {
    platform::ShowMessageBox(
        {message, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
    control.SetFocus();
    return false;
}
