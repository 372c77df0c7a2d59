#include "search/ui/NewExamPageWindows.h"

#include "core/ui/WxText.h"
#include "engines/selection/ui/ChangeEnginesButton.h"
#include "search/ui/StatusCheckBoxes.h"

#include <future>
#include <wx/checkbox.h>
#include <wx/evtloop.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

namespace {

wxFlexGridSizer* MakeForm(int gap) {
    auto* form = new wxFlexGridSizer(2, gap, gap);
    form->AddGrowableCol(1);
    return form;
}

// A number typed into a field; 0 for anything else, which the page then refuses.
int NumberOf(const std::string& text) {
    int number = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9' || number > 100000)
            return 0;
        number = number * 10 + (digit - '0');
    }
    return number;
}

// Runs the work on a worker thread; meanwhile the windows paint but take no input.
void RunWhilePainting(const std::function<void()>& work) {
    wxBusyCursor busy;
    wxWindowDisabler noInput;
    std::future<void> done = std::async(std::launch::async, work);
    while (done.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
            loop->YieldFor(wxEVT_CATEGORY_UI);
    done.get();
}

} // namespace

CExamPageWindow::CExamPageWindow(wxWizard* wizard, const wxString& title, int helpContext)
    : wxWizardPage(wizard), title_(title), helpContext_(helpContext) {
    Bind(wxEVT_WIZARD_PAGE_CHANGED, [this](wxWizardEvent& event) {
        GetParent()->SetLabel(title_);
        Activate();
        ShowButtons();
        event.Skip();
    });
    Bind(wxEVT_WIZARD_PAGE_CHANGING, [this](wxWizardEvent& event) {
        if (!event.GetDirection() || Forward()) {
            event.Skip();
            return;
        }
        event.Veto();
        if (const auto field = fields_.find(GetFocus()); field != fields_.end())
            field->second->SetFocus();
    });
}

void CExamPageWindow::Chain(CExamPageWindow* next) {
    next_ = next;
    next->prev_ = this;
}

void CExamPageWindow::ShowButtons() {
    const CWizardButtons buttons = GetButtons();
    if (wxWindow* back = GetParent()->FindWindow(wxID_BACKWARD))
        back->Enable(buttons.back);
    if (wxWindow* forward = GetParent()->FindWindow(wxID_FORWARD))
        forward->SetLabel(buttons.next ? wxString("&Next >") : ToWx(buttons.finishLabel));
}

CStandardPageWindow::CStandardPageWindow(wxWizard* wizard, CExamStandardPage& page,
                                         CHyperLink::Opener opener)
    : CExamPageWindow(wizard, "New Examination - Standard Details", 0x20000 + kDialogId),
      page_(page) {
    wxFlexGridSizer* form = MakeForm(Gap());
    const std::pair<int, const char*> texts[] = {{kAgency, "Agency/Proprietor:"},
                                                 {kExaminer, "Examiner's Name:"},
                                                 {kClient, "C&lient:"},
                                                 {kExamId, "&Examination ID:"}};
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        form->Add(new wxStaticText(this, wxID_ANY, texts[i].second),
                  wxSizerFlags().CentreVertical());
        texts_[i] = MakeEdit(texts[i].first, [this](const std::string&) { TakeValues(); });
        form->Add(texts_[i], wxSizerFlags().Expand());
    }
    AddField(EExamField::Examiner, texts_[1]);
    AddField(EExamField::Client, texts_[2]);

    form->Add(new wxStaticText(this, wxID_ANY, "Sections:"), wxSizerFlags().CentreVertical());
    auto* sections = new wxBoxSizer(wxHORIZONTAL);
    sections_ = MakeEdit(kSections, [this](const std::string&) { TakeValues(); });
    AddField(EExamField::Sections, sections_);
    sections->Add(sections_);
    auto* spin = new wxSpinButton(this, kSectionsSpin, wxDefaultPosition, wxDefaultSize,
                                  wxSP_VERTICAL | wxSP_ARROW_KEYS);
    spin->SetRange(-1, 1);
    const auto step = [this](int by) {
        return [this, by](wxSpinEvent& event) {
            event.Veto(); // the page keeps the number
            page_.SpinSections(by);
            ShowValues();
        };
    };
    spin->Bind(wxEVT_SPIN_UP, step(+1));
    spin->Bind(wxEVT_SPIN_DOWN, step(-1));
    sections->Add(spin);
    oneClassOnly_ = new wxCheckBox(this, kOneClassOnly, "&One Class Only");
    oneClassOnly_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { TakeValues(); });
    sections->Add(oneClassOnly_, wxSizerFlags().CentreVertical().Border(wxLEFT, 4 * Gap()));
    form->Add(sections);

    databases_ = new CDbSelectionPanelWnd(this, page_.GetPanel(), std::move(opener));
    AddField(EExamField::FirstDatabase,
             databases_->FindWindow(CDbSelectionPanelWnd::kCheckIds.front()));

    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(MakeChangeEnginesButton(this, kChangeEngines, page_, *databases_),
                wxSizerFlags().CentreVertical());
    bottom->AddStretchSpacer();
    autoDesign_ = new wxCheckBox(this, kAutoDesign, "Automatic Search Design");
    autoDesign_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        TakeValues();
        ShowButtons();
    });
    bottom->Add(autoDesign_, wxSizerFlags().CentreVertical());

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(form, wxSizerFlags().Expand());
    layout->Add(databases_, wxSizerFlags(1).Expand().Border(wxTOP, 2 * Gap()));
    layout->Add(bottom, wxSizerFlags().Expand().Border(wxTOP, 2 * Gap()));
    SetSizer(layout);
    ShowValues();
    // Past the fields the user's defaults filled, once the wizard shows the page.
    if (const EExamField first = page_.GetInitialFocus(); first != EExamField::None)
        CallAfter([this, first] { texts_[first == EExamField::Examiner ? 1 : 2]->SetFocus(); });
}

wxWizardPage* CStandardPageWindow::GetNext() const {
    return page_.GetDetails().autoDesign ? CExamPageWindow::GetNext() : nullptr;
}

void CStandardPageWindow::Activate() {
    ShowValues();
}

bool CStandardPageWindow::Forward() {
    return page_.GetDetails().autoDesign ? page_.Next() : page_.Finish();
}

void CStandardPageWindow::ShowValues() {
    const CExamStandardDetails& details = page_.GetDetails();
    const std::string* values[] = {&details.agency, &details.examiner, &details.client,
                                   &details.examId};
    for (std::size_t i = 0; i < texts_.size(); ++i)
        ShowRecordText(*texts_[i], *values[i]);
    ShowRecordText(*sections_, std::to_string(details.sections));
    oneClassOnly_->SetValue(details.oneClassOnly);
    oneClassOnly_->Enable(page_.IsOneClassOnlyEnabled());
    autoDesign_->SetValue(details.autoDesign);
}

void CStandardPageWindow::TakeValues() {
    CExamStandardDetails details = page_.GetDetails();
    std::string* values[] = {&details.agency, &details.examiner, &details.client, &details.examId};
    for (std::size_t i = 0; i < texts_.size(); ++i)
        *values[i] = RecordTextOf(*texts_[i]);
    details.sections = NumberOf(RecordTextOf(*sections_));
    details.oneClassOnly = oneClassOnly_->GetValue();
    details.autoDesign = autoDesign_->GetValue();
    page_.SetDetails(details);
}

CAutoPageWindow::CAutoPageWindow(wxWizard* wizard, CExamAutoPage& page)
    : CExamPageWindow(wizard, "New Examination - Auto Design Criteria", 0x20000 + kDialogId),
      page_(page) {
    wxFlexGridSizer* form = MakeForm(Gap());
    form->Add(new wxStaticText(this, wxID_ANY, "Primary Classes:"),
              wxSizerFlags().CentreVertical());
    primary_ = MakeClassField(kPrimaryClasses, EExamField::PrimaryClasses);
    form->Add(primary_, wxSizerFlags().Expand());
    form->Add(new wxStaticText(this, wxID_ANY, "Secondary Classes:"),
              wxSizerFlags().CentreVertical());
    secondary_ = MakeClassField(kSecondaryClasses, EExamField::SecondaryClasses);
    form->Add(secondary_, wxSizerFlags().Expand());
    form->Add(new wxStaticText(this, wxID_ANY, "Word Mark:"), wxSizerFlags().CentreVertical());
    wordMark_ = MakeEdit(kWordMark, [this](const std::string&) { TakeValues(); });
    AddField(EExamField::WordMark, wordMark_);
    form->Add(wordMark_, wxSizerFlags().Expand());

    statuses_ = new CStatusCheckBoxes(this, [this](const CStatusChecks&) { TakeValues(); });
    AddField(EExamField::Registered, statuses_->GetRegistered());

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(form, wxSizerFlags().Expand());
    layout->Add(statuses_, wxSizerFlags().Expand().Border(wxTOP, 2 * Gap()));
    SetSizer(layout);
}

wxTextCtrl* CAutoPageWindow::MakeClassField(int id, EExamField field) {
    wxTextCtrl* edit = MakeEdit(id, [this](const std::string&) { TakeValues(); });
    AddField(field, edit);
    // After the focus went: a press on Cancel has cleared the focus check by then.
    edit->Bind(wxEVT_KILL_FOCUS, [this, field](wxFocusEvent& event) {
        event.Skip();
        CallAfter([this, field] {
            page_.OnClassFieldFocusLost(field);
            ShowValues();
        });
    });
    return edit;
}

void CAutoPageWindow::Activate() {
    page_.Activate();
    ShowValues();
}

void CAutoPageWindow::ShowValues() {
    const CExamAutoCriteria& criteria = page_.GetCriteria();
    ShowRecordText(*primary_, criteria.primaryClasses);
    ShowRecordText(*secondary_, criteria.secondaryClasses);
    ShowRecordText(*wordMark_, criteria.wordMark);
    statuses_->SetStatuses(criteria.statuses);
}

void CAutoPageWindow::TakeValues() {
    page_.SetCriteria({RecordTextOf(*primary_), RecordTextOf(*secondary_), RecordTextOf(*wordMark_),
                       statuses_->Read()});
}

CTermsPageWindow::CTermsPageWindow(wxWizard* wizard, CExamTermsPage& page)
    : CExamPageWindow(wizard, "New Examination - Term Selection", 0x20000 + kDialogId),
      page_(page) {
    static constexpr const char* kLabels[] = {"Exact:", "Substring:", "Similar:"};
    static constexpr EExamField kFields[] = {EExamField::ExactTerms, EExamField::SubstringTerms,
                                             EExamField::SimilarTerms};
    auto* layout = new wxBoxSizer(wxHORIZONTAL);
    for (int list = 0; list < static_cast<int>(lists_.size()); ++list) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(new wxStaticText(this, wxID_ANY, kLabels[list]));
        lists_[list] = MakeEdit(
            kListIds[list], [this, list](const std::string& text) { page_.SetText(list, text); },
            wxTE_MULTILINE | wxHSCROLL);
        lists_[list]->SetMinSize(FromDIP(wxSize(160, 220)));
        AddField(kFields[list], lists_[list]);
        column->Add(lists_[list], wxSizerFlags(1).Expand().Border(wxTOP, Gap()));
        layout->Add(column, wxSizerFlags(1).Expand().Border(list > 0 ? wxLEFT : 0, Gap()));
    }
    SetSizer(layout);
}

void CTermsPageWindow::Activate() {
    RunWhilePainting([this] { page_.Activate(); });
    for (int list = 0; list < static_cast<int>(lists_.size()); ++list) {
        ShowRecordText(*lists_[list], page_.GetText(list));
        lists_[list]->SetInsertionPointEnd();
        lists_[list]->ShowPosition(lists_[list]->GetLastPosition());
    }
}
