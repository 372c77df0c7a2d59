#include "testsvc/data/TermMatch.h"

#include <algorithm>
#include <cctype>

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IsWordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 128 || std::isalnum(u);
}

} // namespace

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = Upper(c);
    return upper;
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (IsWordChar(c)) {
            word += Upper(c);
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

CTermPattern::CTermPattern(std::string_view term) {
    for (std::size_t i = 0; i < term.size(); ++i) {
        const char c = term[i];
        if (c == '\\' && i + 1 < term.size()) {
            const char literal = Upper(term[++i]);
            elements_.push_back({Kind::Literal, literal});
            letters_ += literal;
        } else if (c == '-' || c == '*' || c == '?') {
            elements_.push_back({c == '-'   ? Kind::AnyRun
                                 : c == '*' ? Kind::One
                                            : Kind::OneOrNone,
                                 0});
            hasWildcards_ = true;
        } else {
            elements_.push_back({Kind::Literal, Upper(c)});
            letters_ += Upper(c);
        }
    }
}

bool CTermPattern::Matches(std::string_view text) const {
    return Match(text, false);
}

bool CTermPattern::Occurs(std::string_view text) const {
    return Match(text, true);
}

bool CTermPattern::Match(std::string_view text, bool anywhere) const {
    // reachable[j]: the elements so far can match the text up to its j-th character, from its
    // start or, anywhere, from any position.
    std::vector<char> reachable(text.size() + 1, anywhere ? 1 : 0), next(text.size() + 1);
    reachable[0] = 1;
    for (const Element& element : elements_) {
        std::fill(next.begin(), next.end(), 0);
        for (std::size_t j = 0; j <= text.size(); ++j) {
            if (!reachable[j])
                continue;
            switch (element.kind) {
            case Kind::Literal:
                if (j < text.size() && Upper(text[j]) == element.c)
                    next[j + 1] = 1;
                break;
            case Kind::One:
                if (j < text.size())
                    next[j + 1] = 1;
                break;
            case Kind::OneOrNone:
                next[j] = 1;
                if (j < text.size())
                    next[j + 1] = 1;
                break;
            case Kind::AnyRun:
                for (std::size_t k = j; k <= text.size(); ++k)
                    next[k] = 1;
                break;
            }
        }
        reachable.swap(next);
    }
    if (anywhere)
        return std::find(reachable.begin(), reachable.end(), 1) != reachable.end();
    return reachable[text.size()] != 0;
}
