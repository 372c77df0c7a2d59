#pragma once
// Base64 text (standard alphabet, "=" padding, no line breaks), as the stored login password
// is kept.

#include "core/Buffer.h"

#include <cstddef>
#include <string>
#include <string_view>

std::string Base64Encode(const void* bytes, std::size_t length);

// Decodes the text into `out`. False, with `out` empty, for a text whose length is not a multiple
// of 4, a character outside the alphabet, misplaced padding, or a buffer that cannot grow. An
// empty text decodes to nothing.
bool Base64Decode(std::string_view text, CBuffer& out);
