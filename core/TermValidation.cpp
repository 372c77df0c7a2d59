#include "core/TermValidation.h"

#include "core/Latin1.h"

#include <strings.h>

namespace {

constexpr std::size_t kMaxTermLength = 15;

std::string TooLongMessage(const std::string& term) {
    return "Term '" + term + "' must be " + std::to_string(kMaxTermLength) + " charcters or less.";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct CharCounts {
    int letters = 0;
    int digits = 0;
    int wildcards = 0;
    int others = 0;
};

CharCounts CountChars(const std::string& term) {
    CharCounts counts;
    for (const char c : term) {
        if (c == ' ')
            continue;
        if (IsAlphaLatin1(c))
            ++counts.letters;
        else if (IsDigit(c))
            ++counts.digits;
        else if (IsWildcardChar(c))
            ++counts.wildcards;
        else
            ++counts.others;
    }
    return counts;
}

bool Reject(std::string& message, std::string text) {
    message = std::move(text);
    return false;
}

// Letters or digits, not both, and nothing else (wildcards only when allowed).
bool CheckCharacterMix(const std::string& term, const CharCounts& counts, bool allowWildcards,
                       std::string& message) {
    if (counts.others > 0 || (!allowWildcards && counts.wildcards > 0))
        return Reject(message, "Term '" + term + "' contains an invalid character.");
    if (counts.letters > 0 && counts.digits > 0)
        return Reject(message, "Term '" + term + "' cannot have mixed letters and numbers.");
    if (counts.letters == 0 && counts.digits == 0)
        return Reject(message, "Term '" + term + "' must have at least one letter or number.");
    return true;
}

// The rules of the quick search and the new-examination sheet: a lone character or an escaped
// one must be searchable, anything longer is checked for its character mix.
bool CheckPlainTerm(const std::string& term, const CharCounts& counts, bool allowWildcards,
                    std::string& message) {
    if (term.size() == 1) {
        const char c = term[0];
        if (c == '-')
            return Reject(message, "Term '-' must have other characters.");
        if (c == '*' || c == '?')
            return Reject(message, std::string("Use '\\") + c + "' to search for '" + c + "'.");
        if (IsSearchableChar(c))
            return true;
        return Reject(message, "Term '" + term + "' cannot be searched.");
    }
    if (term.size() == 2 && term[0] == '\\') {
        if (IsSearchableChar(term[1]))
            return true;
        return Reject(message, "Term '" + term + "' cannot be searched.");
    }
    return CheckCharacterMix(term, counts, allowWildcards, message);
}

bool CheckSearchDialogTerm(const std::string& term, int kind, const CharCounts& counts,
                           std::string& message) {
    switch (kind) {
    case kTermAnagram:
        return CheckCharacterMix(term, counts, true, message);
    case kTermSimilarWord:
        if (counts.others > 0 || counts.digits > 0)
            return Reject(message, "Term '" + term + "' must be alphabetic.");
        if (counts.letters == 0)
            return Reject(message, "Term '" + term + "' must have at least one letter.");
        return true;
    case kTermSimilarMark:
        if (counts.others > 0 || counts.digits > 0)
            return Reject(message, "Term '" + term + "' must be alphabetic.");
        return true;
    case kTermWordMatch:
        return CheckPlainTerm(term, counts, true, message);
    default:
        return true;
    }
}

bool IsStopWord(const std::string& term) {
    static const char* const kStopWords[] = {
        "FOR", "IN", "ALL",  "OF",  "THE",   "OR", "AND", "TO",   "A",   "FROM",  "WITH",
        "AN",  "AS", "THAN", "BUT", "OTHER", "BY", "ANY", "SUCH", "USE", "OTHERS"};
    for (const char* word : kStopWords) {
        if (strcasecmp(term.c_str(), word) == 0)
            return true;
    }
    return false;
}

} // namespace

bool ValidateWordTerm(const std::string& term, int mode, int kind, std::string& message) {
    if (kind == kTermWordMatch && term.size() >= 3 && term.front() == '"' && term.back() == '"')
        return true; // a quoted phrase
    const bool lengthLimited =
        kind == kTermWordMatch || kind == kTermSimilarWord || kind == kTermAnagram;
    if (lengthLimited && term.size() > kMaxTermLength)
        return Reject(message, TooLongMessage(term));
    if (kind == kTermMarkMatch)
        return true;
    const CharCounts counts = CountChars(term);
    switch (mode) {
    case kValidateQuickSearch:
        return CheckPlainTerm(term, counts, false, message);
    case kValidateNewExamination:
        return CheckPlainTerm(term, counts, true, message);
    case kValidateSearchDialog:
        return CheckSearchDialogTerm(term, kind, counts, message);
    default:
        return true;
    }
}

bool ValidateGoodsTerm(const std::string& term, std::string& message) {
    if (term.size() > kMaxTermLength)
        return Reject(message, TooLongMessage(term));
    int letters = 0;
    int digits = 0;
    bool escaped = false;
    for (const char c : term) {
        if (c == '\\') {
            escaped = !escaped;
            continue;
        }
        if (IsAlphaLatin1(c) || c == '\'' || (c == '-' && escaped))
            ++letters;
        else if (IsDigit(c))
            ++digits;
        else if (!escaped && !IsWildcardChar(c))
            return Reject(message,
                          "Term '" + term + "' contains an invalid character '" + c + "'.");
        escaped = false;
    }
    if (letters > 0 && digits > 0)
        return Reject(message, "Term '" + term + "' cannot have mixed letters and numbers.");
    if (letters + digits < 2)
        return Reject(message, "Term '" + term + "' must have at least 2 letters or numbers.");
    if (IsStopWord(term))
        return Reject(message, "Term '" + term + "' is too common for searching.");
    return true;
}

bool IsSearchableChar(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code <= 32 || code == 145 || code == 146 || code == 180)
        return false;
    switch (c) {
    case '-':
    case '"':
    case '\'':
    case '.':
    case ',':
    case ':':
    case ';':
        return false;
    default:
        return true;
    }
}
