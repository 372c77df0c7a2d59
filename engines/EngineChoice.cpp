#include "engines/EngineChoice.h"

#include "engines/RegisterTable.h"
#include "engines/Repository.h"

#include <algorithm>
#include <strings.h>

const CZrDbEngine* CDbEngineSelection::GetSelectedEngine() const {
    if (candidates_.empty())
        return nullptr;
    if (chosenIndex_ < 0 || chosenIndex_ >= static_cast<int>(candidates_.size()))
        return &candidates_.front();
    return &candidates_[static_cast<std::size_t>(chosenIndex_)];
}

void CDbEngineSelectionSet::Build(const std::string& codes, const std::string& fixedCodes,
                                  const IRegisterTable& registers,
                                  const CZrRepository& repository) {
    selections_.clear();
    variants_ = false;
    for (char c : codes) {
        const int code = static_cast<unsigned char>(c);
        if (!registers.HasRegister(code))
            continue;
        CZrDbEngine current = registers.GetDbEngine(code);
        if (current.IsNil())
            current = repository.GetPreferredEngine(code);
        std::vector<CZrDbEngine> candidates = repository.GetEngines(code);
        if (candidates.size() > 1)
            variants_ = true;
        if (fixedCodes.find(c) != std::string::npos)
            std::erase_if(candidates, [&current](const CZrDbEngine& e) { return !(e == current); });
        int chosen = 0;
        if (candidates.size() > 1) {
            const auto same =
                std::find_if(candidates.begin(), candidates.end(), [&](const auto& e) {
                    return e.GetName() == current.GetName() && e.GetDate() == current.GetDate();
                });
            if (same != candidates.end())
                chosen = static_cast<int>(same - candidates.begin());
        }
        Add({code, chosen, std::move(candidates)});
    }
}

template <class Selections>
auto* CDbEngineSelectionSet::FindIn(Selections& selections, int code) {
    const auto found = std::find_if(selections.begin(), selections.end(),
                                    [code](const auto& s) { return s.GetDbCode() == code; });
    return found == selections.end() ? nullptr : &*found;
}

CDbEngineSelection* CDbEngineSelectionSet::Find(int code) {
    return FindIn(selections_, code);
}

const CDbEngineSelection* CDbEngineSelectionSet::Find(int code) const {
    return FindIn(selections_, code);
}

bool CDbEngineSelectionSet::HasEngines(int code) const {
    const CDbEngineSelection* selection = Find(code);
    return selection && !selection->GetCandidates().empty();
}

bool CDbEngineSelectionSet::AnyMultipleEngines() const {
    return std::any_of(selections_.begin(), selections_.end(),
                       [](const auto& s) { return s.GetCandidates().size() > 1; });
}

CEngineDlgHelper::CEngineDlgHelper(const CDbEngineSelectionSet& set,
                                   const IRegisterTable& registers) {
    for (const CDbEngineSelection& selection : set.GetSelections()) {
        if (selection.GetCandidates().size() < 2)
            continue;
        Row row;
        row.dbCode = selection.GetDbCode();
        row.label = MakeLabel(registers.GetShortName(row.dbCode));
        row.tooltip = registers.GetLongName(row.dbCode);
        for (const CZrDbEngine& engine : selection.GetCandidates())
            row.entries.push_back(MakeEntry(engine));
        row.chosenIndex = std::max(selection.GetChosenIndex(), 0);
        rows_.push_back(std::move(row));
    }
}

void CEngineDlgHelper::Scroll(int step) {
    const int lastFirst = std::max(static_cast<int>(rows_.size()) - kVisibleRows, 0);
    firstVisible_ = std::clamp(firstVisible_ + step, 0, lastFirst);
}

void CEngineDlgHelper::Pick(int list, int index) {
    const int row = firstVisible_ + list;
    if (list < 0 || list >= kVisibleRows || row >= static_cast<int>(rows_.size()))
        return;
    rows_[static_cast<std::size_t>(row)].chosenIndex = index;
}

void CEngineDlgHelper::Apply(CDbEngineSelectionSet& set) const {
    for (const Row& row : rows_)
        if (CDbEngineSelection* selection = set.Find(row.dbCode))
            selection->SetChosenIndex(row.chosenIndex);
}

std::string CEngineDlgHelper::MakeLabel(const std::string& shortName) {
    static const std::pair<const char*, const char*> kLabels[] = {
        {"RW", "&RW"}, {"UK", "&UK"}, {"EUTM", "EU&TM"}, {"UKDOM", "UK D&omains"},
        {"DE", "&DE"}, {"IR", "&IR"}, {"IE", "I&E"},     {"RCD", "RCD"}};
    for (const auto& [name, label] : kLabels)
        if (shortName == name)
            return label;
    if (shortName.size() >= 2 && strncasecmp(shortName.c_str(), "US", 2) == 0)
        return "U&S";
    return shortName;
}

std::string CEngineDlgHelper::MakeEntry(const CZrDbEngine& engine) {
    std::string entry = engine.GetVariantLabel();
    if (!engine.GetDate().IsEmpty())
        entry += " to " + engine.GetDate().Format();
    return entry;
}
