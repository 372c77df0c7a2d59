#pragma once
// UTF-8, the encoding of file names, messages and the desktop's texts on this system.

#include <string>
#include <string_view>

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF).
bool IsValidUtf8(std::string_view text);
