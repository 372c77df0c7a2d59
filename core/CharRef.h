#pragma once
// HTML character references in record and page text: "&amp;", "&#65;", "&#x41;", "&eacute;".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Decodes the reference at the start of the text, which is positioned at its "&". The name runs
// up to ";" or the end of the text: all digits (with or without "#") give a decimal code, "#x"
// and hexadecimal digits a hexadecimal one, else an entity name of the Latin-1 table. Returns the
// characters the reference occupies (the ";" included) with its code in `code`, or 0 when the
// text holds no reference this decoder knows (the "&" is then an ordinary character).
std::size_t DecodeCharRef(std::string_view text, std::uint16_t& code);

// The text with every reference that decodes to a code from 1 to 255 replaced by that byte; any
// other "&" is copied as it stands.
std::string DecodeCharRefs(std::string_view text);
