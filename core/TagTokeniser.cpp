#include "core/TagTokeniser.h"

namespace {

bool IsCodeDigit(char c) {
    return c >= '1' && c <= '9';
}

} // namespace

CTagTokeniser::CharKind CTagTokeniser::ReadChar(char& c) {
    if (AtEnd())
        return CharKind::End;
    c = text_[position_++];
    if (c != '\\' || AtEnd())
        return CharKind::Plain;
    const char next = text_[position_];
    if (IsCodeDigit(next)) {
        ++position_;
        c = next;
        return CharKind::Code;
    }
    if (next == '\\')
        ++position_;
    return CharKind::Plain;
}

bool CTagTokeniser::GetNextPart(std::string& part) {
    part.clear();
    if (AtEnd())
        return false;
    char c;
    while (ReadChar(c) == CharKind::Plain)
        part += c;
    return true;
}

bool CTagTokeniser::GetNextPair(std::string& first, std::string& second) {
    first.clear();
    second.clear();
    if (AtEnd())
        return false;
    std::string* target = &first;
    std::size_t afterFirstCode = 0;
    char c;
    for (CharKind kind; (kind = ReadChar(c)) != CharKind::End;) {
        if (kind == CharKind::Plain || (c != '1' && c != '2')) {
            *target += c;
        } else if (c == '2') {
            break;
        } else if (target == &first) {
            afterFirstCode = position_;
            target = &second;
        } else {
            // A second code "1": this pair had no second part; what followed the first code
            // starts the next pair.
            second.clear();
            position_ = afterFirstCode;
            break;
        }
    }
    return true;
}

bool CTagTokeniser::GetNextList(std::vector<std::string>& parts) {
    parts.clear();
    if (AtEnd())
        return false;
    std::string current;
    std::size_t afterLastCode = 0;
    bool metCode = false;
    char c;
    for (CharKind kind; (kind = ReadChar(c)) != CharKind::End;) {
        if (kind == CharKind::Plain) {
            current += c;
        } else if (c == '1' && metCode) {
            // A new item begins: the part read since the last code belongs to it.
            position_ = afterLastCode;
            return true;
        } else {
            parts.push_back(std::move(current));
            current.clear();
            afterLastCode = position_;
            metCode = true;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    return true;
}

void AppendTagged(std::string& text, std::string_view part, char code) {
    for (char c : part) {
        if (c == '\\')
            text += '\\';
        text += c;
    }
    text += '\\';
    text += code;
}
