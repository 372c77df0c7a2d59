// The windows of the Search and Watch pages.

#include "app/options/SearchOptionPages.h"
#include "app/options/ui/OptionChoosers.h"
#include "app/options/ui/OptionPagePanel.h"
#include "core/ui/NumberField.h"
#include "core/ui/WxText.h"

#include <array>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

class CSearchPagePanel : public COptionPagePanel {
public:
    enum : int {
        kHideDuplicates = 1177,
        kAutoLong = 1097,
        kAutoKeep = 1094,
        kRegistered = 1008,
        kPending = 1014,
        kLapsed = 1011,
        kAbandoned = 1016,
    };

    CSearchPagePanel(wxWindow* parent, COptionPageSearch& page)
        : COptionPagePanel(parent), page_(page) {
        const CSearchOptionValues& values = page.GetValues();
        hide_ = new wxCheckBox(this, kHideDuplicates,
                               "When opening the search window, hide marks that have already "
                               "been found.");
        hide_->SetValue(values.hideDuplicates);
        Column().Add(hide_, wxSizerFlags().Border(wxBOTTOM, 2 * Gap()));
        autoLong_ = MakeNumberField(kAutoLong, COptionPageSearch::kMinAuto,
                                    COptionPageSearch::kMaxAuto, values.autoLong);
        AddLabelled("Long format up to section:", autoLong_, false);
        autoKeep_ = MakeNumberField(kAutoKeep, COptionPageSearch::kMinAuto,
                                    COptionPageSearch::kMaxAuto, values.autoKeep);
        AddLabelled("Keep marks up to section:", autoKeep_, false);
        const std::array<std::pair<int, const char*>, 4> statuses = {{{kRegistered, "&Registered"},
                                                                      {kPending, "Pen&ding"},
                                                                      {kLapsed, "&Lapsed"},
                                                                      {kAbandoned, "A&bandoned"}}};
        const bool ticked[] = {values.statuses.registered, values.statuses.pending,
                               values.statuses.lapsed, values.statuses.abandoned};
        for (std::size_t i = 0; i < statuses.size(); ++i) {
            statuses_[i] = new wxCheckBox(this, statuses[i].first, statuses[i].second);
            statuses_[i]->SetValue(ticked[i]);
            Column().Add(statuses_[i], wxSizerFlags().Border(wxBOTTOM, Gap()));
        }
    }

    bool ReadControls() override {
        CSearchOptionValues values;
        values.hideDuplicates = hide_->GetValue();
        values.statuses = {statuses_[0]->GetValue(), statuses_[1]->GetValue(),
                           statuses_[2]->GetValue(), statuses_[3]->GetValue()};
        if (!ReadNumber(*autoLong_, COptionPageSearch::kMinAuto, COptionPageSearch::kMaxAuto,
                        values.autoLong) ||
            !ReadNumber(*autoKeep_, COptionPageSearch::kMinAuto, COptionPageSearch::kMaxAuto,
                        values.autoKeep))
            return false;
        page_.SetValues(values);
        return true;
    }

private:
    COptionPageSearch& page_;
    wxCheckBox* hide_;
    CNumberField* autoLong_;
    CNumberField* autoKeep_;
    std::array<wxCheckBox*, 4> statuses_{};
};

class CWatchPagePanel : public COptionPagePanel {
public:
    enum : int {
        kAutoKeep = 1212,
        kAutoLong = 1213,
        kSkipReview = 1214,
        kAutoReport = 1215,
        kTemplate = 1216,
        kTemplateLabel = 1218,
        kReportDirLabel = 1219,
        kReportDir = 1102,
        kBrowse = 1217,
        kLastWeek = 1224,
        kLastMonth = 1225,
        kOther = 1226,
        kOtherSet = 1114,
    };

    CWatchPagePanel(wxWindow* parent, COptionPageWatch& page, IOptionChoosers& choosers)
        : COptionPagePanel(parent), page_(page), choosers_(choosers) {
        const CWatchOptionValues& values = page.GetValues();
        autoKeep_ =
            AddCheck(kAutoKeep, "Set default status of found marks to kept.", values.autoKeep);
        autoLong_ =
            AddCheck(kAutoLong, "Set default status of found marks to long.", values.autoLong);
        skipReview_ = AddCheck(kSkipReview, "Skip manual review of found marks in results window.",
                               values.skipReview);
        autoReport_ = AddCheck(kAutoReport, "Automatically produce report when watch complete.",
                               values.autoReport);
        templateLabel_ = new wxStaticText(this, kTemplateLabel, "Use report template");
        template_ = new wxChoice(this, kTemplate);
        for (const std::string& name : page.GetTemplates())
            template_->Append(ToWx(name));
        template_->SetSelection(page.GetTemplateIndex());
        Column().Add(templateLabel_);
        Column().Add(template_, wxSizerFlags().Expand().Border(wxBOTTOM, Gap()));
        reportDirLabel_ = new wxStaticText(this, kReportDirLabel, "Save reports to");
        reportDir_ = new wxTextCtrl(this, kReportDir, ToWx(values.reportDir));
        browse_ = new wxButton(this, kBrowse, "Browse...");
        auto* folderRow = new wxBoxSizer(wxHORIZONTAL);
        folderRow->Add(reportDir_, wxSizerFlags(1).CentreVertical());
        folderRow->Add(browse_, wxSizerFlags().Border(wxLEFT, Gap()));
        Column().Add(reportDirLabel_);
        Column().Add(folderRow, wxSizerFlags().Expand().Border(wxBOTTOM, 2 * Gap()));
        lastWeek_ = new wxRadioButton(this, kLastWeek, "Marks added last week", wxDefaultPosition,
                                      wxDefaultSize, wxRB_GROUP);
        lastMonth_ = new wxRadioButton(this, kLastMonth, "Marks added last month");
        other_ = new wxRadioButton(this, kOther, "Other:");
        otherSet_ = new wxTextCtrl(this, kOtherSet, ToWx(values.otherSet));
        lastWeek_->SetValue(values.set == EWatchSet::AddedLastWeek);
        lastMonth_->SetValue(values.set == EWatchSet::AddedLastMonth);
        other_->SetValue(values.set == EWatchSet::Other);
        Column().Add(lastWeek_);
        Column().Add(lastMonth_);
        auto* otherRow = new wxBoxSizer(wxHORIZONTAL);
        otherRow->Add(other_, wxSizerFlags().CentreVertical());
        otherRow->Add(otherSet_, wxSizerFlags(1).Border(wxLEFT, Gap()));
        Column().Add(otherRow, wxSizerFlags().Expand());
        for (wxCheckBox* check : {autoKeep_, autoLong_, skipReview_, autoReport_})
            check->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { TakeValues(); });
        template_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { TakeValues(); });
        reportDir_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { TakeValues(); });
        browse_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Browse(); });
        ApplyEnableRules();
    }

    bool ReadControls() override {
        TakeValues();
        return true;
    }

private:
    void TakeValues() {
        CWatchOptionValues values = page_.GetValues();
        values.autoKeep = autoKeep_->GetValue();
        values.autoLong = autoLong_->GetValue();
        values.skipReview = skipReview_->GetValue();
        values.autoReport = autoReport_->GetValue();
        if (template_->GetSelection() != wxNOT_FOUND)
            values.defaultReport = FromWx(template_->GetStringSelection());
        values.reportDir = FromWx(reportDir_->GetValue());
        values.set = lastWeek_->GetValue()    ? EWatchSet::AddedLastWeek
                     : lastMonth_->GetValue() ? EWatchSet::AddedLastMonth
                                              : EWatchSet::Other;
        values.otherSet = FromWx(otherSet_->GetValue());
        page_.SetValues(values);
        ApplyEnableRules();
    }

    void ApplyEnableRules() {
        autoReport_->Enable(page_.IsAutoReportEnabled());
        const bool report = page_.AreReportControlsEnabled();
        for (wxWindow* control : std::initializer_list<wxWindow*>{
                 templateLabel_, template_, reportDirLabel_, reportDir_, browse_})
            control->Enable(report);
    }

    void Browse() {
        std::string folder = FromWx(reportDir_->GetValue());
        if (choosers_.ChooseFolder(this, "Save reports to", folder))
            reportDir_->SetValue(ToWx(folder));
    }

    COptionPageWatch& page_;
    IOptionChoosers& choosers_;
    wxCheckBox* autoKeep_;
    wxCheckBox* autoLong_;
    wxCheckBox* skipReview_;
    wxCheckBox* autoReport_;
    wxStaticText* templateLabel_;
    wxChoice* template_;
    wxStaticText* reportDirLabel_;
    wxTextCtrl* reportDir_;
    wxButton* browse_;
    wxRadioButton* lastWeek_;
    wxRadioButton* lastMonth_;
    wxRadioButton* other_;
    wxTextCtrl* otherSet_;
};

} // namespace

COptionPagePanel* MakeSearchPagePanel(wxWindow* parent, COptionPageSearch& page) {
    return new CSearchPagePanel(parent, page);
}

COptionPagePanel* MakeWatchPagePanel(wxWindow* parent, COptionPageWatch& page,
                                     IOptionChoosers& choosers) {
    return new CWatchPagePanel(parent, page, choosers);
}
