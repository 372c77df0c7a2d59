#include "core/ui/ZrDialog.h"

#include <wx/dcclient.h>
#include <wx/stattext.h>

namespace {

HelpShower& InstalledHelpShower() {
    static HelpShower shower;
    return shower;
}

} // namespace

void SetHelpShower(HelpShower shower) {
    InstalledHelpShower() = std::move(shower);
}

void ShowHelpTopic(int contextId) {
    if (InstalledHelpShower())
        InstalledHelpShower()(contextId);
}

CZrDialog::CZrDialog(wxWindow* parent, const wxString& title, long style)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, style),
      body_(new wxBoxSizer(wxVERTICAL)) {
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowHelpTopic(helpContext_); }, wxID_HELP);
}

void CZrDialog::AddFormRow(const wxString& label, wxWindow* control) {
    if (!form_) {
        form_ = new wxFlexGridSizer(2, Gap(), Gap());
        form_->AddGrowableCol(1);
        body_->Add(form_, wxSizerFlags().Expand());
    }
    form_->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CentreVertical());
    form_->Add(control, wxSizerFlags().Expand());
}

void CZrDialog::FinishLayout(long buttons) {
    FinishLayout(CreateButtonSizer(buttons));
}

void CZrDialog::FinishLayout(wxSizer* buttons) {
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(body_, wxSizerFlags(1).Expand().Border(wxALL, 2 * Gap()));
    // The line between the controls and the buttons, which close the dialog at its foot.
    outer->Add(CreateSeparatedSizer(buttons),
               wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 2 * Gap()));
    SetSizerAndFit(outer);
    // The window manager cuts a title wider than the window: the title bar's bold text and its
    // buttons beside it set the narrowest width.
    wxClientDC dc(this);
    dc.SetFont(GetFont().Bold());
    const int titleWidth = dc.GetTextExtent(GetTitle()).x + FromDIP(120);
    if (GetSize().x < titleWidth) {
        SetMinSize(wxSize(titleWidth, GetSize().y));
        SetSize(GetMinSize());
    }
    CentreOnParent();
}
