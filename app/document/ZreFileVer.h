#pragma once
// The readers (and the writer) of the examination file's versions. A file is a 256-byte header,
// a directory of 32-byte entries and the blocks the entries point to; each version reads the
// blocks of its own kinds. CZreFile chooses the version object by the version in the header.

#include "app/document/ExamInfo.h"
#include "core/DbInfo.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CBinaryReader;
class CMarkList;
class CSearchList;
class CZreFile;
class IProgress;

struct CZreDirEntry {
    std::uint32_t type = 0;
    std::uint32_t key = 0; // a database block's register letter, else 0
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::uint32_t count = 0; // items in the block
};

class CZreFileVer {
public:
    static constexpr std::uint32_t kFileId = 0x2763961C;
    static constexpr std::size_t kHeaderSize = 256;
    static constexpr std::size_t kEntrySize = 32;
    static constexpr std::size_t kDatabaseSize = 256;

    // Block types.
    static constexpr std::uint32_t kStringTable = 1;
    static constexpr std::uint32_t kDatabase = 2;
    static constexpr std::uint32_t kSearches = 3;
    static constexpr std::uint32_t kOldSearches = 4;
    static constexpr std::uint32_t kOldMarks = 5;
    static constexpr std::uint32_t kMarks = 6;

    explicit CZreFileVer(CZreFile& file) : file_(file) {}
    CZreFileVer(const CZreFileVer&) = delete;
    CZreFileVer& operator=(const CZreFileVer&) = delete;
    virtual ~CZreFileVer() = default;

    // The settings and one CDbInfo per database block; also loads the directory.
    virtual void ReadHeader(CExamInfo& info, std::vector<CDbInfo>& databases) = 0;
    virtual void WriteHeader(const CExamInfo& info, const std::vector<CDbInfo>& databases);
    // Appends the marks in file order, neither sorted nor grouped.
    virtual void ReadMarks(CMarkList& marks) = 0;
    virtual void WriteMarks(const CMarkList& marks, IProgress* progress);
    virtual void ReadSearches(CSearchList& searches) = 0;
    virtual void WriteSearches(const CSearchList& searches, IProgress* progress);
    // The register letters of the file's databases.
    virtual std::string GetDatabaseCodes() const = 0;
    // Whether old criteria of the file named a subset of countries.
    virtual bool HasCountrySubsetCriteria() const { return false; }
    // Reads the directory unless it is already loaded.
    virtual void ReadDirectory(std::uint32_t offset, std::uint32_t count);

protected:
    const CBinaryReader& Input() const;
    const std::vector<CZreDirEntry>& Directory() const { return directory_; }
    std::vector<CZreDirEntry>& Directory() { return directory_; }
    // The first entry of the type; null when there is none.
    const CZreDirEntry* FindFirst(std::uint32_t type) const;
    // Every entry of the type, in directory order, after checking that their records fit in
    // the file and together claim no more bytes than it has: blocks never overlap, so a
    // directory that points many entries at the same bytes is damaged.
    void ForEachBlock(std::uint32_t type, std::size_t recordSize, const char* what,
                      const std::function<void(const CZreDirEntry&)>& read) const;
    // The register letter of a database block's key.
    char RegisterOfKey(std::uint32_t key) const;
    CZreFile& File() { return file_; }

private:
    CZreFile& file_;
    std::vector<CZreDirEntry> directory_;
};
