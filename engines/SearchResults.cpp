#include "engines/SearchResults.h"

void CSearchResults::BeginMerge(std::size_t n) {
    previousIds_ = std::move(ids_);
    cursor_ = 0;
    ids_.clear();
    ids_.reserve(previousIds_.size() + n);
}

void CSearchResults::MergeAdd(std::span<const std::uint32_t> newIds) {
    if (previousIds_.empty()) {
        ids_.insert(ids_.end(), newIds.begin(), newIds.end());
        return;
    }
    for (const std::uint32_t id : newIds) {
        while (cursor_ < previousIds_.size() && previousIds_[cursor_] <= id)
            ids_.push_back(previousIds_[cursor_++]);
        if (ids_.empty() || ids_.back() != id)
            ids_.push_back(id);
    }
}

void CSearchResults::EndMerge() {
    ids_.insert(ids_.end(), previousIds_.begin() + static_cast<std::ptrdiff_t>(cursor_),
                previousIds_.end());
    previousIds_.clear();
    previousIds_.shrink_to_fit();
    cursor_ = 0;
}
