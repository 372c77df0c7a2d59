#pragma once
// An examination file (".zre"). Reading takes the whole file into memory and hands it to the
// reader of its version: 3 (old form, converted on reading), 4 or 5. Writing always produces
// version 5 in memory; Close then replaces the file on the disc in one step, so that a failure
// never leaves a half-written or emptied examination behind.

#include "app/document/BinaryData.h"
#include "app/document/ExamInfo.h"
#include "core/DbInfo.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CMarkList;
class CSearchList;
class CZreFileVer;
class IRegisterCodeNames;
class IProgress;

class CZreFile {
public:
    // Files larger than this are no examinations; they are refused before they are read.
    static constexpr std::size_t kMaxFileSize = std::size_t{1} << 30;

    CZreFile();
    CZreFile(const CZreFile&) = delete;
    CZreFile& operator=(const CZreFile&) = delete;
    ~CZreFile();

    // Reads the file. False, with the reason, when it cannot be read. Throws a CTextException
    // when it is no examination file or one of a version this program does not read. The
    // code names give the texts of the old numeric codes of version-3 criteria.
    bool OpenForRead(const std::string& path, const IRegisterCodeNames& codeNames,
                     std::string& error);
    // The same for a file's bytes already in memory.
    void OpenBytes(std::string bytes, const IRegisterCodeNames& codeNames);
    // Starts a new file for the path; nothing touches the disc before Close.
    void OpenForWrite(const std::string& path);

    // In the order of the file: header (which loads the directory), database codes, searches,
    // marks. Damaged data throws a CTextException.
    void ReadHeader(CExamInfo& info, std::vector<CDbInfo>& databases);
    std::string GetDatabaseCodes() const;
    void ReadSearches(CSearchList& searches);
    void ReadMarks(CMarkList& marks);
    bool HasCountrySubsetCriteria() const;

    // In this order: header (with texts and database blocks), searches, marks. A text the file
    // cannot hold throws a CTextException.
    void WriteHeader(const CExamInfo& info, const std::vector<CDbInfo>& databases);
    void WriteSearches(const CSearchList& searches, IProgress* progress);
    void WriteMarks(const CMarkList& marks, IProgress* progress);
    // After writing: replaces the file with what was written (through a flushed temporary file
    // in the same folder). False, with the reason and the old file untouched, when it cannot.
    bool Close(std::string& error);

    const std::string& GetFilePath() const { return path_; }
    // What was written so far.
    const std::string& GetWrittenBytes() const { return output_.GetBytes(); }

    // For the version objects.
    const CBinaryReader& Input() const;
    CBinaryWriter& Output() { return output_; }
    const IRegisterCodeNames& CodeNames() const { return *codeNames_; }

private:
    CZreFileVer& Version() const;

    std::string path_;
    bool writeMode_ = false;
    const IRegisterCodeNames* codeNames_ = nullptr;
    std::string bytes_;
    std::optional<CBinaryReader> input_;
    CBinaryWriter output_;
    std::unique_ptr<CZreFileVer> version_;
};
