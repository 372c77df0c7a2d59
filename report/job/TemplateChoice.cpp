#include "report/job/TemplateChoice.h"

#include <algorithm>

CTemplateChoice::CTemplateChoice(std::vector<std::string> names, const std::string& defaultName)
    : names_(std::move(names)) {
    const auto found = std::find(names_.begin(), names_.end(), defaultName);
    if (found != names_.end())
        selection_ = static_cast<int>(found - names_.begin());
}

void CTemplateChoice::Select(int index) {
    selection_ = index >= 0 && index < static_cast<int>(names_.size()) ? index : kNone;
}

std::string CTemplateChoice::GetChosenName() const {
    return CanChoose() ? names_[static_cast<std::size_t>(selection_)] : "";
}
