#pragma once
// One token of an HTML text: a start tag, an end tag, a declaration or comment, or text, with
// its raw characters exactly as read ("<" and ">" included for tags). Texts are 8-bit; names are
// compared without regard to case.

#include "web/NameValuePairs.h"

#include <string>
#include <string_view>

class CHtmlToken {
public:
    enum Kind : int { kNone = 0, kStartTag = 1, kEndTag = 2, kDeclaration = 3, kText = 4 };

    Kind GetKind() const { return kind_; }
    const std::string& GetRawText() const { return text_; }

    // For tags, the run of letters, digits and "-" right after "<" or "</" (case kept); else "".
    std::string_view GetTagName() const;
    // A start or end tag of that name (ignoring case).
    bool IsStartTag(std::string_view name) const;
    bool IsEndTag(std::string_view name) const;

    // The raw text with its character references decoded.
    std::string GetText() const;

    // The attributes of a start tag in order, duplicates kept, values decoded; none for other
    // kinds. Names are runs of letters, digits, "-", "_", ":" and "."; values quoted with " or '
    // run to the matching quote, unquoted ones to white space.
    NameValuePairs GetAttributes() const;
    // Whether the start tag has the attribute (ignoring case); the first one's value goes to
    // `value` when given.
    bool GetAttribute(std::string_view name, std::string* value) const;
    // The first value of the attribute, "" when absent.
    std::string GetAttribute(std::string_view name) const;

private:
    friend class CHtmlParser;

    // Calls visit(name, raw value) for each attribute until it returns true.
    template <typename Visit>
    void VisitAttributes(Visit visit) const;

    Kind kind_ = kNone;
    std::string text_;
};
