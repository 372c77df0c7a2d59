#pragma once
// The three pages of the "New Examination" wizard without their windows. Standard: the
// examination's details and its databases (the database selection panel), finishing at once or
// going on to the automatic search design. Auto: the word mark, classes and statuses the design
// starts from. Terms: the proposed term lists, edited by the user. A page that refuses to be
// left has shown why in a message box and names the field to focus.

#include "core/TermMapper.h"
#include "engines/EngineChoice.h"
#include "engines/MakerSite.h"
#include "engines/selection/DbSelectionPanel.h"
#include "search/AutoSearchDesign.h"
#include "search/StatusChecks.h"

#include <array>
#include <string>

class CNewExamModel;
class CSystemOptions;
class CUserOptions;
class CZrRepository;
class IRegisterTable;

enum class EExamField {
    None,
    Examiner,
    Client,
    Sections,
    FirstDatabase,
    PrimaryClasses,
    SecondaryClasses,
    WordMark,
    Registered,
    ExactTerms,
    SubstringTerms,
    SimilarTerms,
};

struct CWizardButtons {
    bool back = false;
    bool next = false;
    bool finish = false;
    std::string finishLabel = "Finish";

    bool operator==(const CWizardButtons&) const = default;
};

struct CNewExamServices {
    IRegisterTable& registers;
    const CZrRepository& repository;
    CUserOptions& userOptions;
    const CSystemOptions& systemOptions;
    // Where the databases' notice and training links point.
    CMakerSite makerSite = {};
};

struct CExamStandardDetails {
    std::string agency;
    std::string examiner;
    std::string client;
    std::string examId;
    int sections = 0;
    bool oneClassOnly = false;
    bool autoDesign = false;
};

class CExamStandardPage {
public:
    static constexpr int kVisibleRows = 13;

    // The details start from the user's defaults, the panel from the catalogue with the
    // user's last selection.
    CExamStandardPage(CNewExamModel& wizard, const CNewExamServices& services,
                      const CDbSelection& catalogue);

    const CExamStandardDetails& GetDetails() const { return details_; }
    void SetDetails(const CExamStandardDetails& details) { details_ = details; }
    // The spin button: one up or down, never leaving 1 to 99.
    void SpinSections(int step);
    // Disabled while duplicate marks are deleted or grouped across classes.
    bool IsOneClassOnlyEnabled() const;
    // Where the focus goes first: past the fields the user's defaults filled.
    EExamField GetInitialFocus() const;
    // With "Automatic Search Design" the wizard goes on; without it, it ends here with OK.
    CWizardButtons GetButtons() const;

    CDbSelectionPanel& GetPanel() { return panel_; }
    bool CanChangeEngines() const;
    CEngineDlgHelper MakeEngineDialog() const;
    void ApplyEngineChoice(const CEngineDlgHelper& dialog);

    // True when the wizard may go on to the Auto page.
    bool Next();
    // True when the wizard ends, without designed searches.
    bool Finish();
    EExamField GetFocus() const { return focus_; }

private:
    // Hands the details and databases to the wizard; false after a message.
    bool Validate();
    bool Refuse(const std::string& message, EExamField focus);

    CNewExamModel& wizard_;
    const CNewExamServices services_;
    CDbSelectionPanel panel_;
    CExamStandardDetails details_;
    EExamField focus_ = EExamField::None;
};

struct CExamAutoCriteria {
    std::string primaryClasses;
    std::string secondaryClasses;
    std::string wordMark;
    CStatusChecks statuses;
};

class CExamAutoPage {
public:
    CExamAutoPage(CNewExamModel& wizard, const CUserOptions& options);

    // The statuses start from the user's default ones at the first activation.
    void Activate();
    const CExamAutoCriteria& GetCriteria() const { return criteria_; }
    void SetCriteria(const CExamAutoCriteria& criteria) { criteria_ = criteria; }
    // A class field lost the focus: it shows its list in compact form, unless the user is
    // leaving the wizard.
    void OnClassFieldFocusLost(EExamField field);
    CWizardButtons GetButtons() const { return {true, true, false}; }

    // True when the wizard may go on to the Terms page.
    bool Next();
    EExamField GetFocus() const { return focus_; }

private:
    CNewExamModel& wizard_;
    const CUserOptions& options_;
    CExamAutoCriteria criteria_;
    bool activated_ = false;
    EExamField focus_ = EExamField::None;
};

class CExamTermsPage {
public:
    enum ETermList : int { kExact = 0, kSubstring = 1, kSimilar = 2 };

    CExamTermsPage(CNewExamModel& wizard, const CUserOptions& options);

    // When the word mark or the engines changed, the lists are proposed afresh and shown;
    // otherwise the texts stay as the user left them.
    void Activate();
    // A list's text: one term per line, in the user's wildcard characters.
    const std::string& GetText(int list) const { return texts_.at(list); }
    void SetText(int list, const std::string& text) { texts_.at(list) = text; }
    CWizardButtons GetButtons() const { return {true, false, true}; }

    // Every line is checked as the designed searches will check it; true when the wizard ends
    // with the lists taken.
    bool Finish();
    EExamField GetFocus() const { return focus_; }

private:
    CAutoDesignTerms ReadTexts() const;

    CNewExamModel& wizard_;
    CTermMapper inputMapper_;
    CTermMapper displayMapper_;
    std::array<std::string, 3> texts_;
    EExamField focus_ = EExamField::None;
};
