#include "testsvc/data/FinderLists.h"

#include "testsvc/data/TermMatch.h"
#include "testsvc/data/Vocabulary.h"

#include <algorithm>
#include <map>

namespace {

// Upper-case comparison, as the client orders word and name lists.
bool TextBefore(const FinderEntry& a, const FinderEntry& b) {
    return UpperAscii(a.text) < UpperAscii(b.text);
}

std::vector<FinderEntry> CountedTexts(const std::map<std::string, std::uint32_t>& counts) {
    std::vector<FinderEntry> entries;
    for (const auto& [text, count] : counts)
        entries.push_back({0, count, text});
    std::sort(entries.begin(), entries.end(), TextBefore);
    return entries;
}

std::map<std::string, std::uint32_t> WordCounts(const CTestRegisterData& data) {
    const std::vector<std::string>& words = CVocabulary::Get().Words();
    std::vector<std::uint32_t> counts(words.size());
    for (const TestMark& mark : data.Marks()) {
        for (std::uint8_t i = 0; i < mark.wordCount; ++i)
            if (std::find(mark.words.begin(), mark.words.begin() + i, mark.words[i]) ==
                mark.words.begin() + i)
                ++counts[mark.words[i]];
    }
    std::map<std::string, std::uint32_t> result;
    for (std::size_t i = 0; i < words.size(); ++i)
        if (counts[i])
            result[words[i]] = counts[i];
    return result;
}

std::map<std::string, std::uint32_t> PartyCounts(const CTestRegisterData& data, bool agents) {
    const CVocabulary& vocabulary = CVocabulary::Get();
    std::map<std::string, std::uint32_t> result;
    for (const TestMark& mark : data.Marks()) {
        if (!agents)
            ++result[vocabulary.Owners()[mark.owner].name];
        else if (mark.agent >= 0)
            ++result[vocabulary.Agents()[mark.agent].name];
    }
    return result;
}

std::vector<FinderEntry> ViennaEntries(bool byCode) {
    std::vector<FinderEntry> entries;
    for (const ViennaCode& code : CVocabulary::Get().Vienna())
        entries.push_back(
            {0, code.Packed(), byCode ? code.Text() + " " + code.description : code.description});
    if (byCode)
        std::sort(entries.begin(), entries.end(),
                  [](const FinderEntry& a, const FinderEntry& b) { return a.count < b.count; });
    else
        std::sort(entries.begin(), entries.end(), TextBefore);
    return entries;
}

std::vector<FinderEntry> LocarnoEntries(bool byCode) {
    std::vector<FinderEntry> entries;
    for (const LocarnoClass& code : CVocabulary::Get().Locarno()) {
        const std::string prefix = code.Text() + " ";
        entries.push_back({byCode ? 0u : static_cast<std::uint32_t>(prefix.size()), code.Packed(),
                           prefix + code.english});
    }
    if (byCode) {
        std::sort(entries.begin(), entries.end(),
                  [](const FinderEntry& a, const FinderEntry& b) { return a.count < b.count; });
    } else {
        std::sort(entries.begin(), entries.end(), [](const FinderEntry& a, const FinderEntry& b) {
            return UpperAscii(a.text.substr(a.position)) < UpperAscii(b.text.substr(b.position));
        });
    }
    return entries;
}

// Packed BCD of a code text ("26.4", "6-1"), for locating in a code-ordered list.
std::uint32_t PackedCode(const std::string& text, int levels) {
    std::uint32_t packed = 0;
    int level = 0, value = -1;
    auto close = [&] {
        if (value >= 0 && level < levels)
            packed |= static_cast<std::uint32_t>((value / 10) * 16 + value % 10)
                      << (8 * (levels - 1 - level++));
        value = -1;
    };
    for (char c : text) {
        if (c >= '0' && c <= '9')
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        else
            close();
    }
    close();
    return packed;
}

// Words holding the text, deepest hit first.
std::vector<FinderEntry> WordFinderEntries(const CTestRegisterData& data, const std::string& text) {
    const std::string wanted = UpperAscii(text);
    std::vector<FinderEntry> entries;
    for (const auto& [word, count] : WordCounts(data)) {
        const std::size_t at = word.find(wanted);
        if (at != std::string::npos)
            entries.push_back({static_cast<std::uint32_t>(at), count, word});
    }
    std::sort(entries.begin(), entries.end(), [](const FinderEntry& a, const FinderEntry& b) {
        if (a.position != b.position)
            return a.position > b.position;
        return TextBefore(a, b);
    });
    return entries;
}

} // namespace

std::optional<CFinderList> CFinderList::Locate(const CTestRegisterData& data,
                                               const std::string& text, std::uint32_t mode) {
    CFinderList list;
    const FinderEntry probe{0, 0, text};
    switch (mode) {
    case 5:
        list.entries_ = WordFinderEntries(data, text);
        if (list.entries_.empty())
            return std::nullopt;
        return list;
    case 0:
    case 1:
        list.entries_ = CountedTexts(PartyCounts(data, mode == 1));
        break;
    case 2:
        list.entries_ = ViennaEntries(false);
        break;
    case 3:
    case 8: {
        list.entries_ = mode == 3 ? ViennaEntries(true) : LocarnoEntries(true);
        const std::uint32_t code = PackedCode(text, mode == 3 ? 3 : 2);
        list.start_ = static_cast<std::size_t>(
            std::find_if(list.entries_.begin(), list.entries_.end(),
                         [code](const FinderEntry& entry) { return entry.count >= code; }) -
            list.entries_.begin());
        return list;
    }
    case 7: {
        list.entries_ = LocarnoEntries(false);
        const std::string wanted = UpperAscii(text);
        list.start_ = static_cast<std::size_t>(
            std::find_if(list.entries_.begin(), list.entries_.end(),
                         [&](const FinderEntry& entry) {
                             return UpperAscii(entry.text.substr(entry.position)) >= wanted;
                         }) -
            list.entries_.begin());
        return list;
    }
    default:
        list.entries_ = CountedTexts(WordCounts(data));
        break;
    }
    list.start_ = static_cast<std::size_t>(
        std::lower_bound(list.entries_.begin(), list.entries_.end(), probe, TextBefore) -
        list.entries_.begin());
    return list;
}

std::vector<FinderEntry> CFinderList::Range(std::int32_t first, std::int32_t last) const {
    std::vector<FinderEntry> range;
    for (std::int64_t index = first; index <= last; ++index) {
        const std::int64_t at = static_cast<std::int64_t>(start_) + index;
        if (at >= 0 && at < static_cast<std::int64_t>(entries_.size()))
            range.push_back(entries_[static_cast<std::size_t>(at)]);
        else
            range.push_back({0xFFFFFFFFu, 0, ""});
    }
    return range;
}
