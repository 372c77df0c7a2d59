#pragma once
// Reads a stored criteria text back into search criteria: a small recursive-descent parser over
// name="value" items joined by AND, OR and ANDNOT, with parenthesised groups. It is lenient: it
// skips what it does not know and fails only on the joins it cannot read, a stray ')', groups
// nested too deeply and rejected word terms, keeping everything else it read.

#include <string>

class CCriteria;
class CTokeniser;

class CCriteriaParser {
public:
    CCriteriaParser() = default;
    CCriteriaParser(const CCriteriaParser&) = delete;
    CCriteriaParser& operator=(const CCriteriaParser&) = delete;
    virtual ~CCriteriaParser() = default;

    // Clears the criteria, reads the text and completes the criteria; false when something
    // failed, the reason in the criteria's last error.
    bool Parse(CCriteria& criteria, const std::string& text);

    // Deeper groups than this are skipped and reported, so hostile text cannot exhaust the stack.
    static constexpr int kMaxGroupDepth = 32;

private:
    bool ParseCriteriaGroup(const std::string& outerJoiner, CTokeniser& tokeniser, int depth);
    bool ApplyCriteriaTerm(const std::string& outerJoiner, const std::string& joiner,
                           const std::string& name, const std::string& value);
    bool ApplyWordTerm(bool excluded, const std::string& joiner, int kind,
                       const std::string& value);
    void ApplyGoodsTerm(bool excluded, const std::string& joiner, const std::string& value);
    // Records the first failure of a parse in the criteria's last error.
    bool Fail(const std::string& message);

    CCriteria* criteria_ = nullptr;
    bool failed_ = false;
};

// WORDM 0, TMARK 1, WAPPR 2, TAPPR 3, WANAG 4, ignoring case; false for any other name.
bool WordKindFromName(const std::string& name, int& kind);

// The characters before the first '-' and the rest, every '-' dropped.
void SplitRange(const std::string& value, std::string& lower, std::string& upper);
