#pragma once
// The register table as engine discovery, search runs and the engine and database choices see
// it. The registers sit above the engines, so the table is reached through this interface: the
// program installs the register table's own implementation at start-up; until then (and in tools
// and tests) a stand-in answers that knows the built-in codes and holds no register.
// An installed table is not owned and must outlive its installation.

#include "engines/ZrDbEngine.h"
#include "engines/ZrDbEngineSet.h"
#include "engines/idl/ZrEngine.hh"

#include <cstdint>
#include <span>
#include <string>

class CCriteriaWording;
class CSearch;

class IRegisterTable {
public:
    virtual ~IRegisterTable() = default;

    // Codes and names.
    // True for the built-in codes and the codes of web registers added so far.
    virtual bool IsKnownCode(int code) const = 0;
    // The codes of all registers: the built-in ones, then the web ones in order of addition.
    virtual std::string GetDbCodes() const = 0;
    // A register exists for the code.
    virtual bool HasRegister(int code) const = 0;
    // The register's own names; "" when there is no register.
    virtual std::string GetShortName(int code) const = 0;
    virtual std::string GetLongName(int code) const = 0;
    // The register's short name, else the catalogue's, else the code in single quotes.
    virtual std::string GetDbShortName(int code) const = 0;
    // The words with which search summaries name registers, statuses and ranges.
    virtual const CCriteriaWording& GetCriteriaWording() const = 0;

    // Web registers.
    // Creates the web register of the engine's code, which reads its layout from the engine;
    // answers the name of the register's database group ("" when it has none).
    virtual std::string AddWebDb(const CZrDbEngine& engine) = 0;
    // Adds the database group of the code's web register to the table's catalogue.
    virtual void AddDbGroupToSelection(int code) = 0;
    virtual bool IsWebDb(int code) const = 0;
    virtual bool HasWebDbs() const = 0;

    // Engines.
    // The register's current engine; an engine without connection when there is no register.
    virtual CZrDbEngine GetDbEngine(int code) const = 0;
    // Hands every register its engine and restriction from the set (none when absent).
    virtual void SetEngines(const CZrDbEngineSet& engines) = 0;
    // The codes, in table order, whose register has an engine.
    virtual std::string GetConnectedDatabaseCodes() const = 0;

    // Searching.
    // Starts the search on the register's engine. Nil when the register could not start it,
    // with the register's error text; CriteriaInvalid from the engine reaches the caller.
    virtual ZrEngineSearch_var StartSearch(int code, const CSearch& search,
                                           const std::string& client, const std::string& examId,
                                           int oneClassOnly, std::string& errorText) = 0;
    // The application number of each record id, in one engine call. False (numbers zeroed)
    // when the engine fails or answers short, or when there is no register.
    virtual bool SgesToAppNums(int code, std::span<const std::uint32_t> ids,
                               std::span<std::uint32_t> numbers) = 0;
};

// Null restores the stand-in.
void InstallRegisterTable(IRegisterTable* table);
IRegisterTable& GetRegisterTable();

// The codes of the registers built into the program, in table order.
inline constexpr const char* kBuiltInDbCodes = "aucsideptnko01";
