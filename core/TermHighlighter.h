#pragma once
// Marks in record text the words that a search's terms would have found, the way the engines
// match them: whole words, case and accents folded, the internal wildcards '-' (a run of up to
// 100 characters), '*' (one character) and '?' (one character or none).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Character classes of highlighted text; the end of the text counts as other.
enum CharClass : int { kCharLetter = 1, kCharDigit = 2, kCharJoiner = 3, kCharOther = 4 };
int CharClassOf(char c);

// One piece of split text: flag 1 for a highlighted word, 0 for plain text.
struct CHighlightPiece {
    std::uint8_t flag;
    std::string text;
};

// A folded term prepared for matching. Matching takes time proportional to the term's length
// times the stretch of text it can cover, however many wildcards the term holds.
class CWildcardTerm {
public:
    explicit CWildcardTerm(std::string_view foldedTerm);

    // Whether the term matches the word of the given class that starts at the position, and how
    // many characters it covers. The match never ends inside a longer word or number.
    bool Match(std::string_view text, std::size_t position, int wordClass,
               std::size_t& length) const;

private:
    struct Step {
        enum Kind : std::uint8_t { Literal, One, Span, Optional } kind;
        char c;                  // Literal and Optional: the character
        std::size_t longestSpan; // Span: how many characters it may cover
    };
    class Matcher;

    std::vector<Step> steps_;
    std::size_t longestMatch_ = 0;
};

class CTermHighlighter {
public:
    // Replaces the terms by folded copies (accents removed, upper case).
    void SetTerms(const std::vector<std::string>& terms);
    const std::vector<std::string>& GetTerms() const { return terms_; }

    // The text cut into plain and highlighted pieces; together they are the text.
    void SplitText(const std::string& text, std::vector<CHighlightPiece>& pieces) const;

    // The index of the first term that matches at the position, with its match length; -1
    // when none does.
    int MatchAt(std::string_view text, std::size_t position, int wordClass,
                std::size_t& length) const;

private:
    std::vector<std::string> terms_;
    std::vector<CWildcardTerm> compiled_;
};

// Whether one folded term matches at the position, and how many characters it covers.
bool MatchWildcard(std::string_view text, std::size_t position, std::string_view foldedTerm,
                   int wordClass, std::size_t& length);
