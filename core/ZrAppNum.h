#pragma once
// An application-number bound of search criteria, kept as the text the user gave, with a check
// of the number syntax that every register accepts.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CZrAppNum {
public:
    CZrAppNum() = default;
    CZrAppNum(const CZrAppNum&) = default;
    CZrAppNum& operator=(const CZrAppNum&) = default;
    virtual ~CZrAppNum() = default;

    void Clear() { text_.clear(); }
    // Stores the text (leading blanks removed) and returns whether it is a valid number:
    // an optional prefix (B, M, D..., IR, TMA), digits with at most one '/' and at most one
    // '-' or '_', an optional letter suffix; or anything starting with '!' (passed unchecked).
    bool SetText(const std::string& text);
    const std::string& GetText() const { return text_; }
    bool IsEmpty() const { return text_.empty(); }

    // The value of all digits of the text read in order, other characters skipped ("B12/34"
    // gives 1234); saturates instead of overflowing.
    std::uint64_t GetNumber() const;

private:
    std::string text_;
};

// Registers' number patterns (Perl-style regular expressions, case-insensitive), compiled once
// for checks made on every keystroke. A pattern that does not compile, or whose match gives up,
// matches nothing.
class CAppNumPatterns {
public:
    explicit CAppNumPatterns(const std::vector<std::string>& patterns = {});
    CAppNumPatterns(CAppNumPatterns&&) noexcept;
    CAppNumPatterns& operator=(CAppNumPatterns&&) noexcept;
    ~CAppNumPatterns();

    // Whether the whole text matches one of the patterns.
    bool MatchesAny(const std::string& text) const;

private:
    struct CCompiled;
    std::unique_ptr<CCompiled> compiled_;
};

// Whether the whole text matches a register's number pattern.
bool MatchesAppNumPattern(const std::string& text, const std::string& pattern);

// Whether a typed application number is acceptable: valid in the common number syntax, or else
// a full match of one of the given register patterns.
bool IsAcceptedAppNum(const std::string& text, const CAppNumPatterns& registerPatterns);
