#pragma once
// Versions 4 and 5 of the examination file, which this program reads alike and writes as 5:
// a string table of the settings' texts, one block per database, one block of searches with
// their criteria texts and one block of marks.

#include "app/document/ZreFileVer.h"

class CSearch;

class CZreFileVer4 : public CZreFileVer {
public:
    static constexpr std::uint32_t kWrittenVersion = 5;
    // The version word of the program that wrote the file: major << 16 | minor << 8 | build.
    static std::uint32_t GetProgramVersionWord();

    static constexpr std::size_t kSearchFixedSize = 68;
    static constexpr std::size_t kRunDatabasesSize = 32;
    // The string table's 16-bit item length covers the key, the length itself and a zero byte.
    static constexpr std::size_t kMaxTextLength = 0xffff - 5;

    explicit CZreFileVer4(CZreFile& file) : CZreFileVer(file) {}

    void ReadHeader(CExamInfo& info, std::vector<CDbInfo>& databases) override;
    void WriteHeader(const CExamInfo& info, const std::vector<CDbInfo>& databases) override;
    void ReadMarks(CMarkList& marks) override;
    void WriteMarks(const CMarkList& marks, IProgress* progress) override;
    void ReadSearches(CSearchList& searches) override;
    void WriteSearches(const CSearchList& searches, IProgress* progress) override;
    std::string GetDatabaseCodes() const override;
    bool HasCountrySubsetCriteria() const override { return countrySubset_; }

private:
    // Header flag bits.
    static constexpr std::uint32_t kOneClassOnly = 0x4;
    // Files written up to these program versions get their criteria converted on reading.
    static constexpr std::uint32_t kDoubledBackslashesUpTo = 0x40202;
    static constexpr std::uint32_t kCountrySubsetsUpTo = 0x40318;

    void ReadStringTable(CExamInfo& info) const;
    CSearch ReadSearch(std::size_t offset, std::size_t& length);
    void WriteStringTable(const CExamInfo& info);
    void WriteDatabase(const CDbInfo& database);
    void WriteSearch(const CSearch& search);
    // The directory entry of the block that ends the output, which started at `start`.
    void EndBlock(std::uint32_t type, std::uint32_t key, std::size_t start, std::size_t count);

    std::uint32_t entriesWritten_ = 0;
    std::uint32_t entryCount_ = 0;
    std::uint32_t versionWord_ = 0;
    bool countrySubset_ = false;
};
