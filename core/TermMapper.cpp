#include "core/TermMapper.h"

#include <algorithm>

std::string CTermMapper::Map(const std::string& text) const {
    std::string mapped;
    mapped.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            const char escaped = text[++i];
            if (IsTarget(escaped))
                mapped += '\\';
            mapped += escaped;
        } else if (const auto* pair = FindSource(c)) {
            mapped += pair->second;
        } else {
            if (IsTarget(c))
                mapped += '\\';
            mapped += c;
        }
    }
    return mapped;
}

char CTermMapper::Lookup(char source) const {
    const auto* pair = FindSource(source);
    return pair ? pair->second : 0;
}

char CTermMapper::FindTarget(char target) const {
    const auto pair = std::find_if(pairs_.begin(), pairs_.end(),
                                   [target](const auto& p) { return p.second == target; });
    return pair != pairs_.end() ? pair->first : 0;
}

const std::pair<char, char>* CTermMapper::FindSource(char source) const {
    const auto pair = std::find_if(pairs_.begin(), pairs_.end(),
                                   [source](const auto& p) { return p.first == source; });
    return pair != pairs_.end() ? &*pair : nullptr;
}

bool CTermMapper::IsTarget(char c) const {
    return std::any_of(pairs_.begin(), pairs_.end(), [c](const auto& p) { return p.second == c; });
}
