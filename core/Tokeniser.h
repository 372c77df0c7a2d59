#pragma once
// Splits a text into tokens at a set of delimiter characters, optionally reading double-quoted
// stretches as one token with backslash escapes inside. Used by the criteria parser, the term,
// class and country lists, the keyword macros and the web-defined registers.

#include <cstddef>
#include <string>

class CTokeniser {
public:
    CTokeniser(std::string text, std::string delimiters, bool honourQuotes = false);
    virtual ~CTokeniser() = default;

    // Keep the double quotes around a quoted token (default off).
    void SetKeepQuotes(bool keep) { keepQuotes_ = keep; }
    // Keep the backslashes of escapes inside quotes (default on).
    void SetKeepEscapes(bool keep) { keepEscapes_ = keep; }

    // The next token. A delimiter met before any other character comes back as a one-character
    // token with *isDelimiter set. At the end of the text the token is empty and the flag clear;
    // a quoted empty value is empty too, so loops test AtEnd() rather than the token.
    std::string NextToken(bool* isDelimiter = nullptr);

    // True when nothing but blanks and tabs remains: the next token would be the end of the text.
    bool AtEnd() const;

    // Index of the next character to read (error positions in class lists).
    std::size_t GetPosition() const { return position_; }

private:
    bool IsDelimiter(char c) const { return delimiters_.find(c) != std::string::npos; }
    void SkipBlanks();
    std::string ReadQuoted();
    std::string ReadPlain(bool* isDelimiter);

    std::string text_;
    std::string delimiters_;
    std::size_t position_ = 0;
    bool honourQuotes_;
    bool keepQuotes_ = false;
    bool keepEscapes_ = true;
};
