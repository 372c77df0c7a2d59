#pragma once
// Material for a broader search built from a word mark: the words and word pairs of the term,
// wildcard patterns made of its distinctive letter groups, and similar strings that the
// registers' string finders hold.

#include "core/LetterGroups.h"
#include "core/MergedStringSource.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CGenTerm {
public:
    static constexpr std::size_t kMaxTokens = 5;
    static constexpr std::size_t kMaxTokenLength = 16;

    CGenTerm() = default;
    virtual ~CGenTerm() = default;

    // Splits the term into tokens and builds the three lists afresh, asking the string finders
    // of the source for strings similar to each token that begins with a letter. Answers how
    // many texts were offered to the lists, repeats included.
    int SetTerm(std::string_view term, CMergedStringSource& finders);

    // Each list holds lower-case texts without repeats.
    const std::vector<std::string>& GetWords() const { return words_; }
    const std::vector<std::string>& GetPatterns() const { return patterns_; }
    const std::vector<std::string>& GetFoundStrings() const { return foundStrings_; }

private:
    void Tokenise(std::string_view term);
    void Expand(CMergedStringSource& finders);
    void AddWords();
    void AddFoundStrings(const std::string& token, CMergedStringSource& finders);
    void AddPatterns();
    void Offer(std::vector<std::string>& list, std::string_view text);

    std::vector<std::string> tokens_;
    std::vector<std::string> words_;
    std::vector<std::string> patterns_;
    std::vector<std::string> foundStrings_;
    CDistinctiveGroups groups_;
    int offered_ = 0;
};
