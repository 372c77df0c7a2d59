#include "tests/support/MemoryReportRegisters.h"

#include "tests/core/RecordBytes.h"

void CMemoryReportDb::SetRecord(std::uint32_t recordNumber, const Fields& fields) {
    std::vector<record_bytes::Bytes> entries;
    for (const auto& [name, value] : fields)
        entries.push_back(record_bytes::Text(name, value));
    const record_bytes::Bytes bytes = record_bytes::RecordBytes(entries);
    auto record = std::make_shared<CZrData>();
    record->Assign(bytes.data(), bytes.size());
    records[recordNumber] = std::move(record);
}

std::shared_ptr<const CZrData> CMemoryReportDb::GetTextRecord(const CMark& mark) {
    const auto found = records.find(mark.GetRecordNumber());
    return found == records.end() ? nullptr : found->second;
}

std::string CMemoryReportDb::GetAppNumText(const CZrData& record) const {
    return std::string(record.GetField("APPNUM"));
}

std::string CMemoryReportDb::FormatMarkAppNum(const CMark& mark) const {
    return std::to_string(mark.GetAppNumber());
}

std::uint64_t CMemoryReportDb::GetSortKey(const CMark& mark) const {
    const std::uint64_t status = (mark.GetRecordNumber() >> 22) & 3;
    return (status << 54) | mark.GetRecordNumber();
}

bool CMemoryReportDb::IsDeviceMark(const CMark& mark) const {
    return images.count(mark.GetRecordNumber()) != 0 || icons.count(mark.GetRecordNumber()) != 0;
}

int CMemoryReportDb::GetImageCount(const CMark& mark) {
    const auto found = images.find(mark.GetRecordNumber());
    return found == images.end() ? 0 : static_cast<int>(found->second.size());
}

bool CMemoryReportDb::GetImage(const CMark& mark, int index, std::uint32_t width,
                               std::uint32_t height, CPing& image) {
    imageRequests.push_back(std::to_string(mark.GetRecordNumber()) + ":" + std::to_string(index) +
                            " " + std::to_string(width) + "x" + std::to_string(height));
    const auto found = images.find(mark.GetRecordNumber());
    if (found == images.end() || index < 0 ||
        static_cast<std::size_t>(index) >= found->second.size())
        return false;
    const std::vector<std::uint8_t>& png = found->second[static_cast<std::size_t>(index)];
    return image.SetPngData(png.data(), png.size(), width, height);
}

bool CMemoryReportDb::GetIcon(const CMark& mark, CPing& image) {
    const auto found = icons.find(mark.GetRecordNumber());
    return found != icons.end() &&
           image.SetPngData(found->second.data(), found->second.size(), 64, 64);
}

CMemoryReportDb& CMemoryReportRegisters::Add(char code, const std::string& shortName,
                                             const std::string& longName) {
    CMemoryReportDb& db = dbs_[static_cast<unsigned char>(code)];
    db.shortName = shortName;
    db.longName = longName;
    return db;
}

IReportDb* CMemoryReportRegisters::GetDb(int code) {
    const auto found = dbs_.find(code);
    return found == dbs_.end() ? nullptr : &found->second;
}
