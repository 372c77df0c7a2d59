#include "search/FinderOrder.h"

#include "core/Latin1.h"

#include <algorithm>

namespace {

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
    const std::size_t split = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(entry.GetPosition(), 0)), text.size());
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

CKeyedString CFinderOrder::MakeKeyed(CFoundString entry) const {
    const bool byText = mode_ == kViennaByCode || mode_ == kWordIndex || mode_ == kWordFinder;
    std::string key = byText ? LowerCaseLatin1(entry.GetText()) : MakeFinderSortKey(entry);
    return {std::move(entry), std::move(key)};
}

int CFinderOrder::Compare(const CKeyedString& a, const CKeyedString& b) const {
    const CFoundString& x = a.entry;
    const CFoundString& y = b.entry;
    // Keys compare their bytes as unsigned characters.
    switch (mode_) {
    case kViennaByCode:
        if (const int byCount = CompareValues(x.GetCount(), y.GetCount()))
            return byCount;
        return a.key.compare(b.key);
    case kWordIndex:
        return a.key.compare(b.key);
    case kWordFinder:
        if (const int byPosition = CompareValues(y.GetPosition(), x.GetPosition()))
            return byPosition;
        return a.key.compare(b.key);
    default:
        if (const int byKey = a.key.compare(b.key))
            return byKey;
        return CompareValues(x.GetPosition(), y.GetPosition());
    }
}
