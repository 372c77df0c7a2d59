#include "engines/ZrDbEngineSet.h"

void CZrDbEngineSet::AddEngine(const CZrDbEngine& engine, const std::string& restriction) {
    entries_.insert_or_assign(engine.GetDbCode(), std::make_pair(engine, restriction));
}

void CZrDbEngineSet::SetEngine(const CZrDbEngine& engine) {
    const auto found = entries_.find(engine.GetDbCode());
    if (found == entries_.end())
        entries_.emplace(engine.GetDbCode(), std::make_pair(engine, std::string()));
    else
        found->second.first = engine;
}

const CZrDbEngine* CZrDbEngineSet::FindEngine(int code) const {
    const auto found = entries_.find(code);
    return found == entries_.end() ? nullptr : &found->second.first;
}

bool CZrDbEngineSet::GetEngine(int code, CZrDbEngine& engine, std::string& restriction) const {
    const auto found = entries_.find(code);
    if (found == entries_.end())
        return false;
    engine = found->second.first;
    restriction = found->second.second;
    return true;
}

std::string CZrDbEngineSet::GetCodes() const {
    std::string codes;
    for (const auto& entry : entries_)
        codes += static_cast<char>(entry.first);
    return codes;
}
