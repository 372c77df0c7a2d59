#pragma once
// The engines chosen for one examination or one dialog: one entry per database code, each with
// the restriction text (country filter) that the database selection attaches to it. Used on the
// user-interface thread only.

#include "engines/ZrDbEngine.h"

#include <map>
#include <string>
#include <utility>

class CZrDbEngineSet {
public:
    CZrDbEngineSet() = default;
    CZrDbEngineSet(const CZrDbEngineSet&) = default;
    CZrDbEngineSet& operator=(const CZrDbEngineSet&) = default;
    virtual ~CZrDbEngineSet() = default;

    // The same engine objects, each with the same restriction, under the same codes.
    bool operator==(const CZrDbEngineSet& other) const { return entries_ == other.entries_; }

    // Stores engine and restriction under the engine's database code, replacing both.
    void AddEngine(const CZrDbEngine& engine, const std::string& restriction);
    // Replaces the engine of its code's entry, made with an empty restriction when missing.
    void SetEngine(const CZrDbEngine& engine);
    // The stored engine of the code; null when the code has no entry.
    const CZrDbEngine* FindEngine(int code) const;
    // Copies engine and restriction out; false, outputs untouched, when the code has no entry.
    bool GetEngine(int code, CZrDbEngine& engine, std::string& restriction) const;
    void Clear() { entries_.clear(); }
    // One character per entry, in ascending order of code.
    std::string GetCodes() const;

private:
    std::map<int, std::pair<CZrDbEngine, std::string>> entries_;
};
