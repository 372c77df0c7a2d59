#pragma once
// Cuts an HTML text into a flat stream of tokens. Forgiving: it never fails, never checks
// nesting and takes any bytes. Quotes do not protect ">": the first ">" ends a tag.

#include "web/HtmlSource.h"
#include "web/HtmlToken.h"

#include <array>

class CHtmlParser {
public:
    static constexpr std::size_t kBlockSize = 4096;

    explicit CHtmlParser(IHtmlSource& source) : source_(source) {}
    CHtmlParser(const CHtmlParser&) = delete;
    CHtmlParser& operator=(const CHtmlParser&) = delete;

    // Fills the token with the next one; false only when no byte at all was left for it. Input
    // that ends right after "<" or "<!" gives a last token of kind none with those characters.
    bool NextToken(CHtmlToken& token);

private:
    // At least one unread byte in the buffer; false at the end of the source.
    bool Fill();
    bool ReadByte(char& c);
    // Appends bytes up to (not including) the next "<", or to the end.
    void AppendText(std::string& text);
    // Appends bytes through the next `stop`; false when the input ended first.
    bool AppendThrough(std::string& text, char stop);
    // A comment, after "<!-": runs to a ">" that follows two dashes read after that point.
    void AppendComment(std::string& text);

    IHtmlSource& source_;
    std::array<char, kBlockSize> buffer_{};
    std::size_t position_ = 0;
    std::size_t length_ = 0;
};
