#pragma once
// One entry of a string finder's list: a text found in the registers' indexes, where in the text
// the part the list is ordered by begins, a count and the codes of the registers that hold it.

#include <string>
#include <string_view>
#include <utility>

class CFoundString {
public:
    CFoundString() = default;
    CFoundString(std::string text, int position, int count, char code)
        : text_(std::move(text)), position_(position), count_(count), codes_(1, code) {}
    CFoundString(const CFoundString&) = default;
    CFoundString& operator=(const CFoundString&) = default;
    virtual ~CFoundString() = default;

    // The codes become those held by either entry: the built-in registers in their fixed order,
    // then any other register (web-defined, training) in the order first met.
    void AddCodes(const CFoundString& other);
    // Puts the prefix before the text; the position moves with the text.
    void Prepend(std::string_view prefix);

    const std::string& GetText() const { return text_; }
    int GetPosition() const { return position_; }
    int GetCount() const { return count_; }
    const std::string& GetCodes() const { return codes_; }

private:
    std::string text_;
    int position_ = -1;
    int count_ = 0;
    std::string codes_;
};
