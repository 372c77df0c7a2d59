#pragma once
// The lines of a message box's text. The text breaks between words where a line would grow
// wider than the box allows; a word wider than a whole line, such as a file's path, breaks only
// after one of its separators, so that no name is ever cut in two. A name wider than a line
// stands alone on its line, whole.

#include <functional>
#include <string>
#include <string_view>

// The width of a piece of text as the box shows it.
using TextMeasure = std::function<int(std::string_view text)>;

// The text with line ends put in; its own line ends stay.
std::string BreakMessageLines(std::string_view text, int width, const TextMeasure& measure);
