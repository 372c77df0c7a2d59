#pragma once
// The text exception of the examination file, of marks from the clipboard and of report files:
// thrown for data this program cannot take or files it cannot read or write, carrying the
// message that the user is shown.

#include <stdexcept>
#include <string>

class CTextException : public std::runtime_error {
public:
    explicit CTextException(const std::string& text) : std::runtime_error(text) {}
};
