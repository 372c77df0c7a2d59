#pragma once
// The synthetic marks of one register, generated deterministically from the register letter and
// the mark's sequence number. The first marks of every register are fixed anchor marks that tests
// can rely on (ACME, ACME ZENITH, ZENITH, ...); the rest vary.

#include "testsvc/data/Registers.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct TestMark {
    enum Flags : std::uint8_t {
        kSound = 0x1,   // has a sound clip
        kGreek = 0x2,   // the word mark is in the Greek code page
        kAdded = 0x4,   // in the record set "AddedLastWeek"
        kUpdated = 0x8, // in the record set "UpdatedLastWeek"
    };

    std::uint32_t recordId = 0;
    std::uint32_t seq = 0;
    std::uint32_t packedAppNum = 0;
    std::uint64_t mainAppNum = 0;
    std::uint32_t numberIndex = 0; // application numbers repeat for multi-class filings
    MarkStatus status = MarkStatus::Registered;
    bool device = false;
    std::uint8_t imageCount = 0; // 0 for a word mark
    std::uint8_t flags = 0;
    std::uint8_t wordCount = 0;
    std::array<std::uint16_t, 3> words{};
    std::uint64_t classes = 0; // bit n: Nice class n
    std::int32_t appDay = 0;   // days since 1 Jan 1970
    std::int32_t regDay = 0;   // 0: not registered
    std::uint16_t owner = 0;
    std::int16_t agent = -1; // -1: none
    std::uint8_t viennaCount = 0;
    std::array<std::uint8_t, 3> vienna{};
    std::uint8_t locarno = 0;
    std::uint8_t language1 = 0, language2 = 0;
    std::uint16_t designations = 0; // bit per Madrid country

    bool HasClass(int niceClass) const { return (classes >> niceClass) & 1; }
};

// The names of the record sets every engine offers.
extern const char* const kAddedLastWeek;
extern const char* const kUpdatedLastWeek;

class CTestRegisterData {
public:
    // markCount marks, numbered from 1.
    CTestRegisterData(const RegisterInfo& info, std::uint32_t markCount);

    const RegisterInfo& Info() const { return info_; }
    char Code() const { return info_.code; }
    const std::vector<TestMark>& Marks() const { return marks_; }
    // The mark with a record id; null when there is none.
    const TestMark* FindMark(std::uint32_t recordId) const;
    // The first record id with a packed application number; 0 when none.
    std::uint32_t FindRecordByAppNum(std::uint32_t packed) const;

    // The mark's text as the record shows it (words joined by blanks; a domain name for domains).
    std::string WordMarkText(const TestMark& mark) const;
    // The application number of the mark in the register's forms.
    AppNumber AppNumberOf(const TestMark& mark) const;
    // Whether the mark belongs to a record set; false for a set the engine does not know.
    static bool IsInSet(const TestMark& mark, const std::string& setName);

private:
    TestMark MakeMark(std::uint32_t seq) const;

    const RegisterInfo& info_;
    std::vector<TestMark> marks_;
    std::unordered_map<std::uint32_t, std::uint32_t> indexById_;
    std::unordered_map<std::uint32_t, std::uint32_t> idByAppNum_;
};

// Day-first record date text, "5 Jan 2004", of a day count since 1 Jan 1970; "" for 0.
std::string DateText(std::int32_t day);
// The yyyymmdd number of a day count.
std::uint32_t DateYmd(std::int32_t day);
// The day count of a date.
std::int32_t DayOf(int year, int month, int day);
