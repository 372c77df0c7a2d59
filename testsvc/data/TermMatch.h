#pragma once
// Matching of search terms in the engines' wildcard language: '-' matches any run of characters,
// '*' exactly one character, '?' one character or none; a backslash makes the next character
// literal. Letters compare without regard to case (ASCII).

#include <string>
#include <string_view>
#include <vector>

class CTermPattern {
public:
    explicit CTermPattern(std::string_view term);

    // Whether the whole text matches.
    bool Matches(std::string_view text) const;
    // Whether the text holds a match anywhere.
    bool Occurs(std::string_view text) const;
    bool HasWildcards() const { return hasWildcards_; }
    // The term's literal characters, upper-cased, wildcards left out.
    const std::string& Letters() const { return letters_; }

private:
    bool Match(std::string_view text, bool anywhere) const;

    enum class Kind { Literal, AnyRun, One, OneOrNone };
    struct Element {
        Kind kind;
        char c;
    };

    std::vector<Element> elements_;
    std::string letters_;
    bool hasWildcards_ = false;
};

std::string UpperAscii(std::string_view text);
// The runs of letters and digits of a text, upper-cased; bytes of 128 and above count as letters.
std::vector<std::string> SplitWords(std::string_view text);
// Levenshtein distance.
std::size_t EditDistance(std::string_view a, std::string_view b);
