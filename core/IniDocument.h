#pragma once
// The text of one ini file, held line by line so that writing a key rewrites only that key's line:
// comments, blank lines, malformed lines and unknown sections survive every write.
//
// Reading follows the rules that settings files written on other systems rely on: section and
// key names are compared without regard to ASCII case and without surrounding blanks, the first
// of several equal sections or keys is the one that counts, values are trimmed and lose one pair
// of enclosing quotes, and lines starting with ";" are comments.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using CIniPairs = std::vector<std::pair<std::string, std::string>>;

class CIniDocument {
public:
    CIniDocument() = default;
    explicit CIniDocument(std::string_view text) { Parse(text); }

    void Parse(std::string_view text);
    // The lines joined again, each ended by the file's own line break (CR LF or LF).
    std::string Serialise() const;

    // The value, or nothing when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // The section's keys and values in file order; a key that appears twice counts once.
    CIniPairs ReadSection(std::string_view section) const;

    // Replaces the key's value or adds the key (and the section) at the section's end. False,
    // with the document unchanged, for names or values a line cannot hold (see CanStore).
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of the key in the section; nothing happens when there is none.
    void Remove(std::string_view section, std::string_view key);

    // Whether the names and value can be written so that reading gives them back: no line breaks
    // or NUL anywhere, a section name without "]", a key without "=" that does not start with
    // "[" or ";", and names that are not empty once trimmed.
    static bool CanStore(std::string_view section, std::string_view key, std::string_view value);

private:
    enum class LineKind { Other, Section, Entry };
    struct Line {
        std::string text; // the line as it is written to the file
        LineKind kind = LineKind::Other;
        std::string name;  // section name or key, trimmed
        std::string value; // an entry's value as read: trimmed, without enclosing quotes
    };
    // The range of lines of the first section with this name: its header and the line after
    // its last line; nothing when there is no such section.
    std::optional<std::pair<std::size_t, std::size_t>> FindSection(std::string_view name) const;
    static Line ParseLine(std::string text);
    static Line MakeEntry(std::string_view key, std::string_view value);

    std::vector<Line> lines_;
    std::string lineBreak_ = "\n";
};
