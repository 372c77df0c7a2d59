#pragma once
// The twelve registers built into the program, one class each. The register table makes one of
// each, and a second UK and Reserved Words register for the training databases '0' and '1'; the
// code a register is made with is the database it serves.

#include "registers/BuiltInDb.h"

// Reserved Words.
class CZrDb_A6 : public CBuiltInDb {
public:
    explicit CZrDb_A6(CZrDbs& table, int code = 'a');
    // The subset first, when there is one.
    std::string GetSummaryText(const CZrData& summary) const override;

protected:
    std::string GetHeaderNumber(const CZrData& text) const override;
};

class CZrDb_AU : public CBuiltInDb {
public:
    explicit CZrDb_AU(CZrDbs& table, int code = 't');
};

class CZrDb_CA : public CBuiltInDb {
public:
    explicit CZrDb_CA(CZrDbs& table, int code = 'n');
};

// Community Designs: the design description stands where other registers have a word mark, and
// Locarno classes where they have Nice classes.
class CZrDb_CD : public CBuiltInDb {
public:
    explicit CZrDb_CD(CZrDbs& table, int code = 'o');
    std::string GetSummaryText(const CZrData& summary) const override;
    // The description with a language tag where the language changes.
    std::string GetWordMarkText(const CZrData& summary, bool& wide) const override;
    // The description with a language tag before every item.
    std::string GetWordMark(const CMark& mark, bool* wide) override;
    // The first Locarno class.
    std::string GetClasses(const CMark& mark) override;
};

// European Union trade marks.
class CZrDb_CTM : public CBuiltInDb {
public:
    explicit CZrDb_CTM(CZrDbs& table, int code = 'c');
    // Wide when the record says it has a second character set.
    std::string GetWordMarkText(const CZrData& summary, bool& wide) const override;
};

class CZrDb_DE : public CBuiltInDb {
public:
    explicit CZrDb_DE(CZrDbs& table, int code = 'd');
};

class CZrDb_IE : public CBuiltInDb {
public:
    explicit CZrDb_IE(CZrDbs& table, int code = 'e');
};

// International registrations: the restriction that comes with the engine lists the designated
// countries a search keeps to.
class CZrDb_IN : public CBuiltInDb {
public:
    explicit CZrDb_IN(CZrDbs& table, int code = 'i');
    void ApplyRestriction(CCriteria& criteria) const override;
};

class CZrDb_PL : public CBuiltInDb {
public:
    explicit CZrDb_PL(CZrDbs& table, int code = 'p');
    std::string GetAppNumPattern() const override { return "P?L?\\d+"; }
};

class CZrDb_UK : public CBuiltInDb {
public:
    explicit CZrDb_UK(CZrDbs& table, int code = 'u');
};

// United Kingdom domain names.
class CZrDb_UKDOM : public CBuiltInDb {
public:
    explicit CZrDb_UKDOM(CZrDbs& table, int code = 'k');
    bool IsDomainRegister() const override { return true; }
};

// The United States: marks are known by their serial numbers.
class CZrDb_US : public CBuiltInDb {
public:
    explicit CZrDb_US(CZrDbs& table, int code = 's');
    std::string GetAppNumText(const CZrData& text) const override;
};
