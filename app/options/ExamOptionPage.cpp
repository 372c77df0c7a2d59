#include "app/options/ExamOptionPage.h"

#include "core/UserOptions.h"

#include <algorithm>

COptionPageExam::COptionPageExam(const CUserOptions& options, const IRegisterTable& registers,
                                 const CZrRepository& repository, const CDbSelection& catalogue)
    : values_{options.GetAgency(), options.GetExaminer(), options.GetSections(),
              options.GetOneClassOnly()},
      panel_(registers, repository) {
    for (int i = 0; i < CUserOptions::kSectionNameCount; ++i)
        sectionNames_.push_back(options.GetSectionName(i));
    panel_.SetControls({kVisibleRows, false, false, false});
    CDbSelection chosen = catalogue;
    chosen.SetSelectionString(options.GetDbSelection());
    panel_.Init(chosen, options.GetDbIds(), "");
}

std::vector<std::string> COptionPageExam::GetSectionNames(int typedSections) const {
    const auto count =
        static_cast<std::size_t>(std::clamp(typedSections, kMinSections, kMaxSections));
    return {sectionNames_.begin(), sectionNames_.begin() + static_cast<std::ptrdiff_t>(count)};
}

void COptionPageExam::SetSectionNames(const std::vector<std::string>& names) {
    std::copy_n(names.begin(), std::min(names.size(), sectionNames_.size()), sectionNames_.begin());
}

void COptionPageExam::Apply(CUserOptions& options) {
    options.SetAgency(values_.agency);
    options.SetExaminer(values_.examiner);
    options.SetOneClassOnly(values_.oneClassOnly);
    options.SetSections(values_.sections);
    options.SetDbSelection(panel_.GetCatalogue().GetSelectionString());
    // Only names the user changed are written, so that untouched ones keep their defaults.
    for (int i = 0; i < CUserOptions::kSectionNameCount; ++i) {
        const std::string& name = sectionNames_[static_cast<std::size_t>(i)];
        if (name != options.GetSectionName(i))
            options.SetSectionName(i, name);
    }
}
