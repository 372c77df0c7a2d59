#pragma once
// What the window-free core asks of the register table, the user settings and the active
// examination. The program installs its own implementations at start-up; until then (and in
// tools and tests) built-in stand-ins answer: a key made of register code and record number,
// no connected databases, the settings' defaults, and no active examination.
// Installed objects are not owned and must outlive their installation.

#include <cstdint>
#include <string>

class CMark;
class CSearchList;

class IRegisterServices {
public:
    virtual ~IRegisterServices() = default;
    // The ordering key that the mark's register derives from its record number.
    virtual std::uint64_t GetMarkKey(const CMark& mark) const = 0;
    // The one-letter codes of the databases whose register has an engine, in table order.
    virtual std::string GetConnectedDatabaseCodes() const = 0;
    // The registers' short names for the codes, sorted and separated by " ".
    virtual std::string GetDbShortNames(const std::string& codes) const = 0;
};

class IUserSettings {
public:
    virtual ~IUserSettings() = default;
    virtual int GetSortOrder() const = 0;
    virtual bool GetHideDuplicates() const = 0;
    virtual std::string GetDefaultStatus() const = 0;
};

class IActiveExamination {
public:
    virtual ~IActiveExamination() = default;
    // The search list of the examination that searches run for; null when none is active.
    virtual CSearchList* GetActiveSearchList() = 0;
};

// Null restores the stand-in.
void InstallRegisterServices(const IRegisterServices* services);
void InstallUserSettings(const IUserSettings* settings);
void InstallActiveExamination(IActiveExamination* examination);

const IRegisterServices& GetRegisterServices();
const IUserSettings& GetUserSettings();
// Null when no examination source is installed.
IActiveExamination* GetActiveExamination();
