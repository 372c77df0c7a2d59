// The Examination page's window.

#include "app/options/ExamOptionPage.h"
#include "app/options/ui/OptionPagePanel.h"
#include "app/views/ui/SectionDialogs.h"
#include "core/ui/NumberField.h"
#include "core/ui/WxText.h"
#include "engines/selection/ui/DbSelectionPanelWnd.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

namespace {

class CExamPagePanel : public COptionPagePanel {
public:
    enum : int {
        kAgency = 1095,
        kExaminer = 1110,
        kSections = 1092,
        kOneClassOnly = 1088,
        kSectionNames = 1197,
    };

    CExamPagePanel(wxWindow* parent, COptionPageExam& page)
        : COptionPagePanel(parent), page_(page) {
        const CExamOptionValues& values = page.GetValues();
        agency_ = new wxTextCtrl(this, kAgency, ToWx(values.agency));
        AddLabelled("Agency/Proprietor:", agency_);
        examiner_ = new wxTextCtrl(this, kExaminer, ToWx(values.examiner));
        AddLabelled("Examiner's Name:", examiner_);
        sections_ = MakeNumberField(kSections, COptionPageExam::kMinSections,
                                    COptionPageExam::kMaxSections, values.sections);
        auto* names = new wxButton(this, kSectionNames, "Section Names...");
        names->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EditSectionNames(); });
        auto* sectionsRow = new wxBoxSizer(wxHORIZONTAL);
        sectionsRow->Add(sections_, wxSizerFlags().CentreVertical());
        sectionsRow->Add(names, wxSizerFlags().Border(wxLEFT, 2 * Gap()));
        AddLabelled("Sections:", sectionsRow);
        oneClassOnly_ = new wxCheckBox(this, kOneClassOnly, "&One Class Only");
        oneClassOnly_->SetValue(values.oneClassOnly);
        Column().Add(oneClassOnly_, wxSizerFlags().Border(wxBOTTOM, Gap()));
        Column().Add(new CDbSelectionPanelWnd(this, page.GetPanel()), wxSizerFlags(1).Expand());
    }

    bool ReadControls() override {
        CExamOptionValues values;
        values.agency = FromWx(agency_->GetValue());
        values.examiner = FromWx(examiner_->GetValue());
        values.oneClassOnly = oneClassOnly_->GetValue();
        if (!ReadNumber(*sections_, COptionPageExam::kMinSections, COptionPageExam::kMaxSections,
                        values.sections))
            return false;
        page_.SetValues(values);
        return true;
    }

private:
    // The names go back to the page, which stores them only when the sheet closes with OK.
    void EditSectionNames() {
        CSectionNamesDlg dialog(this, page_.GetSectionNames(sections_->GetClampedNumber()));
        if (dialog.ShowModal() == wxID_OK)
            page_.SetSectionNames(dialog.GetNames());
    }

    COptionPageExam& page_;
    wxTextCtrl* agency_;
    wxTextCtrl* examiner_;
    CNumberField* sections_;
    wxCheckBox* oneClassOnly_;
};

} // namespace

COptionPagePanel* MakeExamPagePanel(wxWindow* parent, COptionPageExam& page) {
    return new CExamPagePanel(parent, page);
}
