#include "report/job/TemplateChoice.h"

#include <algorithm>

CTemplateChoice::CTemplateChoice(std::vector<std::string> names, const std::string& defaultName,
                                 std::string folder)
    : names_(std::move(names)), folder_(std::move(folder)) {
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

std::string CTemplateChoice::GetEmptyFolderHint() const {
    if (!names_.empty())
        return "";
    return "There are no report templates yet. Templates (RTF documents or text files with "
           "report tags) go in the folder:\n" +
           folder_;
}
