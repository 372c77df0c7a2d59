#include "core/TermHighlighter.h"

#include "core/Latin1.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::size_t kLongestAnyRun = 100;
constexpr std::ptrdiff_t kNoMatch = -1;

char Fold(char c) {
    return ToUpperLatin1(StripAccentLatin1(c));
}

int ClassAt(std::string_view text, std::size_t position) {
    return position < text.size() ? CharClassOf(text[position]) : kCharOther;
}

// A wildcard may only cover characters of the word's own class and joiners.
bool IsWordOrJoiner(std::string_view text, std::size_t position, int wordClass) {
    const int charClass = ClassAt(text, position);
    return charClass == wordClass || charClass == kCharJoiner;
}

} // namespace

int CharClassOf(char c) {
    if (IsAlphaLatin1(c))
        return kCharLetter;
    if (c >= '0' && c <= '9')
        return kCharDigit;
    if (c == '\'' || c == '-')
        return kCharJoiner;
    return kCharOther;
}

CWildcardTerm::CWildcardTerm(std::string_view term) {
    for (std::size_t i = 0; i < term.size(); ++i) {
        const char c = term[i];
        if (c == '-' || c == '?') {
            const std::size_t longest = c == '-' ? kLongestAnyRun : 1;
            steps_.push_back({Step::Span, c, longest});
            longestMatch_ += longest;
            continue;
        }
        if (c == '*') {
            steps_.push_back({Step::One, c, 1});
        } else if (c == '\'') {
            steps_.push_back({Step::Optional, c, 1});
        } else if (c == '\\' && i + 1 < term.size()) {
            // An escaped hyphen may be missing from the text; any other escaped character is a
            // literal, wildcard characters included.
            const char escaped = term[++i];
            steps_.push_back({escaped == '-' ? Step::Optional : Step::Literal, escaped, 1});
        } else {
            steps_.push_back({Step::Literal, c, 1});
        }
        ++longestMatch_;
    }
}

// Finds the match that trying every wildcard's spans shortest first would find, without the
// exponential retrying: for each step, from the last to the first, it records where the rest of
// the term ends when started at each text offset, so each (step, offset) pair is settled once.
class CWildcardTerm::Matcher {
public:
    Matcher(const CWildcardTerm& term, std::string_view text, std::size_t start, int wordClass)
        : steps_(term.steps_), text_(text), start_(start), wordClass_(wordClass),
          window_(std::min(text.size() - start, term.longestMatch_)) {}

    std::optional<std::size_t> Run() const {
        // The steps up to the first span have only one way to go.
        std::size_t offset = start_;
        std::size_t first = 0;
        for (; first < steps_.size() && steps_[first].kind != Step::Span; ++first) {
            const auto next = Advance(steps_[first], offset);
            if (!next)
                return std::nullopt;
            offset = *next;
        }
        if (first == steps_.size())
            return EndsWord(offset) ? std::optional(offset - start_) : std::nullopt;

        const std::size_t width = window_ + 1;
        std::vector<std::ptrdiff_t> ends(width);
        for (std::size_t j = 0; j < width; ++j)
            ends[j] = EndsWord(start_ + j) ? static_cast<std::ptrdiff_t>(j) : kNoMatch;
        const std::vector<std::size_t> runs = WordRuns();
        std::vector<std::ptrdiff_t> previous(width);
        for (std::size_t i = steps_.size(); i-- > first;) {
            previous.swap(ends);
            if (steps_[i].kind == Step::Span)
                SettleSpan(steps_[i], runs, previous, ends);
            else
                SettleStep(steps_[i], previous, ends);
        }
        const std::ptrdiff_t end = ends[offset - start_];
        return end == kNoMatch ? std::nullopt : std::optional(static_cast<std::size_t>(end));
    }

private:
    bool EndsWord(std::size_t position) const { return ClassAt(text_, position) != wordClass_; }

    // The offset after a step that is not a span, or nothing when it does not match there.
    std::optional<std::size_t> Advance(const Step& step, std::size_t position) const {
        const bool inText = position < text_.size();
        switch (step.kind) {
        case Step::One:
            if (inText && IsWordOrJoiner(text_, position, wordClass_))
                return position + 1;
            return std::nullopt;
        case Step::Optional:
            return inText && text_[position] == step.c ? position + 1 : position;
        default: {
            if (!inText)
                return std::nullopt;
            const char c = text_[position];
            return (IsAlphaLatin1(c) ? Fold(c) : c) == step.c ? std::optional(position + 1)
                                                              : std::nullopt;
        }
        }
    }

    // For each offset, how many characters from it a wildcard may cover, within the window.
    std::vector<std::size_t> WordRuns() const {
        std::vector<std::size_t> runs(window_ + 1, 0);
        for (std::size_t j = window_; j-- > 0;)
            runs[j] = IsWordOrJoiner(text_, start_ + j, wordClass_) ? runs[j + 1] + 1 : 0;
        return runs;
    }

    void SettleStep(const Step& step, const std::vector<std::ptrdiff_t>& rest,
                    std::vector<std::ptrdiff_t>& ends) const {
        for (std::size_t j = 0; j <= window_; ++j) {
            const auto next = Advance(step, start_ + j);
            ends[j] = next && *next - start_ <= window_ ? rest[*next - start_] : kNoMatch;
        }
    }

    // The shortest span after which the rest of the term matches, found for every offset by one
    // sweep from the right that remembers the nearest offset where the rest matches.
    void SettleSpan(const Step& step, const std::vector<std::size_t>& runs,
                    const std::vector<std::ptrdiff_t>& rest,
                    std::vector<std::ptrdiff_t>& ends) const {
        std::size_t nearest = window_ + 1; // none
        for (std::size_t j = window_ + 1; j-- > 0;) {
            if (rest[j] != kNoMatch)
                nearest = j;
            const bool reachable =
                nearest <= window_ && nearest - j <= std::min(step.longestSpan, runs[j]);
            ends[j] = reachable ? rest[nearest] : kNoMatch;
        }
    }

    const std::vector<Step>& steps_;
    std::string_view text_;
    std::size_t start_;
    int wordClass_;
    std::size_t window_; // no match covers more characters than this
};

bool CWildcardTerm::Match(std::string_view text, std::size_t position, int wordClass,
                          std::size_t& length) const {
    if (position > text.size())
        return false;
    const auto matched = Matcher(*this, text, position, wordClass).Run();
    if (matched)
        length = *matched;
    return matched.has_value();
}

bool MatchWildcard(std::string_view text, std::size_t position, std::string_view foldedTerm,
                   int wordClass, std::size_t& length) {
    return CWildcardTerm(foldedTerm).Match(text, position, wordClass, length);
}

void CTermHighlighter::SetTerms(const std::vector<std::string>& terms) {
    terms_.clear();
    compiled_.clear();
    for (std::string term : terms) {
        std::transform(term.begin(), term.end(), term.begin(), Fold);
        compiled_.emplace_back(term);
        terms_.push_back(std::move(term));
    }
}

int CTermHighlighter::MatchAt(std::string_view text, std::size_t position, int wordClass,
                              std::size_t& length) const {
    for (std::size_t i = 0; i < compiled_.size(); ++i) {
        // A match is never empty, as it starts on a character of the word's class and must end
        // where that class ends; the test keeps the caller's loop moving regardless.
        if (compiled_[i].Match(text, position, wordClass, length) && length > 0)
            return static_cast<int>(i);
    }
    return -1;
}

void CTermHighlighter::SplitText(const std::string& text,
                                 std::vector<CHighlightPiece>& pieces) const {
    pieces.clear();
    std::string plain;
    int previousClass = 0; // none
    for (std::size_t position = 0; position < text.size();) {
        const int charClass = CharClassOf(text[position]);
        std::size_t length = 0;
        if (charClass != previousClass && (charClass == kCharLetter || charClass == kCharDigit) &&
            MatchAt(text, position, charClass, length) >= 0) {
            if (!plain.empty())
                pieces.push_back({0, std::move(plain)});
            plain.clear();
            pieces.push_back({1, text.substr(position, length)});
            position += length;
            previousClass = 0;
            continue;
        }
        plain += text[position++];
        previousClass = charClass;
    }
    if (!plain.empty())
        pieces.push_back({0, std::move(plain)});
}
