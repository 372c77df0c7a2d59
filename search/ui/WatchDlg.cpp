#include "search/ui/WatchDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

CWatchDlg::CWatchDlg(wxWindow* parent, const CWatchOptions& options,
                     std::function<void(int contextId)> showHelp)
    : CZrDialog(parent, "Convert To Watch"), options_(options) {
    Body().Add(
        new wxStaticText(this, wxID_ANY, "Options to control the generation of watch criteria."),
        wxSizerFlags().Border(wxBOTTOM, Gap()));
    crossClasses_ = new wxCheckBox(this, kCrossClassesId, "Include cross classes");
    crossClasses_->SetValue(options_.includeCrossClasses);
    Body().Add(crossClasses_, wxSizerFlags().Border(wxBOTTOM, Gap()));
    devices_ = new wxCheckBox(this, kDevicesId, "Watch devices in addition to wordmarks");
    devices_->SetValue(options_.devices);
    Body().Add(devices_, wxSizerFlags().Border(wxBOTTOM, Gap()));

    auto* matching = new wxStaticBoxSizer(wxVERTICAL, this, "Word term matching");
    exact_ = new wxRadioButton(matching->GetStaticBox(), kExactMatchId, "Exact term match",
                               wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    substring_ =
        new wxRadioButton(matching->GetStaticBox(), kSubstringMatchId, "Any substring match");
    (options_.substringMatch ? substring_ : exact_)->SetValue(true);
    matching->Add(exact_, wxSizerFlags().Border(wxALL, Gap()));
    matching->Add(substring_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM, Gap()));
    Body().Add(matching, wxSizerFlags().Expand());

    FinishLayout(wxOK | wxCANCEL | wxHELP);
    FindWindow(wxID_OK)->SetLabel("Generate Watch Criteria");
    Fit();
    Bind(
        wxEVT_BUTTON, [showHelp = std::move(showHelp)](wxCommandEvent&) { showHelp(kHelpContext); },
        wxID_HELP);
}

bool CWatchDlg::TransferDataFromWindow() {
    options_.includeCrossClasses = crossClasses_->GetValue();
    options_.devices = devices_->GetValue();
    options_.substringMatch = substring_->GetValue();
    return true;
}
