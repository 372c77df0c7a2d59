#pragma once
// The pages of the Keywords sheet: Special Characters (the keyword prefix and the three
// wildcards of the search language) and Keywords (the user's keyword macros of one kind, over
// the system's).

#include "app/options/OptionPage.h"
#include "core/Macros.h"

#include <array>
#include <string>
#include <vector>

class COptionPageSpChars : public COptionPage {
public:
    static constexpr int kDialogId = 180;
    // The keyword prefix, match any number, match one, match one or none.
    static constexpr std::array<char, 4> kDefaults = {'.', '-', '*', '?'};
    // A field's character as a code point; kEmpty for an empty field.
    static constexpr int kEmpty = -1;
    using CFields = std::array<int, 4>;

    explicit COptionPageSpChars(const CUserOptions& options);

    std::string GetCaption() const override { return "Special Characters"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }
    const std::array<char, 4>& GetChars() const { return chars_; }

    // Checks the four fields in their order and keeps them when all pass; else the message
    // ("You must specify a character", "Invalid character", "All special characters must be
    // unique") with the index of the field that failed.
    std::string SetFields(const CFields& fields, int& failedField);
    // Back to the defaults.
    void Reset() { chars_ = kDefaults; }
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    std::array<char, 4> chars_;
};

// A row of the keyword list: the name, and whether the system's definition is in effect.
struct CMacroListItem {
    std::string name;
    bool system = false;

    bool operator==(const CMacroListItem&) const = default;
};

// What the page's buttons offer for the name in the list's edit field.
struct CMacroButtons {
    bool create = false;
    bool edit = false;
    bool remove = false;

    bool operator==(const CMacroButtons&) const = default;
};

class COptionPageMacros : public COptionPage {
public:
    static constexpr int kDialogId = 176;

    // The keywords of the kind ("Class"), from the system's macro file and the user's.
    COptionPageMacros(const CUserOptions& options, std::string kind);

    std::string GetCaption() const override { return "Keywords"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }

    // The defined keywords, sorted by name without regard to case.
    std::vector<CMacroListItem> GetListItems() const;
    CMacroButtons GetButtons(const std::string& name) const;
    // Definitions are edited only for the "Class" kind (any case); other kinds offer none.
    bool CanEditDefinitions() const;
    // The definition in effect; "" for an undefined name.
    std::string GetDefinition(const std::string& name) const;

    // Create: a new keyword with the user's definition. False when the name is empty or taken.
    bool Create(const std::string& name, const std::string& definition);
    // Edit: a different definition becomes the user's. False when the name is not defined or
    // the definition is unchanged.
    bool Edit(const std::string& name, const std::string& definition);
    // Delete: the user's definition goes; the system's, if any, is in effect again. False when
    // the keyword had no user definition.
    bool Remove(const std::string& name);

    // Writes every changed keyword to the user's macro file (those dropped as names to delete);
    // a file that cannot be written is reported.
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    CMacroEntry* Find(const std::string& name);
    const CMacroEntry* Find(const std::string& name) const;

    std::string kind_;
    std::vector<CMacroEntry> entries_;
};
