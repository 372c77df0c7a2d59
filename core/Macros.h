#pragma once
// Keyword macros: named pieces of criteria text, most often class lists, that users type as a
// word with the prefix character of their settings (by default "."), such as ".food" in the
// class field. Definitions come from the shared system macro file and the user's own, a user
// definition overriding the system one (CUserOptions).

#include "core/UserOptions.h"

#include <string>

// One keyword as an editing page keeps it: its definitions from both files and whether the
// user's was set or dropped since the last save.
class CMacroEntry {
public:
    explicit CMacroEntry(std::string name) : name_(std::move(name)) {}
    CMacroEntry(const CMacroEntry&) = default;
    CMacroEntry& operator=(const CMacroEntry&) = default;
    virtual ~CMacroEntry() = default;

    // By name, without regard to ASCII case.
    bool operator<(const CMacroEntry& other) const;

    void SetSystemDefinition(const std::string& definition);
    void SetUserDefinition(const std::string& definition);
    // Drops the user's definition; answers whether a system definition remains.
    bool RemoveUserDefinition();
    // The name always; the user's definition (not system) when there is one, else the system's
    // (system); nothing more when the keyword has neither.
    void GetDefinition(std::string& name, std::string& definition, bool& isSystem) const;
    bool IsDefined() const { return hasSystem_ || userDefined_; }
    // When the user's definition changed: the name, that definition and whether it was
    // dropped, and true; else false with the outputs untouched.
    bool GetChange(std::string& name, std::string& userDefinition, bool& dropped) const;
    void ClearChanged() { changed_ = false; }

private:
    std::string name_;
    std::string systemDefinition_;
    bool hasSystem_ = false;
    std::string userDefinition_;
    bool userDefined_ = false;
    bool changed_ = false;
};

// Expands the keywords of a text with the definitions of the user settings.
class CMacros {
public:
    explicit CMacros(const CUserOptions& options = TheUserOptions()) : options_(options) {}

    // Splits the text at the delimiters (quotes honoured, quotes and escapes dropped) and
    // replaces every token that starts with the prefix character by the definition of the rest
    // in the section. Delimiters are copied as they are; other tokens are joined by one blank,
    // except right after a delimiter. An unknown keyword stays as typed and makes the result
    // false; the output always holds the whole text. Callers pass "Class" and " ,".
    bool Expand(const std::string& section, const std::string& text, const std::string& delimiters,
                std::string& expanded) const;

private:
    const CUserOptions& options_;
};
