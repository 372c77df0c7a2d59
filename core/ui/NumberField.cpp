#include "core/ui/NumberField.h"

#include <algorithm>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

CNumberField::CNumberField(wxWindow* parent, wxWindowID id, int value, int min, int max)
    : wxPanel(parent), min_(min), max_(max) {
    text_ = new wxTextCtrl(this, id, wxString::Format("%d", value), wxDefaultPosition,
                           FromDIP(wxSize(60, -1)));
    spin_ = new wxSpinButton(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
    // The button only reports steps; the number lives in the text.
    spin_->SetRange(-1, 1);
    spin_->SetValue(0);
    spin_->Bind(wxEVT_SPIN, &CNumberField::OnSpin, this);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(text_, wxSizerFlags(1).CentreVertical());
    row->Add(spin_, wxSizerFlags().CentreVertical());
    // Sized to its controls at once: the desktop complains of a spin button it must measure
    // inside a field narrower than the button.
    SetSizerAndFit(row);
}

wxString CNumberField::GetText() const {
    return text_->GetValue();
}

void CNumberField::SetNumber(int value) {
    text_->SetValue(wxString::Format("%d", value));
}

int CNumberField::GetClampedNumber() const {
    long number = min_;
    if (!text_->GetValue().Trim().Trim(false).ToLong(&number))
        number = min_;
    return static_cast<int>(std::clamp<long>(number, min_, max_));
}

void CNumberField::OnSpin(wxSpinEvent& event) {
    const int step = event.GetPosition();
    spin_->SetValue(0);
    const int stepped = std::clamp(GetClampedNumber() + step, min_, max_);
    if (wxString::Format("%d", stepped) != GetText())
        SetNumber(stepped);
}
