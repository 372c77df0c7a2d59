#include "web/PageText.h"

#include "core/Latin1.h"

#include <algorithm>

std::string_view TrimChars(std::string_view text, std::string_view characters) {
    const std::size_t first = text.find_first_not_of(characters);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

std::string_view TrimEnd(std::string_view text, std::string_view characters) {
    // No character left: npos + 1 is 0.
    return text.substr(0, text.find_last_not_of(characters) + 1);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    const auto same = [](char a, char b) { return ToLowerLatin1(a) == ToLowerLatin1(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualNoCaseLatin1(text.substr(text.size() - suffix.size()), suffix);
}

void AppendSpaced(std::string& text, std::string_view piece) {
    if (!text.empty() && text.back() != ' ' && text.back() != '\n')
        text += ' ';
    text += piece;
}
