#pragma once
// The text exception of the examination file and of marks from the clipboard: thrown for data
// this program cannot take, carrying the message that the user is shown.

#include <stdexcept>
#include <string>

class CTextException : public std::runtime_error {
public:
    explicit CTextException(const std::string& text) : std::runtime_error(text) {}
};
