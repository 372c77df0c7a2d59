#include "report/ui/ReportSelectDlg.h"

#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

CReportSelectDlg::CReportSelectDlg(wxWindow* parent, CTemplateChoice& choice,
                                   std::function<void(int contextId)> showHelp)
    : CZrDialog(parent, "Report"), choice_(choice) {
    Body().Add(new wxStaticText(this, wxID_ANY, "Select report template to use:"));
    list_ = new wxListBox(this, kTemplateList, wxDefaultPosition, FromDIP(wxSize(260, 160)), 0,
                          nullptr, wxLB_SINGLE);
    for (const std::string& name : choice_.GetNames())
        list_->Append(ToWx(name));
    if (choice_.CanChoose())
        list_->SetSelection(choice_.GetSelection());
    Body().Add(list_, wxSizerFlags(1).Expand().Border(wxTOP, Gap()));
    if (const std::string hint = choice_.GetEmptyFolderHint(); !hint.empty()) {
        auto* label = new wxStaticText(this, kEmptyFolderHint, ToWx(hint));
        label->Wrap(list_->GetSize().GetWidth());
        Body().Add(label, wxSizerFlags().Border(wxTOP, Gap()));
    }
    FinishLayout(wxOK | wxCANCEL | wxHELP);
    FindWindow(wxID_OK)->Enable(choice_.CanChoose());
    // The list would choose its first entry as it takes the focus.
    if (!choice_.CanChoose())
        FindWindow(wxID_CANCEL)->SetFocus();

    list_->Bind(wxEVT_LISTBOX, &CReportSelectDlg::OnSelect, this);
    list_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& event) {
        OnSelect(event);
        if (choice_.CanChoose())
            EndModal(wxID_OK);
    });
    Bind(
        wxEVT_BUTTON, [showHelp = std::move(showHelp)](wxCommandEvent&) { showHelp(kHelpContext); },
        wxID_HELP);
}

void CReportSelectDlg::OnSelect(wxCommandEvent&) {
    choice_.Select(list_->GetSelection());
    FindWindow(wxID_OK)->Enable(choice_.CanChoose());
}
