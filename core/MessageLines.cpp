#include "core/MessageLines.h"

#include <vector>

namespace {

constexpr std::string_view kSeparators = "/\\";

// The line split at its blanks, but for those inside a path's name: between one of its
// separators and the next.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t blank = line.find(' '); blank != std::string_view::npos;
         blank = line.find(' ', blank + 1)) {
        const std::string_view word = line.substr(start, blank - start);
        if (word.find_first_of(kSeparators) != std::string_view::npos &&
            line.find_first_of(kSeparators, blank) != std::string_view::npos)
            continue;
        words.push_back(word);
        start = blank + 1;
    }
    words.push_back(line.substr(start));
    return words;
}

// The pieces of a word that a line may end after: up to and with each separator that follows a
// name, so that a root's separator stays with the name after it.
std::vector<std::string_view> PathPieces(std::string_view word) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t separator = word.find_first_of(kSeparators, 1);
         separator != std::string_view::npos;
         separator = word.find_first_of(kSeparators, separator + 1)) {
        if (word[separator - 1] == ' ')
            continue;
        pieces.push_back(word.substr(start, separator + 1 - start));
        start = separator + 1;
    }
    if (start < word.size())
        pieces.push_back(word.substr(start));
    return pieces;
}

// Sets one line of the text (without line ends) into lines of the width.
class CLineSetter {
public:
    CLineSetter(int width, const TextMeasure& measure) : width_(width), measure_(measure) {}

    void AddWord(std::string_view word) {
        if (measure_(word) <= width_) {
            AddPiece(word, true);
            return;
        }
        bool first = true;
        for (std::string_view piece : PathPieces(word)) {
            AddPiece(piece, first);
            first = false;
        }
    }

    std::string Finish() && { return std::move(text_) + line_; }

private:
    // The piece goes on this line when it fits there, else it starts the next; the blank
    // before a word is dropped at a line's end.
    void AddPiece(std::string_view piece, bool afterBlank) {
        if (!started_) {
            line_ = piece;
            started_ = true;
            return;
        }
        std::string longer = line_;
        if (afterBlank)
            longer += ' ';
        longer += piece;
        if (measure_(longer) <= width_) {
            line_ = std::move(longer);
            return;
        }
        text_ += line_ + '\n';
        line_ = piece;
    }

    int width_;
    const TextMeasure& measure_;
    std::string text_;
    std::string line_;
    bool started_ = false;
};

std::string SetLine(std::string_view line, int width, const TextMeasure& measure) {
    CLineSetter setter(width, measure);
    for (std::string_view word : Words(line))
        setter.AddWord(word);
    return std::move(setter).Finish();
}

} // namespace

std::string BreakMessageLines(std::string_view text, int width, const TextMeasure& measure) {
    std::string lines;
    while (true) {
        const std::size_t end = text.find('\n');
        lines += SetLine(text.substr(0, end), width, measure);
        if (end == std::string_view::npos)
            return lines;
        lines += '\n';
        text.remove_prefix(end + 1);
    }
}
