#include "core/KnownWords.h"

#include "core/Latin1.h"

#include <algorithm>

bool IsKnownWord(std::string_view text) {
    const std::span<const std::string_view> words = KnownWords();
    const auto found = std::lower_bound(words.begin(), words.end(), text, LessNoCaseLatin1);
    return found != words.end() && EqualNoCaseLatin1(text, *found);
}
