#pragma once
// What the registers built into the program share: each is described by a table of constants
// (names, countries, number format, sort key, device bit, which dates and notes its summary
// lines and details header show), and the operations follow from the table. The classes of
// BuiltInDbs.h add the few operations in which a register's records differ.

#include "registers/RecordPresenters.h"
#include "registers/ZrDb.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The date of a summary's second line.
enum class SummaryDate {
    Application,         // APPDATE, else "No Date"
    RegistrationOrApply, // "Reg: " REGDATE, else "App: " APPDATE, else "No Date"
};
// A summary's fourth line.
enum class SummaryNote {
    None,      // no fourth line
    Journal,   // "Jnl " JOURNAL, else an empty line
    Languages, // LANG1, "/", LANG2
    AppNum,    // APPNUM
};
// The right part of the header's first line.
enum class HeaderDate {
    Application,            // APPDATE, else "No Date"
    RegistrationOrApply,    // "Reg:" REGDATE, else "App:" APPDATE, else nothing
    PublicationOrLanguages, // "Pub:" PUBDATE, else the language pair
    Publication,            // "Pub:" PUBDATE, else nothing
};
// The left part of the header's third line.
enum class HeaderNote {
    None,
    Journal,     // "Jnl " JOURNAL when there is one
    Application, // APPDATE, else "No Date"
    AppNum,      // APPNUM
};
// The left part of the header's second line.
enum class HeaderClasses {
    Nice,    // "Class " CLASSES, even when empty
    Locarno, // "Locarno " LOCAR when there is one
    None,
};

// Which dates and notes a register's summary lines and details header show.
struct CRecordLayout {
    SummaryDate summaryDate;
    SummaryNote summaryNote;
    HeaderDate headerDate;
    HeaderNote headerNote;
    HeaderClasses headerClasses;
};

struct CBuiltInTraits {
    int bitmapId;
    const char* shortName;
    const char* longName;
    std::vector<std::string> countryCodes;
    std::string (*formatAppNum)(std::uint32_t key);
    std::uint32_t (*parseAppNum)(std::string_view text, int* used);
    // The summary field whose number SetMarkAppNum takes.
    const char* appNumField;
    std::uint64_t (*sortKey)(std::uint32_t recordId);
    // The record-id bit of a device mark; 0 for a register without devices.
    std::uint32_t deviceBit;
    // Whether a text record's "HASSOUND" counts.
    bool hasSound;
    CRecordLayout layout;
    RecordPresenter present;
};

// Shown where a record has no date.
inline constexpr const char* kNoDateText = "No Date";

class CBuiltInDb : public CZrDb {
public:
    CBuiltInDb(CZrDbs& table, int code, CBuiltInTraits traits);

    std::string GetShortName() const override { return traits_.shortName; }
    std::string GetLongName() const override { return traits_.longName; }
    std::vector<std::string> GetCountryCodes() const override { return traits_.countryCodes; }
    std::string FormatMarkAppNum(const CMark& mark) const override;
    void SetMarkAppNum(CMark& mark, const CZrData& summary) const override;
    std::uint64_t GetSortKey(const CMark& mark) const override;
    void GetSortKeys(std::span<const std::uint32_t> recordNumbers,
                     std::span<std::uint64_t> keys) const override;
    bool IsDeviceMark(const CMark& mark) const override;
    bool HasWordMark(const CMark&) const override { return true; }
    bool HasSound(const CMark& mark) override;
    std::vector<std::string> GetSummaryLines(const CMark& mark) override;
    void PresentRecord(const CMark& mark, CPresenter& output, std::uint32_t flags, int context1,
                       int context2) override;

protected:
    void FillHeaderTexts(const CZrData& text, CHeaderTexts& texts) const override;
    // The left part of the header's first line.
    virtual std::string GetHeaderNumber(const CZrData& text) const { return GetAppNumText(text); }

private:
    std::string HeaderDateText(const CZrData& text) const;
    std::string HeaderNoteText(const CZrData& text) const;
    std::string HeaderClassesText(const CZrData& text) const;

    CBuiltInTraits traits_;
};
