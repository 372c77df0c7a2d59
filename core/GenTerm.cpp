#include "core/GenTerm.h"

#include "core/Latin1.h"

#include <algorithm>

namespace {

// The engines' "Word Finder" list, and how many of its entries each engine sends at a time.
constexpr int kWordFinderMode = 5;
constexpr int kFinderPageSize = 128;
// Longest word searched for as written; a longer one is searched for as its beginning.
constexpr std::size_t kMaxWordLength = 14;
// All tokens together are given this many similar strings.
constexpr int kFoundStringBudget = 32;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWildcard(char c) {
    return c == '*' || c == '-' || c == '?';
}

// The length of the token at the start of the text.
std::size_t TokenLength(std::string_view text) {
    const char first = text.front();
    if (IsLetter(first) || IsDigit(first)) {
        const bool letters = IsLetter(first);
        std::size_t length = 1;
        while (length < text.size() && (letters ? IsLetter(text[length]) : IsDigit(text[length])))
            ++length;
        return length;
    }
    return first == '\\' && text.size() > 1 ? 2 : 1;
}

// The word a token is searched as: a wildcard standing alone is escaped, so that it is looked
// for as itself; a long word keeps its beginning followed by the match-any wildcard.
std::string WordOf(const std::string& token) {
    if (token.size() == 1 && IsWildcard(token.front()))
        return "\\" + token;
    if (token.size() > kMaxWordLength)
        return token.substr(0, kMaxWordLength) + "-";
    return token;
}

std::string PatternOf(const std::string& group) {
    const bool atStart = group.front() == '(';
    const bool atEnd = group.back() == ')';
    const std::string letters = LowerCaseLatin1(
        std::string_view(group).substr(atStart ? 1 : 0, group.size() - atStart - atEnd));
    return (atStart ? "" : "-") + letters + (atEnd ? "" : "-");
}

} // namespace

int CGenTerm::SetTerm(std::string_view term, CMergedStringSource& finders) {
    tokens_.clear();
    words_.clear();
    patterns_.clear();
    foundStrings_.clear();
    offered_ = 0;
    Tokenise(term);
    Expand(finders);
    return offered_;
}

void CGenTerm::Tokenise(std::string_view term) {
    const auto skipBlanks = [&term] {
        while (!term.empty() && term.front() == ' ')
            term.remove_prefix(1);
    };
    skipBlanks();
    while (!term.empty() && tokens_.size() < kMaxTokens) {
        const std::size_t length = TokenLength(term);
        std::string token(term.substr(0, length));
        term.remove_prefix(length);
        // A wildcard that ends a word stands for the character itself.
        if (length == 1 && IsWildcard(token.front()) && (term.empty() || term.front() == ' '))
            token.insert(0, "\\");
        tokens_.push_back(LowerCaseLatin1(token.substr(0, kMaxTokenLength)));
        skipBlanks();
    }
}

void CGenTerm::Expand(CMergedStringSource& finders) {
    AddWords();
    for (const std::string& token : tokens_) {
        if (!IsLetter(token.front()) && !IsDigit(token.front()))
            continue;
        groups_.Find(token);
        if (IsLetter(token.front()))
            AddFoundStrings(token, finders);
        AddPatterns();
    }
}

void CGenTerm::AddWords() {
    for (const std::string& token : tokens_)
        Offer(words_, WordOf(token));
    for (std::size_t i = 1; i < tokens_.size(); ++i)
        Offer(words_, WordOf(tokens_[i - 1]) + " " + WordOf(tokens_[i]));
    for (std::size_t i = 1; i < tokens_.size(); ++i) {
        const std::string& first = tokens_[i - 1];
        const std::string& second = tokens_[i];
        const bool sameKind = (IsLetter(first.front()) && IsLetter(second.front())) ||
                              (IsDigit(first.front()) && IsDigit(second.front()));
        if (sameKind && first.size() + second.size() <= kMaxWordLength)
            Offer(words_, first + second);
    }
}

void CGenTerm::AddFoundStrings(const std::string& token, CMergedStringSource& finders) {
    const std::unique_ptr<CMergedStringList> merged =
        finders.OpenMerge(UpperCaseLatin1(token), kWordFinderMode, kFinderPageSize);
    if (!merged)
        return;
    int budget = kFoundStringBudget / static_cast<int>(tokens_.size());
    CFoundString entry;
    for (bool more = merged->GetAt(0, entry); more && budget > 0; more = merged->MergeNext(entry)) {
        const std::string& text = entry.GetText();
        const std::string form = "(" + UpperCaseLatin1(text.substr(0, kMaxWordLength)) + ")";
        if (groups_.AnyOccursIn(form) || EqualNoCaseLatin1(text, token))
            continue;
        Offer(foundStrings_, text);
        --budget;
    }
}

void CGenTerm::AddPatterns() {
    for (const std::string& group : groups_.GetGroups())
        if (group.front() != '(' || group.back() != ')')
            Offer(patterns_, PatternOf(group));
}

void CGenTerm::Offer(std::vector<std::string>& list, std::string_view text) {
    ++offered_;
    std::string lowered = LowerCaseLatin1(text);
    if (std::find(list.begin(), list.end(), lowered) == list.end())
        list.push_back(std::move(lowered));
}
