#include "core/IniDocument.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool IsEnclosedInQuotes(std::string_view value) {
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

std::string_view WithoutEnclosingQuotes(std::string_view value) {
    return IsEnclosedInQuotes(value) ? value.substr(1, value.size() - 2) : value;
}

// Reading trims blanks and drops one pair of enclosing quotes, so a value that would lose
// either is written inside an extra pair of quotes.
std::string StoredValue(std::string_view value) {
    const bool needsQuotes = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                                IsEnclosedInQuotes(value));
    return needsQuotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

void CIniDocument::Parse(std::string_view text) {
    lines_.clear();
    const std::size_t firstBreak = text.find('\n');
    lineBreak_ =
        firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r'
            ? "\r\n"
            : "\n";
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // A CR of a file with LF line breaks stays in its line, so rewriting gives it back.
        if (lineBreak_.size() == 2 && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.push_back(ParseLine(std::string(line)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

CIniDocument::Line CIniDocument::ParseLine(std::string text) {
    Line line;
    const std::string_view content = Trim(text);
    if (!content.empty() && content.front() == '[') {
        const std::size_t close = content.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = Trim(content.substr(1, close - 1));
        }
    } else if (!content.empty() && content.front() != ';') {
        const std::size_t equals = content.find('=');
        if (equals != std::string_view::npos && !Trim(content.substr(0, equals)).empty()) {
            line.kind = LineKind::Entry;
            line.name = Trim(content.substr(0, equals));
            line.value = WithoutEnclosingQuotes(Trim(content.substr(equals + 1)));
        }
    }
    line.text = std::move(text);
    return line;
}

CIniDocument::Line CIniDocument::MakeEntry(std::string_view key, std::string_view value) {
    Line line;
    line.kind = LineKind::Entry;
    line.name = key;
    line.value = value;
    line.text = line.name + "=" + StoredValue(value);
    return line;
}

std::string CIniDocument::Serialise() const {
    std::string text;
    for (const Line& line : lines_)
        text.append(line.text).append(lineBreak_);
    return text;
}

std::optional<std::pair<std::size_t, std::size_t>>
CIniDocument::FindSection(std::string_view name) const {
    name = Trim(name);
    for (std::size_t header = 0; header < lines_.size(); ++header) {
        if (lines_[header].kind != LineKind::Section || !SameName(lines_[header].name, name))
            continue;
        std::size_t end = header + 1;
        while (end < lines_.size() && lines_[end].kind != LineKind::Section)
            ++end;
        return std::make_pair(header, end);
    }
    return std::nullopt;
}

std::optional<std::string> CIniDocument::Find(std::string_view section,
                                              std::string_view key) const {
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    key = Trim(key);
    for (std::size_t i = range->first + 1; i < range->second; ++i) {
        if (lines_[i].kind == LineKind::Entry && SameName(lines_[i].name, key))
            return lines_[i].value;
    }
    return std::nullopt;
}

CIniPairs CIniDocument::ReadSection(std::string_view section) const {
    CIniPairs pairs;
    const auto range = FindSection(section);
    if (!range)
        return pairs;
    for (std::size_t i = range->first + 1; i < range->second; ++i) {
        const Line& line = lines_[i];
        const bool seen = std::any_of(pairs.begin(), pairs.end(), [&](const auto& pair) {
            return SameName(pair.first, line.name);
        });
        if (line.kind == LineKind::Entry && !seen)
            pairs.emplace_back(line.name, line.value);
    }
    return pairs;
}

bool CIniDocument::CanStore(std::string_view section, std::string_view key,
                            std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value))
        return false;
    if (section.empty() || section.find(']') != std::string_view::npos)
        return false;
    return !key.empty() && key.find('=') == std::string_view::npos && key.front() != '[' &&
           key.front() != ';';
}

bool CIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!CanStore(section, key, value))
        return false;
    key = Trim(key);
    const auto range = FindSection(section);
    if (!range) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty())
            lines_.push_back(ParseLine(""));
        lines_.push_back(ParseLine("[" + std::string(Trim(section)) + "]"));
        lines_.push_back(MakeEntry(key, value));
        return true;
    }
    std::size_t insertAt = range->first + 1;
    for (std::size_t i = range->first + 1; i < range->second; ++i) {
        Line& line = lines_[i];
        if (line.kind != LineKind::Entry)
            continue;
        if (SameName(line.name, key)) {
            // The stored spelling of the key is kept.
            line = MakeEntry(line.name, value);
            return true;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), MakeEntry(key, value));
    return true;
}

void CIniDocument::Remove(std::string_view section, std::string_view key) {
    const auto range = FindSection(section);
    if (!range)
        return;
    key = Trim(key);
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(range->first + 1);
    const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(range->second);
    lines_.erase(std::remove_if(first, last,
                                [&](const Line& line) {
                                    return line.kind == LineKind::Entry && SameName(line.name, key);
                                }),
                 last);
}
