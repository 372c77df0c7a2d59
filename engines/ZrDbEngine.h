#pragma once
// One connection to one search engine for one database: which database it serves, where the
// engine runs, how recent its data is, its name, the engine reference and the session that the
// repository opened for this client. Copies share the engine object: the reference is duplicated
// on copy and released on destruction.

#include "core/ZrDate.h"
#include "engines/idl/ZrEngine.hh"

#include <cstdint>
#include <string>
#include <string_view>

class CZrDbEngine {
public:
    // Location flags; bits 16-19 hold the location rank, the lower the nearer.
    static constexpr std::uint32_t kHardDisc = 0x10000;
    static constexpr std::uint32_t kLan = 0x20000;
    static constexpr std::uint32_t kCd = 0x40000;
    static constexpr std::uint32_t kInternet = 0x80000;
    static constexpr std::uint32_t kLocationMask = 0xF0000;

    // A database without engine: no flags, no dates, no name, nil engine, no session.
    explicit CZrDbEngine(int code);
    // An engine from discovery: both dates are the data date; the reference is duplicated.
    CZrDbEngine(int code, std::uint32_t flags, const CZrDate& dataDate, std::string name,
                ZrEngine_ptr engine, std::uint32_t sessionId);
    CZrDbEngine(const CZrDbEngine&) = default;
    CZrDbEngine& operator=(const CZrDbEngine&) = default;
    virtual ~CZrDbEngine() = default;

    // Same engine object; nothing else is compared.
    bool operator==(const CZrDbEngine& other) const;
    // Discovery order: whether this engine goes before the other (see SetSortByLocation).
    bool operator<(const CZrDbEngine& other) const;

    // The [Repository] SortByLocation setting: nearer engines first instead of newer data first.
    // Set by whoever loads the system settings, before engines are sorted.
    static void SetSortByLocation(bool byLocation);
    static bool GetSortByLocation();

    // Drops the session on the engine (a lost engine is ignored) and forgets it.
    void Disconnect(const char* password);

    bool IsNil() const { return CORBA::is_nil(engine_); }
    // The engine reference, duplicated: the holder releases it.
    ZrEngine_var GetEngine() const { return engine_; }

    // The database letter, with I read as i.
    int GetDbCode() const { return dbCode_; }
    // The letter as the repository delivered it.
    int GetEngineCode() const { return engineCode_; }
    std::uint32_t GetFlags() const { return flags_; }
    std::uint32_t GetLocationRank() const { return flags_ & kLocationMask; }
    CZrDate GetUpToDate() const { return dataDate_; }
    CZrDate GetDate() const { return dataDate_; }
    CZrDate GetDate2() const { return date2_; }
    std::string GetName() const { return name_; }
    std::uint32_t GetSessionId() const { return sessionId_; }

    // "Web", "CD", "Lan", "HD" or "" from the location flags.
    std::string GetLocationLabel() const;
    // The location label, then "(" name ")" when there is a name: the engine choice entry.
    std::string GetVariantLabel() const;
    // One diagnostics line; dbShortName is the register table's short name of the database.
    std::string Describe(std::string_view dbShortName) const;

private:
    std::int32_t dbCode_;
    std::int32_t engineCode_;
    std::uint32_t flags_ = 0;
    CZrDate dataDate_;
    CZrDate date2_;
    std::string name_;
    ZrEngine_var engine_;
    std::uint32_t sessionId_ = 0;
};
