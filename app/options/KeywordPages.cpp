#include "app/options/KeywordPages.h"

#include "app/FileMessages.h"
#include "core/Latin1.h"
#include "core/UserOptions.h"

#include <algorithm>

namespace {

// The characters a special character may not be: they end or split terms.
bool IsRefusedSpecialChar(int c) {
    return c == 0 || c == ' ' || c == ',' || c == '\\' || c > 0xFF ||
           IsAlnumLatin1(static_cast<char>(c));
}

} // namespace

COptionPageSpChars::COptionPageSpChars(const CUserOptions& options)
    : chars_{options.GetMacroPrefix(), options.GetMatchAny(), options.GetMatchOne(),
             options.GetMatchOneOrNone()} {}

std::string COptionPageSpChars::SetFields(const CFields& fields, int& failedField) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        failedField = static_cast<int>(i);
        const int c = fields[i];
        if (c == kEmpty)
            return "You must specify a character";
        if (IsRefusedSpecialChar(c))
            return "Invalid character";
        if (std::find(fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(i), c) !=
            fields.begin() + static_cast<std::ptrdiff_t>(i))
            return "All special characters must be unique";
    }
    failedField = -1;
    for (std::size_t i = 0; i < fields.size(); ++i)
        chars_[i] = static_cast<char>(fields[i]);
    return {};
}

void COptionPageSpChars::Apply(CUserOptions& options) {
    options.SetMacroPrefix(chars_[0]);
    options.SetMatchAny(chars_[1]);
    options.SetMatchOne(chars_[2]);
    options.SetMatchOneOrNone(chars_[3]);
}

COptionPageMacros::COptionPageMacros(const CUserOptions& options, std::string kind)
    : kind_(std::move(kind)) {
    CIniPairs pairs;
    options.ReadMacroSection(kind_, true, pairs);
    for (const auto& [name, definition] : pairs) {
        entries_.emplace_back(name);
        entries_.back().SetSystemDefinition(definition);
    }
    options.ReadMacroSection(kind_, false, pairs);
    for (const auto& [name, definition] : pairs) {
        CMacroEntry* entry = Find(name);
        if (!entry)
            entry = &entries_.emplace_back(name);
        entry->SetUserDefinition(definition);
        entry->ClearChanged();
    }
}

const CMacroEntry* COptionPageMacros::Find(const std::string& name) const {
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&name](const CMacroEntry& e) {
            std::string entryName, definition;
            bool system = false;
            e.GetDefinition(entryName, definition, system);
            return EqualNoCaseLatin1(entryName, name);
        });
    return found == entries_.end() ? nullptr : &*found;
}

CMacroEntry* COptionPageMacros::Find(const std::string& name) {
    return const_cast<CMacroEntry*>(std::as_const(*this).Find(name));
}

std::vector<CMacroListItem> COptionPageMacros::GetListItems() const {
    std::vector<CMacroEntry> sorted;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(sorted),
                 [](const CMacroEntry& entry) { return entry.IsDefined(); });
    std::stable_sort(sorted.begin(), sorted.end());
    std::vector<CMacroListItem> items;
    for (const CMacroEntry& entry : sorted) {
        CMacroListItem item;
        std::string definition;
        entry.GetDefinition(item.name, definition, item.system);
        items.push_back(item);
    }
    return items;
}

CMacroButtons COptionPageMacros::GetButtons(const std::string& name) const {
    if (name.empty())
        return {};
    const CMacroEntry* entry = Find(name);
    const bool defined = entry && entry->IsDefined();
    std::string entryName, definition;
    bool system = false;
    if (defined)
        entry->GetDefinition(entryName, definition, system);
    return {!defined, defined, defined && !system};
}

bool COptionPageMacros::CanEditDefinitions() const {
    return EqualNoCaseLatin1(kind_, "Class");
}

std::string COptionPageMacros::GetDefinition(const std::string& name) const {
    std::string entryName, definition;
    bool system = false;
    if (const CMacroEntry* entry = Find(name))
        entry->GetDefinition(entryName, definition, system);
    return definition;
}

bool COptionPageMacros::Create(const std::string& name, const std::string& definition) {
    if (name.empty() || GetButtons(name).edit)
        return false;
    CMacroEntry* entry = Find(name);
    if (!entry)
        entry = &entries_.emplace_back(name);
    entry->SetUserDefinition(definition);
    return true;
}

bool COptionPageMacros::Edit(const std::string& name, const std::string& definition) {
    CMacroEntry* entry = Find(name);
    if (!entry || !entry->IsDefined() || GetDefinition(name) == definition)
        return false;
    entry->SetUserDefinition(definition);
    return true;
}

bool COptionPageMacros::Remove(const std::string& name) {
    if (!GetButtons(name).remove)
        return false;
    Find(name)->RemoveUserDefinition();
    return true;
}

void COptionPageMacros::Apply(CUserOptions& options) {
    CIniPairs changed;
    std::vector<std::string> removed;
    for (const CMacroEntry& entry : entries_) {
        std::string name, definition;
        bool dropped = false;
        if (!entry.GetChange(name, definition, dropped))
            continue;
        if (dropped)
            removed.push_back(name);
        else
            changed.emplace_back(name, definition);
    }
    if ((changed.empty() && removed.empty()) || options.WriteMacroSection(kind_, changed, removed))
        return;
    ShowCannotWrite(options.GetUserMacroFileName(), options.GetLastError());
}
