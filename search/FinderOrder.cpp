#include "search/FinderOrder.h"

#include "core/Latin1.h"

#include <algorithm>

namespace {

int CompareNoCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(ToLowerLatin1(a[i]));
        const auto y = static_cast<unsigned char>(ToLowerLatin1(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename T>
int CompareValues(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Letters and digits in capitals without accents, "&" as the word AND, and every run of other
// characters after a word as one blank.
void AppendWords(std::string& key, std::string_view text, bool closeWord) {
    bool inWord = false;
    for (const char c : text) {
        if (IsAlnumLatin1(c)) {
            key += ToUpperLatin1(StripAccentLatin1(c));
            inWord = true;
        } else if (c == '&') {
            if (inWord)
                key += ' ';
            key += "AND";
            inWord = true;
        } else if (inWord) {
            key += ' ';
            inWord = false;
        }
    }
    if (closeWord && inWord)
        key += ' ';
}

void AppendCapitals(std::string& key, std::string_view text) {
    for (const char c : text)
        key += ToUpperLatin1(c);
}

} // namespace

std::string MakeFinderSortKey(const CFoundString& entry) {
    const std::string_view text = entry.GetText();
    const std::size_t split =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(entry.GetPosition(), 0)),
                              text.size());
    const std::string_view head = text.substr(0, split);
    const std::string_view tail = text.substr(split);
    std::string key;
    key.reserve(2 * text.size() + 8);
    AppendWords(key, tail, true);
    key += ' ';
    AppendWords(key, head, false);
    key += '\x01';
    AppendCapitals(key, tail);
    AppendCapitals(key, head);
    return key;
}

bool CFinderOrder::UsesSortKey() const {
    return mode_ != kViennaByCode && mode_ != kWordIndex && mode_ != kWordFinder;
}

CKeyedString CFinderOrder::MakeKeyed(CFoundString entry) const {
    std::string key = UsesSortKey() ? MakeFinderSortKey(entry) : std::string();
    return {std::move(entry), std::move(key)};
}

int CFinderOrder::Compare(const CKeyedString& a, const CKeyedString& b) const {
    const CFoundString& x = a.entry;
    const CFoundString& y = b.entry;
    switch (mode_) {
    case kViennaByCode:
        if (const int byCount = CompareValues(x.GetCount(), y.GetCount()))
            return byCount;
        return CompareNoCase(x.GetText(), y.GetText());
    case kWordIndex:
        return CompareNoCase(x.GetText(), y.GetText());
    case kWordFinder:
        if (const int byPosition = CompareValues(y.GetPosition(), x.GetPosition()))
            return byPosition;
        return CompareNoCase(x.GetText(), y.GetText());
    default:
        // std::string compares its bytes as unsigned characters.
        if (const int byKey = a.key.compare(b.key))
            return byKey;
        return CompareValues(x.GetPosition(), y.GetPosition());
    }
}
