#include "app/document/ZreFile.h"

#include "app/document/TextException.h"
#include "app/document/ZreFileVer3.h"
#include "app/document/ZreFileVer4.h"
#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

std::string FormatIdAndVersion(const char* format, std::uint32_t id, std::uint32_t version) {
    char text[160];
    std::snprintf(text, sizeof text, format, id, static_cast<int>(version));
    return text;
}

} // namespace

CZreFile::CZreFile() = default;
CZreFile::~CZreFile() = default;

bool CZreFile::OpenForRead(const std::string& path, const IRegisterCodeNames& codeNames,
                           std::string& error) {
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    if (sizeError) {
        error = sizeError.message();
        return false;
    }
    if (size > kMaxFileSize) {
        error = "the file is too large to be an examination";
        return false;
    }
    std::string bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        error = std::strerror(errno);
        return false;
    }
    path_ = path;
    OpenBytes(std::move(bytes), codeNames);
    return true;
}

void CZreFile::OpenBytes(std::string bytes, const IRegisterCodeNames& codeNames) {
    writeMode_ = false;
    codeNames_ = &codeNames;
    bytes_ = std::move(bytes);
    input_.emplace(bytes_, "ZRE file");
    version_.reset();
    if (bytes_.size() > kMaxFileSize)
        input_->Fail("it is too large to be an examination");
    if (bytes_.size() < 8)
        input_->Fail("the file is shorter than its identification");
    const std::uint32_t id = input_->U32(0);
    const std::uint32_t version = input_->U32(4);
    if (id != CZreFileVer::kFileId || version < 3)
        throw CTextException(FormatIdAndVersion(
            "Not a ZRE file or not supported by this version of ZRPro (ID:0x%0X, Ver:%d)", id,
            version));
    if (version > CZreFileVer4::kWrittenVersion)
        throw CTextException(FormatIdAndVersion(
            "ZRE file not supported by this version of ZRPro (ID:0x%0X, Ver:%d)", id, version));
    if (version == 3)
        version_ = std::make_unique<CZreFileVer3>(*this);
    else
        version_ = std::make_unique<CZreFileVer4>(*this);
}

void CZreFile::OpenForWrite(const std::string& path) {
    path_ = path;
    writeMode_ = true;
    input_.reset();
    bytes_.clear();
    output_ = CBinaryWriter();
    version_ = std::make_unique<CZreFileVer4>(*this);
}

const CBinaryReader& CZreFile::Input() const {
    if (!input_)
        throw CTextException("The examination file is not open for reading");
    return *input_;
}

CZreFileVer& CZreFile::Version() const {
    if (!version_)
        throw CTextException("The examination file is not open");
    return *version_;
}

void CZreFile::ReadHeader(CExamInfo& info, std::vector<CDbInfo>& databases) {
    Version().ReadHeader(info, databases);
}

std::string CZreFile::GetDatabaseCodes() const {
    return Version().GetDatabaseCodes();
}

void CZreFile::ReadSearches(CSearchList& searches) {
    Version().ReadSearches(searches);
}

void CZreFile::ReadMarks(CMarkList& marks) {
    Version().ReadMarks(marks);
}

bool CZreFile::HasCountrySubsetCriteria() const {
    return Version().HasCountrySubsetCriteria();
}

void CZreFile::WriteHeader(const CExamInfo& info, const std::vector<CDbInfo>& databases) {
    Version().WriteHeader(info, databases);
}

void CZreFile::WriteSearches(const CSearchList& searches, IProgress* progress) {
    Version().WriteSearches(searches, progress);
}

void CZreFile::WriteMarks(const CMarkList& marks, IProgress* progress) {
    Version().WriteMarks(marks, progress);
}

bool CZreFile::Close(std::string& error) {
    if (!writeMode_)
        return true;
    writeMode_ = false;
    return platform::WriteFileAtomically(path_, output_.GetBytes(), platform::FileAccess::Keep,
                                         error);
}
