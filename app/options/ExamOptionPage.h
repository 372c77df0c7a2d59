#pragma once
// The Examination page: the defaults of new examinations (agency, examiner, number of sections,
// one class only), the databases they start from, and the section names.

#include "app/options/OptionPage.h"
#include "engines/selection/DbSelectionPanel.h"

#include <string>
#include <vector>

struct CExamOptionValues {
    std::string agency;
    std::string examiner;
    int sections = 0;
    bool oneClassOnly = false;

    bool operator==(const CExamOptionValues&) const = default;
};

class COptionPageExam : public COptionPage {
public:
    static constexpr int kDialogId = 144;
    static constexpr int kVisibleRows = 10;
    static constexpr int kMinSections = 1;
    static constexpr int kMaxSections = 99;

    // The panel shows the catalogue with the user's last selection.
    COptionPageExam(const CUserOptions& options, const IRegisterTable& registers,
                    const CZrRepository& repository, const CDbSelection& catalogue);

    std::string GetCaption() const override { return "Examination"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }

    const CExamOptionValues& GetValues() const { return values_; }
    void SetValues(const CExamOptionValues& values) { values_ = values; }
    CDbSelectionPanel& GetPanel() { return panel_; }

    // The names the Section Names... dialog edits: as many as the number of sections typed,
    // held to 1 to 99.
    std::vector<std::string> GetSectionNames(int typedSections) const;
    // The names the dialog gave back, kept until OK.
    void SetSectionNames(const std::vector<std::string>& names);

    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    CExamOptionValues values_;
    CDbSelectionPanel panel_;
    std::vector<std::string> sectionNames_;
};
