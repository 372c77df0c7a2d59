#include "app/document/ExamInfo.h"

void CExamInfo::Reset() {
    values_.clear();
    created_ = std::time(nullptr);
    type_ = kExamination;
    sections_ = kDefaultSections;
    oneClassOnly_ = false;
    watchMarkCount_ = 0;
}

std::string CExamInfo::GetValue(int key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? std::string() : found->second;
}
