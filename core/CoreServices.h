#pragma once
// What the window-free core asks of the register table and the active examination, which sit
// above it. The program installs its own implementations at start-up; until then (and in tools
// and tests) a built-in stand-in answers for the registers: a key made of register code and
// record number, no connected databases, the quoted code as short name, no caches to drop; and
// no examination is active. The user settings are read from TheUserOptions().
// Installed objects are not owned and must outlive their installation.

#include <cstdint>
#include <span>
#include <string>

class CMark;
class CSearchList;

class IRegisterServices {
public:
    virtual ~IRegisterServices() = default;
    // The ordering key that the mark's register derives from its record number.
    virtual std::uint64_t GetMarkKey(const CMark& mark) const = 0;
    // The keys of many records of one register in one call, keys[i] that of recordNumbers[i]
    // (both of one size): what GetMarkKey gives for marks of the register and those records.
    // Merges fetch their keys this way, so that a register is found once for all its records.
    virtual void GetMarkKeys(int registerCode, std::span<const std::uint32_t> recordNumbers,
                             std::span<std::uint64_t> keys) const;
    // The one-letter codes of the databases whose register has an engine, in table order.
    virtual std::string GetConnectedDatabaseCodes() const = 0;
    // The registers' short names for the codes, sorted and separated by " ".
    virtual std::string GetDbShortNames(const std::string& codes) const = 0;
    // The register's short name for its code.
    virtual std::string GetShortName(char code) const = 0;
    // Drops the cached records whose text depends on the language options. The caches are not
    // part of what the table answers, so this leaves it logically unchanged.
    virtual void DropLanguageDependentRecords() const = 0;
};

class IActiveExamination {
public:
    virtual ~IActiveExamination() = default;
    // The search list of the examination that searches run for; null when none is active.
    virtual CSearchList* GetActiveSearchList() = 0;
};

// Null restores the stand-in.
void InstallRegisterServices(const IRegisterServices* services);
void InstallActiveExamination(IActiveExamination* examination);

const IRegisterServices& GetRegisterServices();
// Null when no examination source is installed.
IActiveExamination* GetActiveExamination();
