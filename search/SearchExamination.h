#pragma once
// What the search sheets ask of the active examination and its registers: the connected
// databases, each register's long name, number pattern and countries, the record sets the
// registers offer and the examination's database catalogue. The program answers over its
// register table and document; tests answer over plain data.

#include "registers/DbSelection.h"

#include <string>
#include <vector>

class CZrDbs;
class CZrDocData;

class ISearchExamination {
public:
    virtual ~ISearchExamination() = default;

    // The codes, in table order, of the databases whose register has an engine; "" while no
    // examination is active.
    virtual std::string GetConnectedDatabaseCodes() const = 0;
    // The active examination's catalogue; nothing selected while none is active.
    virtual const CDbSelection& GetDbSelection() const = 0;
    // The names of the record sets the connected registers offer, each once.
    virtual std::vector<std::string> GetSetNames() const = 0;

    virtual bool HasRegister(char code) const = 0;
    // "" (or nothing) for a code without register.
    virtual std::string GetLongName(char code) const = 0;
    virtual std::string GetAppNumPattern(char code) const = 0;
    virtual std::vector<std::string> GetCountryCodes(char code) const = 0;
};

// Over the register table and the examination document; a null document means none is active.
class CTableSearchExamination : public ISearchExamination {
public:
    CTableSearchExamination(const CZrDbs& table, const CZrDocData* document)
        : table_(table), document_(document) {}

    std::string GetConnectedDatabaseCodes() const override;
    const CDbSelection& GetDbSelection() const override;
    std::vector<std::string> GetSetNames() const override;
    bool HasRegister(char code) const override;
    std::string GetLongName(char code) const override;
    std::string GetAppNumPattern(char code) const override;
    std::vector<std::string> GetCountryCodes(char code) const override;

private:
    const CZrDbs& table_;
    const CZrDocData* document_;
    CDbSelection noSelection_;
};
