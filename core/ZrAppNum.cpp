#include "core/ZrAppNum.h"

#include <algorithm>
#include <boost/regex.hpp>
#include <limits>
#include <stdexcept>

namespace {

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* prefix) {
    for (std::size_t i = 0; prefix[i]; ++i) {
        if (at + i >= text.size() || Upper(text[at + i]) != prefix[i])
            return false;
    }
    return true;
}

// Length of the prefix letters at the start of a number: B, M, D and every letter after it,
// IR, TMA; 0 when there is none.
std::size_t PrefixLength(const std::string& text, std::size_t at) {
    if (at >= text.size())
        return 0;
    switch (Upper(text[at])) {
    case 'B':
    case 'M':
        return 1;
    case 'D': {
        std::size_t end = at + 1;
        while (end < text.size() && IsAsciiLetter(text[end]))
            ++end;
        return end - at;
    }
    default:
        if (StartsWithNoCase(text, at, "IR"))
            return 2;
        if (StartsWithNoCase(text, at, "TMA"))
            return 3;
        return 0;
    }
}

} // namespace

bool CZrAppNum::SetText(const std::string& text) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    text_ = text.substr(start);
    if (!text_.empty() && text_[0] == '!')
        return true;

    std::size_t i = PrefixLength(text_, 0);
    int digits = 0;
    int slashes = 0;
    int dashes = 0;
    for (; i < text_.size(); ++i) {
        const char c = text_[i];
        if (IsAsciiDigit(c))
            ++digits;
        else if (c == '/')
            ++slashes;
        else if (c == '-' || c == '_')
            ++dashes;
        else if (c != ',')
            break;
    }
    while (i < text_.size() && text_[i] == ' ')
        ++i;
    while (i < text_.size() && IsAsciiLetter(text_[i]))
        ++i;
    while (i < text_.size() && text_[i] == ' ')
        ++i;
    return i == text_.size() && digits > 0 && slashes <= 1 && dashes <= 1;
}

std::uint64_t CZrAppNum::GetNumber() const {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t number = 0;
    for (const char c : text_) {
        if (!IsAsciiDigit(c))
            continue;
        const unsigned digit = static_cast<unsigned>(c - '0');
        number = number > (kMax - digit) / 10 ? kMax : number * 10 + digit;
    }
    return number;
}

struct CAppNumPatterns::CCompiled {
    std::vector<boost::regex> expressions;
};

CAppNumPatterns::CAppNumPatterns(const std::vector<std::string>& patterns)
    : compiled_(std::make_unique<CCompiled>()) {
    for (const std::string& pattern : patterns) {
        try {
            compiled_->expressions.emplace_back(pattern, boost::regex::perl | boost::regex::icase);
        } catch (const boost::regex_error&) {
            // A pattern that does not compile cannot vouch for any number.
        }
    }
}

CAppNumPatterns::CAppNumPatterns(CAppNumPatterns&&) noexcept = default;
CAppNumPatterns& CAppNumPatterns::operator=(CAppNumPatterns&&) noexcept = default;
CAppNumPatterns::~CAppNumPatterns() = default;

bool CAppNumPatterns::MatchesAny(const std::string& text) const {
    return std::any_of(compiled_->expressions.begin(), compiled_->expressions.end(),
                       [&text](const boost::regex& expression) {
                           try {
                               return boost::regex_match(text, expression);
                           } catch (const std::runtime_error&) {
                               // A match too complex to finish.
                               return false;
                           }
                       });
}

bool MatchesAppNumPattern(const std::string& text, const std::string& pattern) {
    return CAppNumPatterns({pattern}).MatchesAny(text);
}

bool IsAcceptedAppNum(const std::string& text, const CAppNumPatterns& registerPatterns) {
    return CZrAppNum().SetText(text) || registerPatterns.MatchesAny(text);
}
