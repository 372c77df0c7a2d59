#include "web/DiffText.h"

#include "core/Latin1.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Every byte as the loose comparisons see it: a letter or digit folded to lower case, or 0 for a
// separator. A table, as these run over whole goods lists.
const std::array<char, 256> kFoldedBytes = [] {
    std::array<char, 256> folded{};
    for (int byte = 1; byte < 256; ++byte)
        if (const char c = static_cast<char>(byte); IsAlnumLatin1(c))
            folded[byte] = ToLowerLatin1(c);
    return folded;
}();

char Folded(char c) {
    return kFoldedBytes[static_cast<unsigned char>(c)];
}

// LooseCompare, optionally equal once `a` reaches its second backslash.
int CompareLoosely(std::string_view a, std::string_view b, bool firstTwoLinesOfA) {
    std::size_t i = 0;
    std::size_t j = 0;
    int backslashes = 0;
    // Skips a run of separators in `a`; true when it reached the line that no longer counts.
    const auto skipA = [&] {
        for (; i < a.size() && !Folded(a[i]); ++i)
            if (firstTwoLinesOfA && a[i] == '\\' && ++backslashes == 2)
                return true;
        return false;
    };
    const auto skipB = [&] {
        while (j < b.size() && !Folded(b[j]))
            ++j;
    };
    if (skipA())
        return 0;
    skipB();
    while (i < a.size() && j < b.size()) {
        const char foldedA = Folded(a[i]);
        const char foldedB = Folded(b[j]);
        if (foldedA && foldedB) {
            if (foldedA != foldedB)
                return 1;
            ++i;
            ++j;
        } else if (foldedA || foldedB) {
            return 1;
        } else {
            if (skipA())
                return 0;
            skipB();
        }
    }
    if (skipA())
        return 0;
    skipB();
    return i == a.size() && j == b.size() ? 0 : 1;
}

} // namespace

std::string FoldWhiteSpace(std::string_view text) {
    std::string folded;
    int blanks = 0;
    int lineBreaks = 0;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            ++blanks;
        } else if (c == '\r' || c == '\n') {
            ++lineBreaks;
        } else {
            if (lineBreaks > 0 && !folded.empty())
                folded += lineBreaks == 1 ? ' ' : '\\';
            else if (blanks > 0 && !folded.empty())
                folded += ' ';
            folded += c;
            blanks = lineBreaks = 0;
        }
    }
    return folded;
}

int LooseCompare(std::string_view a, std::string_view b) {
    return CompareLoosely(a, b, false);
}

int LooseCompareFirstTwoLines(std::string_view a, std::string_view b) {
    return CompareLoosely(a, b, true);
}

int CompareWordMark(std::string_view have, std::string_view should) {
    if (EqualNoCaseLatin1(have, should))
        return 0;
    std::string lines(have);
    std::replace(lines.begin(), lines.end(), '/', '\\');
    if (EqualNoCaseLatin1(lines, should))
        return 0;
    return CompareLineSets(have, should);
}

int CompareLineSets(std::string_view a, std::string_view b) {
    std::vector<std::string> left = SplitLines(a);
    std::vector<std::string> right = SplitLines(b);
    for (auto line = left.begin(); line != left.end();) {
        const auto match = std::find_if(right.begin(), right.end(), [&](const std::string& other) {
            return EqualNoCaseLatin1(*line, other);
        });
        if (match == right.end()) {
            ++line;
            continue;
        }
        right.erase(match);
        line = left.erase(line);
    }
    return left.empty() && right.empty() ? 0 : 1;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\\', start), text.size());
        if (const std::string_view line = TrimWhite(text.substr(start, end - start)); !line.empty())
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SplitWords(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (IsWhiteChar(c) || delimiters.find(c) != std::string_view::npos) {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

int CompareWordLists(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return a == b ? 0 : 1;
}

int CompareStringLists(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return CompareWordLists(a, b);
}

int NumberValue(std::string_view text) {
    return std::atoi(std::string(text).c_str());
}

bool AlnumsInOrder(std::string_view part, std::string_view whole, std::size_t* matched) {
    std::size_t count = 0;
    std::size_t at = 0;
    bool all = true;
    for (const char c : part) {
        const char wanted = Folded(c);
        if (!wanted)
            continue;
        while (at < whole.size() && Folded(whole[at]) != wanted)
            ++at;
        if (at == whole.size()) {
            all = false;
            break;
        }
        ++at;
        ++count;
    }
    if (matched)
        *matched = count;
    return all;
}
