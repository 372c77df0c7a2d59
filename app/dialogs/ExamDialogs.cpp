#include "app/dialogs/ExamDialogs.h"

#include "core/UserOptions.h"
#include "engines/EngineChoice.h"

#include <algorithm>

namespace {

constexpr int kMaxSections = 99;

// The text without white space of any kind at either end.
void TrimSpace(std::string& text) {
    constexpr const char* kSpace = " \t\r\n\v\f";
    text.erase(0, text.find_first_not_of(kSpace));
    text.erase(text.find_last_not_of(kSpace) + 1);
}

} // namespace

CChangeDetailsForm MakeChangeDetailsForm(const CZR2000Doc& document) {
    CChangeDetailsForm form;
    form.details = {document.GetAgency(),           document.GetExaminer(),
                    document.GetClient(),           document.GetExamId(),
                    document.IsOneClassOnly() != 0, document.GetSectionCount()};
    form.primaryClasses = document.GetValue(CExamInfo::kAutoPrimaryClasses);
    form.secondaryClasses = document.GetValue(CExamInfo::kAutoSecondaryClasses);
    form.wordMark = document.GetValue(CExamInfo::kAutoWordMark);
    form.status = document.GetValue(CExamInfo::kAutoStatus);
    form.watch = document.IsWatch();
    form.lowestSections = document.GetNewSection();
    return form;
}

std::string CheckChangeDetails(CChangeDetailsForm& form, bool requireClientName,
                               EDetailsField& focus) {
    TrimSpace(form.details.client);
    focus = EDetailsField::None;
    if (requireClientName && form.details.client.empty()) {
        focus = EDetailsField::Client;
        return "U214 You must specify a Client name.";
    }
    const int count = form.details.sectionCount;
    if (!form.watch && (count < form.lowestSections || count > kMaxSections)) {
        focus = EDetailsField::Sections;
        return "U202 Number of sections must be between " + std::to_string(form.lowestSections) +
               " and " + std::to_string(kMaxSections);
    }
    return {};
}

CCaveatSetChoice::CCaveatSetChoice(std::vector<std::string> sets, CUserOptions& user)
    : sets_(std::move(sets)), user_(user) {
    const auto found = std::find(sets_.begin(), sets_.end(), user.GetDefaultCaveatSet());
    if (found != sets_.end())
        initial_ = static_cast<int>(found - sets_.begin());
}

bool CCaveatSetChoice::Accept(const std::string& name) {
    if (name.empty())
        return false;
    user_.SetDefaultCaveatSet(name);
    return true;
}

void ApplyEngineChoice(const std::vector<CDbEngineSelection>& choice, IExamRegisters& registers) {
    for (const CDbEngineSelection& selection : choice)
        if (const CZrDbEngine* engine = selection.GetSelectedEngine())
            registers.SwitchEngine(static_cast<char>(selection.GetDbCode()), *engine);
}
