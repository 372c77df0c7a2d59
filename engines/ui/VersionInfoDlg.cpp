#include "engines/ui/VersionInfoDlg.h"

#include "core/ui/WxText.h"

#include <wx/button.h>
#include <wx/stattext.h>

CVersionInfoDlg::CVersionInfoDlg(wxWindow* parent, const CVersionNotice& notice)
    : CZrDialog(parent, "New version of RO Vedaridarevu available"), notice_(notice) {
    const auto addText = [this](int id, const std::string& text, int space) {
        auto* label = new wxStaticText(this, id, ToWx(text));
        Body().Add(label, wxSizerFlags().Border(wxTOP, space));
        return label;
    };
    addText(kHeadline, notice_.GetHeadline(), 0);
    addText(wxID_ANY, "New features in this version include:", 2 * Gap());
    for (int i = 0; i < CVersionNotice::kFeatureLines; ++i)
        addText(kFirstFeature + i, notice_.GetFeatureLine(i), i == 0 ? Gap() : 0);
    addText(kWarning, notice_.GetWarning(), 2 * Gap())->SetForegroundColour(*wxRED);
    addText(wxID_ANY, "We Recommend that you download and install this version now.", 2 * Gap());
    addText(wxID_ANY,
            "You need to click the 'Download new setup program' button below and then run the "
            "downloaded setup program.",
            Gap());
    FinishLayout();
    FindWindow(wxID_OK)->SetLabel("Download new setup program");
    FindWindow(wxID_CANCEL)->SetLabel("Continue uisng old version");
    Bind(wxEVT_BUTTON, &CVersionInfoDlg::OnDownload, this, wxID_OK);
}

// The program ends after this answer whether or not the download could be opened.
void CVersionInfoDlg::OnDownload(wxCommandEvent&) {
    notice_.Download();
    EndModal(wxID_OK);
}
