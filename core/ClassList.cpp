#include "core/ClassList.h"

#include "core/Tokeniser.h"

#include <algorithm>
#include <optional>
#include <strings.h>

namespace {

struct Family {
    char letter;
    int first; // number of the family's first class
    int count;
    std::size_t offset; // index of its first flag
};

// In the order the text forms list them; the flags are stored A, 3, 4, U.
constexpr Family kFamilies[] = {
    {'4', 1, 45, 52},
    {'3', 301, 50, 2},
    {'A', 0, 2, 0},
    {'U', 1, 108, 97},
};

const Family* FindFamily(char letter) {
    for (const Family& family : kFamilies) {
        if (family.letter == letter)
            return &family;
    }
    return nullptr;
}

std::optional<std::size_t> FlagIndex(char letter, int number) {
    const Family* family = FindFamily(letter);
    if (!family || number < family->first || number >= family->first + family->count)
        return std::nullopt;
    return family->offset + static_cast<std::size_t>(number - family->first);
}

struct ClassRef {
    char family;
    int number;
};

std::string ClassText(char family, int number) {
    switch (family) {
    case 'A':
        return number == 0 ? "A" : "B";
    case 'U':
        return "US" + std::to_string(number);
    default:
        return std::to_string(number);
    }
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// "A", "B", "12", "301", "US12", "U12", "S12", "us12"; nothing for anything else.
std::optional<ClassRef> ParseClass(const std::string& token) {
    if (token == "A" || token == "a")
        return ClassRef{'A', 0};
    if (token == "B" || token == "b")
        return ClassRef{'A', 1};
    std::size_t i = 0;
    bool us = false;
    if (i < token.size() && (token[i] == 'U' || token[i] == 'u'))
        ++i, us = true;
    if (i < token.size() && (token[i] == 'S' || token[i] == 's'))
        ++i, us = true;
    if (i == token.size())
        return std::nullopt;
    int number = 0;
    for (; i < token.size(); ++i) {
        if (!IsAsciiDigit(token[i]))
            return std::nullopt;
        number = std::min(number * 10 + (token[i] - '0'), 100000); // stays out of every range
    }
    if (us)
        return number >= 1 && number <= 108 ? std::optional(ClassRef{'U', number}) : std::nullopt;
    if (number >= 1 && number <= 45)
        return ClassRef{'4', number};
    if (number >= 301 && number <= 350)
        return ClassRef{'3', number};
    return std::nullopt;
}

bool IsAllText(const std::string& text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos || text.size() - start < 3 ||
        strncasecmp(text.c_str() + start, "all", 3) != 0)
        return false;
    return text.find_first_not_of(' ', start + 3) == std::string::npos;
}

} // namespace

bool CClassList::IsAll() const {
    return std::all_of(flags_.begin(), flags_.end(), [](std::uint8_t f) { return f != 0; });
}

bool CClassList::IsEmpty() const {
    return std::all_of(flags_.begin(), flags_.end(), [](std::uint8_t f) { return f == 0; });
}

bool CClassList::HasClass(char family, int number) const {
    const auto index = FlagIndex(family, number);
    return index && flags_[*index] != 0;
}

void CClassList::SetClass(char family, int number, bool value) {
    if (const auto index = FlagIndex(family, number))
        flags_[*index] = value ? 1 : 0;
}

void CClassList::Merge(const CClassList& other) {
    for (std::size_t i = 0; i < kFlagCount; ++i)
        flags_[i] |= other.flags_[i];
}

bool CClassList::SetFromText(const std::string& text, std::size_t* errorPosition) {
    Clear();
    if (IsAllText(text))
        return true;

    enum class State { ExpectClass, AfterClass, AfterDash };
    State state = State::ExpectClass;
    ClassRef pending{};
    CTokeniser tokeniser(text, " ,-", true);
    std::size_t position = tokeniser.GetPosition();
    const auto fail = [&] {
        if (errorPosition)
            *errorPosition = position;
        return false;
    };

    while (!tokeniser.AtEnd()) {
        position = tokeniser.GetPosition();
        bool isDelimiter = false;
        const std::string token = tokeniser.NextToken(&isDelimiter);
        const bool isDash = isDelimiter && token == "-";
        switch (state) {
        case State::ExpectClass:
            if (isDash)
                return fail();
            if (isDelimiter)
                break;
            if (const auto parsed = ParseClass(token)) {
                pending = *parsed;
                state = State::AfterClass;
                break;
            }
            return fail();
        case State::AfterClass:
            if (isDash) {
                state = State::AfterDash;
                break;
            }
            SetClass(pending.family, pending.number, true);
            state = State::ExpectClass;
            if (isDelimiter)
                break;
            if (const auto parsed = ParseClass(token)) {
                pending = *parsed;
                state = State::AfterClass;
                break;
            }
            return fail();
        case State::AfterDash: {
            const auto last = ParseClass(token);
            if (isDelimiter || !last || last->family != pending.family ||
                last->number < pending.number)
                return fail();
            for (int number = pending.number; number <= last->number; ++number)
                SetClass(pending.family, number, true);
            state = State::ExpectClass;
            break;
        }
        }
    }
    position = tokeniser.GetPosition();
    if (state == State::AfterDash)
        return fail();
    if (state == State::AfterClass)
        SetClass(pending.family, pending.number, true);
    return true;
}

std::string CClassList::GetSummaryText(bool compressRanges) const {
    if (IsAll())
        return "All";
    std::string text;
    const auto append = [&text](const std::string& item) {
        if (!text.empty())
            text += ',';
        text += item;
    };
    for (const Family& family : kFamilies) {
        for (int i = 0; i < family.count;) {
            if (!flags_[family.offset + i]) {
                ++i;
                continue;
            }
            int end = i;
            while (end < family.count && flags_[family.offset + end])
                ++end;
            const int first = family.first + i;
            const int last = family.first + end - 1;
            if (compressRanges && last - first >= 2) {
                append(ClassText(family.letter, first) + "-" + ClassText(family.letter, last));
            } else {
                for (int number = first; number <= last; ++number)
                    append(ClassText(family.letter, number));
            }
            i = end;
        }
    }
    return text;
}

void CClassList::GetClassItems(std::vector<std::string>& items, const std::string& families) const {
    items.clear();
    for (const Family& family : kFamilies) {
        if (families.find(family.letter) == std::string::npos)
            continue;
        for (int i = 0; i < family.count; ++i) {
            if (flags_[family.offset + i])
                items.push_back(ClassText(family.letter, family.first + i));
        }
    }
}

int CClassList::Compare(const CClassList& other) const {
    bool thisHasMore = false;
    bool otherHasMore = false;
    for (std::size_t i = 0; i < kFlagCount; ++i) {
        thisHasMore |= flags_[i] && !other.flags_[i];
        otherHasMore |= other.flags_[i] && !flags_[i];
    }
    if (thisHasMore)
        return otherHasMore ? 0 : 2;
    return otherHasMore ? 3 : 1;
}
