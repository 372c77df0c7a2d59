#pragma once
// The pages of the "New Examination" wizard, each over its page model: the forward button asks
// the model, which has told the user why when it refuses, and the field it names takes the
// focus; the page's model also decides the forward button's label and Back.

#include "core/ui/HyperLink.h"
#include "search/NewExamPages.h"
#include "search/ui/RecordTextEdit.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <wx/wizard.h>

class CDbSelectionPanelWnd;
class CStatusCheckBoxes;
class wxCheckBox;
class wxSpinButton;
class wxTextCtrl;

class CExamPageWindow : public wxWizardPage {
public:
    CExamPageWindow(wxWizard* wizard, const wxString& title, int helpContext);

    void Chain(CExamPageWindow* next);
    wxWizardPage* GetPrev() const override { return prev_; }
    wxWizardPage* GetNext() const override { return next_; }
    int GetHelpContext() const { return helpContext_; }

protected:
    // The page is shown: its model's values into the controls.
    virtual void Activate() = 0;
    // Forward: true when the model lets the wizard go on (or end).
    virtual bool Forward() = 0;
    virtual CWizardButtons GetButtons() const = 0;
    virtual EExamField GetFocus() const = 0;

    void ShowButtons();
    // The field's control takes the focus with Forward's refusal.
    void AddField(EExamField field, wxWindow* control) { fields_[field] = control; }
    int Gap() const { return FromDIP(6); }
    wxTextCtrl* MakeEdit(int id, std::function<void(const std::string&)> changed, long style = 0) {
        return MakeRecordTextEdit(this, id, std::move(changed), style);
    }

private:
    CExamPageWindow* prev_ = nullptr;
    CExamPageWindow* next_ = nullptr;
    wxString title_;
    int helpContext_;
    std::map<EExamField, wxWindow*> fields_;
};

class CStandardPageWindow : public CExamPageWindow {
public:
    enum : int {
        kAgency = 1095,
        kExaminer = 1110,
        kClient = 1127,
        kExamId = 1120,
        kSections = 1092,
        kSectionsSpin = 1091,
        kOneClassOnly = 1088,
        kAutoDesign = 1257,
        kChangeEngines = 1306,
        kDialogId = 195,
    };

    // The databases' notice and training links open through the opener (platform::OpenUrl
    // without one).
    CStandardPageWindow(wxWizard* wizard, CExamStandardPage& page, CHyperLink::Opener opener = {});
    // Only with "Automatic Search Design" does the wizard go on.
    wxWizardPage* GetNext() const override;

private:
    void Activate() override;
    bool Forward() override;
    CWizardButtons GetButtons() const override { return page_.GetButtons(); }
    EExamField GetFocus() const override { return page_.GetFocus(); }
    void ShowValues();
    // Every field's value into the page model.
    void TakeValues();

    CExamStandardPage& page_;
    CDbSelectionPanelWnd* databases_ = nullptr;
    std::array<wxTextCtrl*, 4> texts_{};
    wxTextCtrl* sections_ = nullptr;
    wxCheckBox* oneClassOnly_ = nullptr;
    wxCheckBox* autoDesign_ = nullptr;
};

class CAutoPageWindow : public CExamPageWindow {
public:
    enum : int {
        kPrimaryClasses = 1130,
        kSecondaryClasses = 1135,
        kWordMark = 1138,
        kDialogId = 196,
    };

    CAutoPageWindow(wxWizard* wizard, CExamAutoPage& page);

private:
    void Activate() override;
    bool Forward() override { return page_.Next(); }
    CWizardButtons GetButtons() const override { return page_.GetButtons(); }
    EExamField GetFocus() const override { return page_.GetFocus(); }
    void ShowValues();
    void TakeValues();
    wxTextCtrl* MakeClassField(int id, EExamField field);

    CExamAutoPage& page_;
    wxTextCtrl* primary_ = nullptr;
    wxTextCtrl* secondary_ = nullptr;
    wxTextCtrl* wordMark_ = nullptr;
    CStatusCheckBoxes* statuses_ = nullptr;
};

class CTermsPageWindow : public CExamPageWindow {
public:
    static constexpr std::array<int, 3> kListIds = {1107, 1259, 1260};
    enum : int { kDialogId = 197 };

    CTermsPageWindow(wxWizard* wizard, CExamTermsPage& page);

private:
    // Proposes the terms when they are stale, on a worker thread: the windows paint meanwhile
    // but take no input.
    void Activate() override;
    bool Forward() override { return page_.Finish(); }
    CWizardButtons GetButtons() const override { return page_.GetButtons(); }
    EExamField GetFocus() const override { return page_.GetFocus(); }

    CExamTermsPage& page_;
    std::array<wxTextCtrl*, 3> lists_{};
};
