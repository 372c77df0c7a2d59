#include "app/dialogs/ui/SmallDialogs.h"

#include "app/FieldChecks.h"
#include "core/AppTitle.h"
#include "core/ZrVersion.h"
#include "core/ui/NumberField.h"
#include "core/ui/WxText.h"
#include "platform/MessageBox.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int kMaxSections = 99;

} // namespace

CAboutDlg::CAboutDlg(wxWindow* parent, const std::string& email, const std::string& webSite,
                     CHyperLink::Opener opener)
    : CZrDialog(parent, wxString("About ") + kAppTitle) {
    Body().Add(new wxStaticText(this, wxID_ANY, kAppTitle));
    Body().Add(new wxStaticText(this, kVersion, ToWx(std::string("Version: ") + kZrVersionText)),
               wxSizerFlags().Border(wxTOP, Gap()));
    auto* mail = new CHyperLink(this, kEmail, ToWx(email), "mailto:" + email, 0, opener);
    auto* site = new CHyperLink(this, kWebSite, ToWx(webSite), webSite, 0, opener);
    for (CHyperLink* link : {mail, site}) {
        link->SetUnderline(kUnderlineAlways);
        Body().Add(link, wxSizerFlags().Border(wxTOP, Gap()));
    }
    FinishLayout(wxOK);
}

CCaveatSetDlg::CCaveatSetDlg(wxWindow* parent, CCaveatSetChoice& choice)
    : CZrDialog(parent, "Caveat Search"), choice_(choice) {
    wxArrayString sets;
    for (const std::string& set : choice.GetSets())
        sets.Add(ToWx(set));
    set_ = new wxComboBox(this, kSet, "", wxDefaultPosition, FromDIP(wxSize(200, -1)), sets);
    if (choice.GetInitialSelection() >= 0)
        set_->SetSelection(choice.GetInitialSelection());
    AddFormRow("Set for caveat search:", set_);
    SetHelpContext(kDialogHelpBase + kDialogId);
    FinishLayout(wxOK | wxCANCEL | wxHELP);
}

bool CCaveatSetDlg::TransferDataFromWindow() {
    const std::string name = FromWx(set_->GetValue());
    if (!choice_.Accept(name))
        return false;
    setName_ = name;
    return true;
}

CConfirmSearchDlg::CConfirmSearchDlg(wxWindow* parent) : CZrDialog(parent, "Confirm Search") {
    const wxFont bold = GetFont().Bold();
    for (const auto& [id, text] :
         {std::pair{int{kText}, "This search may produce a very large number of marks."},
          std::pair{int{kQuestion}, "Do you wish to proceed?"}}) {
        auto* line = new wxStaticText(this, id, text);
        line->SetFont(bold);
        line->SetForegroundColour(*wxRED);
        Body().Add(line, wxSizerFlags().Border(wxBOTTOM, Gap()));
    }
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    for (const auto& [id, label] :
         {std::pair{int{kYes}, "&Yes"}, std::pair{int{kNo}, "&No"}, std::pair{int{kHelp}, "Help"}})
        buttons->Add(new wxButton(this, id, label), wxSizerFlags().Border(wxLEFT, Gap()));
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kYes); }, kYes);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kNo); }, kNo);
    Bind(
        wxEVT_BUTTON, [](wxCommandEvent&) { ShowHelpTopic(kDialogHelpBase + kDialogId); }, kHelp);
    SetEscapeId(kNo);
    SetAffirmativeId(kYes);
    FinishLayout(buttons);
}

CChangeDetailsDlg::CChangeDetailsDlg(wxWindow* parent, CChangeDetailsForm& form,
                                     bool requireClientName)
    : CZrDialog(parent, "Change Details"), form_(form), requireClientName_(requireClientName) {
    const CExamDetails& details = form.details;
    agency_ = new wxTextCtrl(this, kAgency, ToWx(details.agency), wxDefaultPosition,
                             FromDIP(wxSize(240, -1)));
    client_ = new wxTextCtrl(this, kClient, ToWx(details.client));
    examId_ = new wxTextCtrl(this, kExamId, ToWx(details.examId));
    examiner_ = new wxTextCtrl(this, kExaminer, ToWx(details.examiner));
    AddFormRow("Agency/Proprietor:", agency_);
    AddFormRow("C&lient:", client_);
    AddFormRow("&Examination ID:", examId_);
    AddFormRow("Examiner's Name:", examiner_);
    oneClassOnly_ = new wxCheckBox(this, kOneClassOnly, "&One Class Only");
    oneClassOnly_->SetValue(details.oneClassOnly);
    Body().Add(oneClassOnly_, wxSizerFlags().Border(wxTOP | wxBOTTOM, Gap()));
    auto* sectionsRow = new wxBoxSizer(wxHORIZONTAL);
    auto* sectionsLabel = new wxStaticText(this, kSectionsLabel, "Sections:");
    sections_ = new CNumberField(this, kSections, details.sectionCount, 1, kMaxSections);
    sectionsRow->Add(sectionsLabel, wxSizerFlags().CentreVertical().Border(wxRIGHT, Gap()));
    sectionsRow->Add(sections_);
    Body().Add(sectionsRow, wxSizerFlags().Border(wxBOTTOM, Gap()));
    // A watch has one section only.
    sectionsLabel->Show(!form.watch);
    sections_->Show(!form.watch);
    auto* target = new wxStaticBoxSizer(wxVERTICAL, this, "Target Mark");
    auto* shown = new wxFlexGridSizer(2, Gap(), Gap());
    for (const auto& [id, label, text] :
         {std::tuple{int{kPrimaryClasses}, "Primary Classes:", form.primaryClasses},
          std::tuple{int{kSecondaryClasses}, "Secondary Classes:", form.secondaryClasses},
          std::tuple{int{kWordMark}, "Word Mark:", form.wordMark},
          std::tuple{int{kStatus}, "Status:", form.status}}) {
        shown->Add(new wxStaticText(target->GetStaticBox(), wxID_ANY, label));
        shown->Add(new wxStaticText(target->GetStaticBox(), id, ToWx(text)));
    }
    target->Add(shown, wxSizerFlags().Border(wxALL, Gap()));
    Body().Add(target, wxSizerFlags().Expand());
    SetHelpContext(kDialogHelpBase + kDialogId);
    FinishLayout(wxOK | wxCANCEL | wxHELP);
}

bool CChangeDetailsDlg::TransferDataFromWindow() {
    CChangeDetailsForm form = form_;
    form.details.agency = FromWx(agency_->GetValue());
    form.details.client = FromWx(client_->GetValue());
    form.details.examId = FromWx(examId_->GetValue());
    form.details.examiner = FromWx(examiner_->GetValue());
    form.details.oneClassOnly = oneClassOnly_->GetValue();
    const std::string notNumber =
        form.watch ? "" : ReadIntField(FromWx(sections_->GetText()), form.details.sectionCount);
    EDetailsField focus = EDetailsField::Sections;
    const std::string problem =
        notNumber.empty() ? CheckChangeDetails(form, requireClientName_, focus) : notNumber;
    if (!problem.empty()) {
        if (focus == EDetailsField::Client)
            client_->SetFocus();
        else
            sections_->GetTextCtrl().SetFocus();
        platform::ShowMessageBox(
            {problem, "", platform::MessageButtons::Ok, platform::MessageIcon::Information});
        return false;
    }
    form_ = form;
    return true;
}
