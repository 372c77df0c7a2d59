#pragma once
// The checks the dialogs make of what was typed into their fields.

#include <string>
#include <string_view>

// A whole number typed into a field: "" with the number, else the message that refuses the
// text ("Please enter an integer.", "Please enter an integer between 0 and 99.").
std::string ReadIntField(std::string_view text, int& value);
std::string ReadIntField(std::string_view text, int min, int max, int& value);
