#include "core/LetterGroups.h"

#include "core/Latin1.h"

#include <algorithm>

namespace {

std::vector<std::string> DecodeFrontCoded(std::span<const unsigned char> bytes) {
    std::vector<std::string> groups;
    std::string group;
    for (std::size_t at = 0; at < bytes.size() && bytes[at] != 0;) {
        const std::size_t shared = bytes[at] >> 4;
        const std::size_t added = bytes[at] & 0x0F;
        ++at;
        if (shared > group.size() || at + added > bytes.size())
            break;
        group.resize(shared);
        group.append(bytes.begin() + at, bytes.begin() + at + added);
        at += added;
        groups.push_back(group);
    }
    return groups;
}

} // namespace

const std::vector<std::string>& CommonLetterGroups() {
    static const std::vector<std::string> groups = DecodeFrontCoded(CommonLetterGroupBytes());
    return groups;
}

bool IsCommonLetterGroup(std::string_view piece) {
    // The groups beginning with the piece follow one another from where the piece would stand.
    const std::vector<std::string>& groups = CommonLetterGroups();
    const auto found = std::lower_bound(groups.begin(), groups.end(), piece);
    return found != groups.end() && found->starts_with(piece);
}

std::size_t CDistinctiveGroups::Find(std::string_view token) {
    groups_.clear();
    const std::string form = "(" + UpperCaseLatin1(token) + ")";

    // Longer pieces than a group may hold are not cut down: a cut piece would be another group.
    const std::size_t longest = std::min(form.size(), kMaxGroupLength);
    for (std::size_t length = 2; length <= longest && groups_.size() < kMaxGroups; ++length) {
        for (std::size_t start = 0; start + length <= form.size(); ++start) {
            const std::string_view piece = std::string_view(form).substr(start, length);
            if (AnyOccursIn(piece) || isCommon_(piece))
                continue;
            groups_.emplace_back(piece);
            if (groups_.size() == kMaxGroups)
                break;
        }
    }

    if (groups_.size() == 1 && groups_.front() == form && token.size() > 3)
        groups_.front() = form.substr(1, form.size() - 2);
    return groups_.size();
}

bool CDistinctiveGroups::AnyOccursIn(std::string_view text) const {
    return std::any_of(groups_.begin(), groups_.end(), [text](const std::string& group) {
        return text.find(group) != std::string_view::npos;
    });
}
