#pragma once
// Reader of the list encoding used inside record values: parts are closed by a code, a backslash
// followed by a digit "1"-"9"; a backslash inside a part is written twice. Code "1" closes the
// first part of an item, code "2" a further part.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CTagTokeniser {
public:
    enum class CharKind { End, Plain, Code };

    // The text is not copied: it must outlive the tokeniser.
    explicit CTagTokeniser(std::string_view text) : text_(text) {}
    virtual ~CTagTokeniser() = default;

    // One character: Plain with the character, Code with the code's digit, End at the end.
    // A backslash before anything but a digit or a backslash, or standing last, is plain.
    CharKind ReadChar(char& c);

    // The plain characters up to the next code of any digit, or the end; false at the end.
    bool GetNextPart(std::string& part);

    // One (first, second) pair of a pair list; false at the end.
    bool GetNextPair(std::string& first, std::string& second);

    // One item of an item list: its first part and each further part; false at the end.
    bool GetNextList(std::vector<std::string>& parts);

    bool AtEnd() const { return position_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Appends the part with every backslash doubled, then a backslash and the code character.
void AppendTagged(std::string& text, std::string_view part, char code);
