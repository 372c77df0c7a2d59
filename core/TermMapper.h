#pragma once
// Maps between the wildcard characters a user has chosen and the fixed internal ones that
// criteria store and engines read ('-' any run, '*' one character, '?' one character or none).
// The input mapper turns typed terms into internal ones, the display mapper the reverse.

#include <string>
#include <utility>
#include <vector>

class CTermMapper {
public:
    void Clear() { pairs_.clear(); }
    void Add(char source, char target) { pairs_.emplace_back(source, target); }

    // Rewrites a term: a source character becomes its target, a character that is a target but
    // no source gets a backslash (it was typed as a literal), and an escaped target keeps its
    // backslash; other escapes lose it.
    std::string Map(const std::string& text) const;

    // The target paired with a source character, or 0.
    char Lookup(char source) const;
    // The source of the first pair whose target is the character, or 0.
    char FindTarget(char target) const;

private:
    const std::pair<char, char>* FindSource(char source) const;
    bool IsTarget(char c) const;

    std::vector<std::pair<char, char>> pairs_;
};
