#pragma once
// Text collected from scraped pieces with white space folded: leading white space dropped, every
// run of white characters one blank, trailing white space held back until more text follows.

#include <cstdint>
#include <string>
#include <string_view>

class CCleanString {
public:
    CCleanString() = default;
    explicit CCleanString(std::string_view text) { Append(text); }
    CCleanString(const CCleanString&) = default;
    CCleanString& operator=(const CCleanString&) = default;
    virtual ~CCleanString() = default;

    void SetText(std::string_view text);
    // Pieces after the first are separated by one blank, except before a leading comma.
    void Append(std::string_view text);

    // The names the page parsers use for the same operations on their text types.
    void SetCString(std::string_view text) { SetText(text); }
    void SetStdString(const std::string& text) { SetText(text); }
    void AppendCString(std::string_view text) { Append(text); }
    void AppendClean(const CCleanString& other) { Append(other.text_); }

    const std::string& GetText() const { return text_; }
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { SetText({}); }

private:
    std::string text_;
    std::uint32_t pendingWhite_ = 0;
};
