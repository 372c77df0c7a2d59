#pragma once
// The class fields of the search pages and the new-examination wizard take class lists with
// keyword macros (".food, 43"). The macros are expanded before the text is read, and a field
// that loses the focus shows its list in compact form.

#include <string>

class CUserOptions;

// The text with its keywords replaced by their class definitions; false when a keyword is
// unknown (the output then keeps it as typed).
bool ExpandClassMacros(const CUserOptions& options, const std::string& text, std::string& expanded);

// The compact class list ("9,35-38") of a field's text when its macros expand and the result
// reads as a class list; otherwise the text as typed.
std::string ReformatClassField(const CUserOptions& options, const std::string& text);
