#pragma once
// The registers the service serves and how each one numbers its records and applications.
// Record ids carry the status and the device-mark bit where the client's registers read them.

#include <cstdint>
#include <string>
#include <vector>

enum class MarkStatus : std::uint8_t { Registered = 0, Lapsed = 1, Pending = 2, Abandoned = 3 };

// The criteria letter of a status (r, l, p, a) and its record text.
char StatusLetter(MarkStatus status);
const char* StatusWord(MarkStatus status);

// Where a register's record ids keep status, device bit and sequence.
enum class IdLayout : std::uint8_t {
    Standard,   // status bits 22-23, device bit 3, sequence in bits 4-21 and 24-30
    DeviceBit0, // as Standard with the device bit at bit 0 (AU, CA)
    Domain,     // sequence from bit 3, no status, never a device mark (UK domain names)
    Web,        // status bits 29-30, device bit 0, sequence from bit 1
};

// Which fields and habits a register's records have beyond the common ones.
enum RegisterTraits : std::uint32_t {
    kHasSound = 0x1,       // some marks have a sound clip
    kHasLanguages = 0x2,   // first and second language of the filing
    kDesigns = 0x4,        // designs: descriptions and Locarno classes instead of classes
    kDomains = 0x8,        // domain names: no classes, goods or devices
    kReservedWords = 0x10, // subset and key of the source list
    kSerialNumbers = 0x20, // the application number field is SERNUM
    kMadrid = 0x40,        // international registrations with designated countries
    kJournal = 0x80,       // journal references
    kDuplicates = 0x100,   // multi-class filings: every tenth mark repeats the number before
};

struct RegisterInfo {
    char code;             // the register letter
    const char* shortName; // as the client shows it
    IdLayout layout;
    std::uint32_t traits;
    std::vector<std::string> countries; // the countries a mark of the register covers
};

// The registers served, in register-letter order of the client: the twelve built-in ones and one
// that only the service describes (code 'w').
const std::vector<RegisterInfo>& ServedRegisters();
// The register of a letter; null when none is served.
const RegisterInfo* FindRegister(char code);

// The record id of the seq-th mark (from 1) of a register.
std::uint32_t MakeRecordId(IdLayout layout, std::uint32_t seq, MarkStatus status, bool device);

// An application number in the register's text form, as the register packs it for marks and
// the number criteria compare (the digits before any separator).
struct AppNumber {
    std::string text;      // the APPNUM (or SERNUM) text of the record
    std::uint32_t packed;  // the register's packed form
    std::uint64_t main;    // the value a number range compares
    std::string regNumber; // a registration number where the register has one apart, else ""
};
AppNumber MakeAppNumber(const RegisterInfo& info, std::uint32_t numberIndex);

// The value of a number text that a range compares: its digits up to the first '-', '_' or '/'
// after a digit; other characters are skipped.
std::uint64_t MainNumberOf(const std::string& text);
