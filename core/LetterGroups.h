#pragma once
// Letter groups of a term that set it apart from ordinary words: the term expansion builds its
// wildcard patterns from them. Terms are written in capitals between "(" for the start and ")"
// for the end of the word, so "(AC" is a beginning and "ME)" an ending.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The built-in common letter groups (2 to 8 characters, sorted in byte order), front-coded: per
// entry one byte whose high four bits count the characters shared with the entry before and whose
// low four bits count the characters that follow; a zero byte ends the list.
// Made by scripts/make_word_tables.py from Debian's word list (core/LetterGroupTable.cpp).
std::span<const unsigned char> CommonLetterGroupBytes();

// The common letter groups, decoded once.
const std::vector<std::string>& CommonLetterGroups();

// True when some common letter group begins with the piece.
bool IsCommonLetterGroup(std::string_view piece);

class CDistinctiveGroups {
public:
    static constexpr std::size_t kMaxGroups = 32;
    static constexpr std::size_t kMaxGroupLength = 15;
    using CommonTest = bool (*)(std::string_view piece);

    explicit CDistinctiveGroups(CommonTest isCommon = IsCommonLetterGroup) : isCommon_(isCommon) {}

    // Replaces the groups by those of the token (letters or digits, any case): the shortest
    // pieces of "(TOKEN)" that are no beginning of a common group and hold no shorter group
    // already found. A token whose only such piece is its whole form and that is longer than
    // three characters gives the token itself, so that it is looked for inside other words.
    // Answers how many groups there are.
    std::size_t Find(std::string_view token);

    const std::vector<std::string>& GetGroups() const { return groups_; }
    // True when one of the groups occurs in the text (written in capitals).
    bool AnyOccursIn(std::string_view text) const;

private:
    CommonTest isCommon_;
    std::vector<std::string> groups_;
};
