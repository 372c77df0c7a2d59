#include "core/Macros.h"

#include "core/Tokeniser.h"

#include <algorithm>

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool CMacroEntry::operator<(const CMacroEntry& other) const {
    return std::lexicographical_compare(name_.begin(), name_.end(), other.name_.begin(),
                                        other.name_.end(), [](char a, char b) {
                                            return static_cast<unsigned char>(LowerAscii(a)) <
                                                   static_cast<unsigned char>(LowerAscii(b));
                                        });
}

void CMacroEntry::SetSystemDefinition(const std::string& definition) {
    systemDefinition_ = definition;
    hasSystem_ = true;
}

void CMacroEntry::SetUserDefinition(const std::string& definition) {
    userDefinition_ = definition;
    userDefined_ = true;
    changed_ = true;
}

bool CMacroEntry::RemoveUserDefinition() {
    userDefined_ = false;
    changed_ = true;
    return hasSystem_;
}

void CMacroEntry::GetDefinition(std::string& name, std::string& definition, bool& isSystem) const {
    name = name_;
    if (userDefined_) {
        definition = userDefinition_;
        isSystem = false;
    } else if (hasSystem_) {
        definition = systemDefinition_;
        isSystem = true;
    }
}

bool CMacroEntry::GetChange(std::string& name, std::string& userDefinition, bool& dropped) const {
    if (changed_) {
        name = name_;
        userDefinition = userDefinition_;
        dropped = !userDefined_;
    }
    return changed_;
}

bool CMacros::Expand(const std::string& section, const std::string& text,
                     const std::string& delimiters, std::string& expanded) const {
    CTokeniser tokeniser(text, delimiters, true);
    tokeniser.SetKeepQuotes(false);
    tokeniser.SetKeepEscapes(false);
    const char prefix = options_.GetMacroPrefix();
    expanded.clear();
    bool allKnown = true;
    bool atStart = true;
    // The end is asked of the tokeniser: a quoted empty value is an empty token too.
    while (!tokeniser.AtEnd()) {
        bool isDelimiter = false;
        const std::string token = tokeniser.NextToken(&isDelimiter);
        if (isDelimiter) {
            expanded += token;
            atStart = true;
            continue;
        }
        if (!atStart)
            expanded += ' ';
        atStart = false;
        std::string definition;
        if (token.empty() || token.front() != prefix)
            expanded += token;
        else if (options_.GetMacroDefinition(section, token.substr(1), definition))
            expanded += definition;
        else {
            expanded += token;
            allKnown = false;
        }
    }
    return allKnown;
}
