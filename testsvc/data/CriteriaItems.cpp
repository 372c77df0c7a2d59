#include "testsvc/data/CriteriaItems.h"

#include "testsvc/data/CriteriaEvaluator.h"
#include "testsvc/data/TermMatch.h"
#include "testsvc/data/Vocabulary.h"

#include <algorithm>
#include <cstdlib>
#include <strings.h>

namespace {

// The word kinds of the criteria text, in the order of their codes.
const char* const kWordKinds[] = {"WORDM", "TMARK", "WAPPR", "TAPPR", "WANAG"};
enum WordKind { kMatchWord, kMatchMark, kSimilarWord, kSimilarMark, kAnagram };

bool NameIs(const std::string& name, const char* wanted) {
    return strcasecmp(name.c_str(), wanted) == 0;
}

// The parts of a range value "low-high"; either may be empty.
void SplitRange(const std::string& value, std::string& low, std::string& high) {
    const std::size_t dash = value.find('-');
    low = value.substr(0, dash);
    high = dash == std::string::npos ? "" : value.substr(dash + 1);
}

// The numbers of a code text such as "6.1", "06-01" or "26.4.1".
std::vector<int> CodeParts(const std::string& text) {
    std::vector<int> parts;
    int value = -1;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        } else if (value >= 0) {
            parts.push_back(value);
            value = -1;
        }
    }
    if (value >= 0)
        parts.push_back(value);
    return parts;
}

bool StartsWithParts(const std::vector<int>& code, const std::vector<int>& wanted) {
    return !wanted.empty() && wanted.size() <= code.size() &&
           std::equal(wanted.begin(), wanted.end(), code.begin());
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::string item;
    for (char c : text + ",") {
        if (c == ',' || c == ' ') {
            if (!item.empty())
                items.push_back(item);
            item.clear();
        } else {
            item += c;
        }
    }
    return items;
}

std::string SortedLetters(std::string text) {
    std::sort(text.begin(), text.end());
    return text;
}

// Whether a word is an anagram of the term: the same letters, or with wildcards in the term at
// least the term's letters.
bool IsAnagram(const CTermPattern& pattern, const std::string& word) {
    const std::string letters = SortedLetters(pattern.Letters());
    const std::string wordLetters = SortedLetters(word);
    if (!pattern.HasWildcards())
        return letters == wordLetters;
    return std::includes(wordLetters.begin(), wordLetters.end(), letters.begin(), letters.end());
}

bool NameMatches(const CTermPattern& pattern, const std::string& term, const std::string& name) {
    if (pattern.HasWildcards())
        return pattern.Matches(name);
    return UpperAscii(name).find(UpperAscii(term)) != std::string::npos;
}

std::uint64_t ParseClassMask(const std::string& value) {
    if (NameIs(value, "All"))
        return ~0ull;
    std::uint64_t mask = 0;
    for (const std::string& item : SplitList(value)) {
        std::string low, high;
        SplitRange(item, low, high);
        const int first = std::atoi(low.c_str());
        const int last = high.empty() ? first : std::atoi(high.c_str());
        for (int niceClass = std::max(first, 1); niceClass <= std::min(last, 45); ++niceClass)
            mask |= 1ull << niceClass;
    }
    return mask;
}

} // namespace

void CMarkSet::And(const CMarkSet& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] = bits_[i] && other.bits_[i];
}

void CMarkSet::Or(const CMarkSet& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] = bits_[i] || other.bits_[i];
}

void CMarkSet::AndNot(const CMarkSet& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i)
        bits_[i] = bits_[i] && !other.bits_[i];
}

std::size_t CMarkSet::Count() const {
    return static_cast<std::size_t>(std::count(bits_.begin(), bits_.end(), true));
}

template <typename Test>
CMarkSet CCriteriaItems::Select(Test test) const {
    const std::vector<TestMark>& marks = data_.Marks();
    CMarkSet set(marks.size(), false);
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (test(marks[i]))
            set.Set(i);
    return set;
}

CMarkSet CCriteriaItems::Evaluate(const std::string& name, const std::string& value) const {
    for (int kind = 0; kind < 5; ++kind)
        if (NameIs(name, kWordKinds[kind]))
            return WordItem(kind, value);
    if (NameIs(name, "CLASS"))
        return Classes(value);
    if (NameIs(name, "STATS"))
        return Statuses(value);
    if (NameIs(name, "APPNO"))
        return AppNumbers(value);
    if (NameIs(name, "APPDA"))
        return AppDates(value);
    if (NameIs(name, "PROPN"))
        return Names(0, value);
    if (NameIs(name, "SERVN"))
        return Names(1, value);
    if (NameIs(name, "DESNN"))
        return Names(2, value);
    if (NameIs(name, "IMCAT"))
        return DeviceCodes(value);
    if (NameIs(name, "LOCAR"))
        return LocarnoClasses(value);
    if (NameIs(name, "SET"))
        return Select(
            [&](const TestMark& mark) { return CTestRegisterData::IsInSet(mark, value); });
    if (NameIs(name, "GOODS"))
        return Goods(value);
    if (NameIs(name, "CNTRY"))
        return Countries(value);
    if (NameIs(name, "DBIDS"))
        return All();
    throw CCriteriaError("Unknown criteria field '" + name + "'");
}

CMarkSet CCriteriaItems::WordItem(int kind, const std::string& term) const {
    if (kind == kMatchWord && term.size() >= 3 && term.front() == '"' && term.back() == '"')
        return Phrase(term.substr(1, term.size() - 2));
    const CTermPattern pattern(term);
    if (kind == kMatchMark || kind == kSimilarMark) {
        const std::string letters = pattern.Letters();
        const std::size_t allowed = std::max<std::size_t>(1, letters.size() / 4);
        return Select([&](const TestMark& mark) {
            const std::string text = UpperAscii(data_.WordMarkText(mark));
            return kind == kMatchMark ? pattern.Matches(text)
                                      : EditDistance(letters, text) <= allowed;
        });
    }
    // Word kinds: decide once per vocabulary word, then per mark by its words.
    const std::vector<std::string>& words = CVocabulary::Get().Words();
    std::vector<bool> wordMatches(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (kind == kMatchWord)
            wordMatches[i] = pattern.Matches(words[i]);
        else if (kind == kSimilarWord)
            wordMatches[i] = EditDistance(pattern.Letters(), words[i]) <=
                             (pattern.Letters().size() <= 4 ? 1u : 2u);
        else
            wordMatches[i] = IsAnagram(pattern, words[i]);
    }
    return Select([&](const TestMark& mark) {
        for (std::uint8_t i = 0; i < mark.wordCount; ++i)
            if (wordMatches[mark.words[i]])
                return true;
        return false;
    });
}

CMarkSet CCriteriaItems::Phrase(const std::string& phrase) const {
    std::vector<CTermPattern> patterns;
    std::size_t from = 0;
    while (from < phrase.size()) {
        const std::size_t end = std::min(phrase.find(' ', from), phrase.size());
        if (end > from)
            patterns.emplace_back(phrase.substr(from, end - from));
        from = end + 1;
    }
    const std::vector<std::string>& words = CVocabulary::Get().Words();
    return Select([&](const TestMark& mark) {
        for (std::size_t start = 0; start + patterns.size() <= mark.wordCount; ++start) {
            bool all = !patterns.empty();
            for (std::size_t i = 0; i < patterns.size() && all; ++i)
                all = patterns[i].Matches(words[mark.words[start + i]]);
            if (all)
                return true;
        }
        return false;
    });
}

CMarkSet CCriteriaItems::Classes(const std::string& value) const {
    const std::uint64_t mask = ParseClassMask(value);
    if (mask == ~0ull)
        return All();
    return Select([&](const TestMark& mark) {
        if (oneClassOnly_)
            return mark.classes != 0 && (mark.classes & ~mask) == 0;
        return (mark.classes & mask) != 0;
    });
}

CMarkSet CCriteriaItems::Statuses(const std::string& value) const {
    return Select([&](const TestMark& mark) {
        return value.find(StatusLetter(mark.status)) != std::string::npos;
    });
}

CMarkSet CCriteriaItems::AppNumbers(const std::string& value) const {
    std::string low, high;
    SplitRange(value, low, high);
    // The criteria write a '-' inside a number as '_'.
    std::replace(low.begin(), low.end(), '_', '-');
    std::replace(high.begin(), high.end(), '_', '-');
    const std::uint64_t first = MainNumberOf(low);
    const std::uint64_t last = high.empty() ? ~0ull : MainNumberOf(high);
    return Select(
        [&](const TestMark& mark) { return mark.mainAppNum >= first && mark.mainAppNum <= last; });
}

CMarkSet CCriteriaItems::AppDates(const std::string& value) const {
    std::string low, high;
    SplitRange(value, low, high);
    const std::uint32_t first = static_cast<std::uint32_t>(std::strtoul(low.c_str(), nullptr, 10));
    const std::uint32_t last =
        high.empty() ? ~0u : static_cast<std::uint32_t>(std::strtoul(high.c_str(), nullptr, 10));
    return Select([&](const TestMark& mark) {
        const std::uint32_t date = DateYmd(mark.appDay);
        return date >= first && date <= last;
    });
}

CMarkSet CCriteriaItems::Names(int kind, const std::string& value) const {
    const CVocabulary& vocabulary = CVocabulary::Get();
    const CTermPattern pattern(value);
    const auto matches = [&](const NameAndAddress& party) {
        return NameMatches(pattern, value, party.name);
    };
    return Select([&](const TestMark& mark) {
        switch (kind) {
        case 0:
            return matches(vocabulary.Owners()[mark.owner]) ||
                   (mark.seq % 4 == 0 &&
                    matches(vocabulary.Owners()[(mark.owner + 7) % vocabulary.Owners().size()]));
        case 1:
            return mark.agent >= 0 && matches(vocabulary.Agents()[mark.agent]);
        default:
            return (data_.Info().traits & kDesigns) &&
                   matches(vocabulary.Designers()[mark.seq % vocabulary.Designers().size()]);
        }
    });
}

CMarkSet CCriteriaItems::DeviceCodes(const std::string& value) const {
    const std::vector<int> wanted = CodeParts(value);
    const auto& vienna = CVocabulary::Get().Vienna();
    return Select([&](const TestMark& mark) {
        for (std::uint8_t i = 0; i < mark.viennaCount; ++i) {
            const ViennaCode& code = vienna[mark.vienna[i]];
            if (StartsWithParts({code.category, code.division, code.section}, wanted))
                return true;
        }
        return false;
    });
}

CMarkSet CCriteriaItems::LocarnoClasses(const std::string& value) const {
    if (!(data_.Info().traits & kDesigns))
        return CMarkSet(data_.Marks().size(), false);
    const std::vector<int> wanted = CodeParts(value);
    const auto& locarno = CVocabulary::Get().Locarno();
    return Select([&](const TestMark& mark) {
        const LocarnoClass& code = locarno[mark.locarno];
        return StartsWithParts({code.classNumber, code.subclass}, wanted);
    });
}

CMarkSet CCriteriaItems::Goods(const std::string& value) const {
    const CTermPattern pattern(value);
    std::uint64_t classesWithTerm = 0;
    for (int niceClass = 1; niceClass <= 45; ++niceClass)
        for (const std::string& word : SplitWords(CVocabulary::Get().Goods(niceClass)))
            if (pattern.Matches(word))
                classesWithTerm |= 1ull << niceClass;
    return Select([&](const TestMark& mark) { return (mark.classes & classesWithTerm) != 0; });
}

CMarkSet CCriteriaItems::Countries(const std::string& value) const {
    const std::vector<std::string> wanted = SplitList(UpperAscii(value));
    if (data_.Info().traits & kMadrid) {
        const auto& countries = CVocabulary::Get().MadridCountries();
        std::uint32_t mask = 0;
        for (std::size_t i = 0; i < countries.size(); ++i)
            if (std::find(wanted.begin(), wanted.end(), countries[i]) != wanted.end())
                mask |= 1u << i;
        return Select([&](const TestMark& mark) { return (mark.designations & mask) != 0; });
    }
    const auto& covered = data_.Info().countries;
    const bool any = std::any_of(wanted.begin(), wanted.end(), [&](const std::string& code) {
        return std::find(covered.begin(), covered.end(), code) != covered.end();
    });
    return CMarkSet(data_.Marks().size(), any);
}
