#include "core/Tokeniser.h"

#include <utility>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

CTokeniser::CTokeniser(std::string text, std::string delimiters, bool honourQuotes)
    : text_(std::move(text)), delimiters_(std::move(delimiters)), honourQuotes_(honourQuotes) {}

std::string CTokeniser::NextToken(bool* isDelimiter) {
    if (isDelimiter)
        *isDelimiter = false;
    SkipBlanks();
    if (position_ >= text_.size())
        return {};
    if (honourQuotes_ && text_[position_] == '"')
        return ReadQuoted();
    return ReadPlain(isDelimiter);
}

bool CTokeniser::AtEnd() const {
    for (std::size_t i = position_; i < text_.size(); ++i) {
        if (!IsBlank(text_[i]))
            return false;
    }
    return true;
}

void CTokeniser::SkipBlanks() {
    while (position_ < text_.size() && IsBlank(text_[position_]))
        ++position_;
}

// Reads from the opening quote to the closing one, or to the end of the text when it is missing.
std::string CTokeniser::ReadQuoted() {
    std::string token;
    if (keepQuotes_)
        token += '"';
    ++position_;
    while (position_ < text_.size()) {
        const char c = text_[position_++];
        if (c == '"') {
            if (keepQuotes_)
                token += '"';
            break;
        }
        if (c == '\\' && position_ < text_.size()) {
            // The escaped character is taken whatever it is, so \" does not end the token.
            if (keepEscapes_)
                token += '\\';
            token += text_[position_++];
        } else {
            // A backslash standing last escapes nothing and stays as it is.
            token += c;
        }
    }
    return token;
}

std::string CTokeniser::ReadPlain(bool* isDelimiter) {
    const std::size_t start = position_;
    if (IsDelimiter(text_[position_])) {
        if (isDelimiter)
            *isDelimiter = true;
        return text_.substr(position_++, 1);
    }
    while (position_ < text_.size() && !IsDelimiter(text_[position_]))
        ++position_;
    return text_.substr(start, position_ - start);
}
