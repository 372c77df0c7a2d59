#include "report/job/ReportOutput.h"

#include "app/document/TextException.h"
#include "core/FilePath.h"

namespace {

[[noreturn]] void ThrowCannotWrite(const std::string& path, const std::string& reason) {
    throw CTextException("W306 Cannot write: " + path + " due to: " + reason);
}

} // namespace

CReportFile::CReportFile(const std::string& path) : path_(path) {
    if (!file_.Open(path, platform::FileAccess::Keep))
        ThrowCannotWrite(path_, file_.GetError());
}

void CReportFile::Write(std::string_view bytes) {
    if (!file_.Write(bytes))
        ThrowCannotWrite(path_, file_.GetError());
}

void CReportFile::WriteSideFile(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string path = AppendPath(DirOfPath(path_), name);
    std::string error;
    if (!platform::WriteFileAtomically(
            path, std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
            platform::FileAccess::Keep, error))
        ThrowCannotWrite(path, error);
}

void CReportFile::Commit() {
    if (!file_.Commit())
        ThrowCannotWrite(path_, file_.GetError());
}
